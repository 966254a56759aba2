#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/fw_canvas.h"

namespace fw {
class Dictionary;
class Graphics;
class Picture;
class Window;
}  // namespace fw

// A container that lays other controls of its window out one after another,
// side by side (Vertical) or stacked, with a draggable divider between each
// pair of neighbours. A double-click on a divider collapses or expands a pane.
// Its panes are the window's controls whose parent is the split view.
class Splitview : public fw::Canvas {
 public:
  Splitview(fw::Window& window, const std::string& name);
  ~Splitview() override;

  // The owner's answers; each is asked only when set, else its default holds.
  // Divider thickness in pixels; 0 (the default) means 24.
  std::function<int32_t()> DividerThickness;
  // Whether the subview may collapse; default no.
  std::function<bool(fw::RectControl&)> CanCollapseSubview;
  // True when the subview has a minimum (maximum), which the handler writes
  // into the size; default none.
  std::function<bool(fw::RectControl&, int32_t&)> MinSizeOfSubview;
  std::function<bool(fw::RectControl&, int32_t&)> MaxSizeOfSubview;
  // The size an expanding subview gets; 0 (the default) means half the pair.
  std::function<int32_t(fw::RectControl&)> ExpandingView;

  // The live list, not a copy: appending to it adds a subview unchecked.
  std::vector<fw::RectControl*>& Subviews();
  void AddSubview(fw::RectControl& subview);
  void RemoveSubview(fw::RectControl& subview);
  bool Vertical() const;
  // Lays the subviews out at once, also when the value is unchanged.
  void Vertical(bool value);
  bool IsSubviewCollapsed(const fw::RectControl& subview) const;
  // Fits the subviews to the control's size: growth goes to the last open
  // subview, shrinkage comes from the last ones first.
  void AdjustSubviews();
  void CollapseView(fw::RectControl& subview);
  void ExpandView(fw::RectControl& subview);

 protected:
  void Event_Open() override;
  void Event_Close() override;
  void Event_Paint(fw::Graphics& g) override;
  bool Event_MouseDown(int x, int y) override;
  void Event_MouseDrag(int x, int y) override;
  void Event_MouseUp(int x, int y) override;
  void Event_MouseMove(int x, int y) override;
  void Event_MouseEnter() override;
  void Event_MouseExit() override;
  bool Event_KeyDown(const std::string& key) override;
  void Event_GotFocus() override;
  void Event_LostFocus() override;

  void DrawDivider(fw::Graphics& g, int32_t x, int32_t y, int32_t w, int32_t h);
  int32_t GetDividerThickness();
  // The divider at the local point, 1 to the last index, or -1.
  int32_t MouseInDivider(int32_t x, int32_t y);
  // Moves divider mCurrentDivider to the local coordinate of the orientation.
  void AdjustSubviewsAroundDivider(int32_t x, int32_t y);
  bool IsDoubleClick();
  void CreateDividerImage();

  std::vector<fw::RectControl*> mSubviews;
  std::unique_ptr<fw::Dictionary> mCollapsed;
  bool mVertical = false;
  int32_t mDividerThickness = 0;
  int32_t mCurrentDivider = 0;
  int32_t OffsetX = 0;
  int32_t OffsetY = 0;
  int32_t LastWidth = 0;
  int32_t LastHeight = 0;
  int32_t mClickTime = 0;
  std::unique_ptr<fw::Picture> mDotPicture;
  int32_t mLastX = 0;
  int32_t mLastY = 0;

 private:
  void AdoptSubviews();
  void DrawDividers(fw::Graphics& g);
  void RecordCollapse(const fw::RectControl& subview);
  bool HoldsDivider(int32_t divider) const;
  int32_t LastIndex() const;
  // The index of the subview from the front, or -1.
  int32_t IndexOf(const fw::RectControl& subview) const;
  // Where divider d may go, in local coordinates: both neighbours keep 0 or more.
  int32_t LowerBound(int32_t divider);
  int32_t UpperBound(int32_t divider);

  // Size and position along the layout axis; positions are window coordinates.
  int32_t SizeOf(const fw::RectControl& control) const;
  int32_t PositionOf(const fw::RectControl& control) const;
  void SetSize(fw::RectControl& control, int32_t size) const;
  void SetPosition(fw::RectControl& control, int32_t position) const;
  int32_t OwnSize() const;
  int32_t OwnPosition() const;

  bool AskMinSize(fw::RectControl& subview, int32_t& size);
  void ApplyOwnerLimits(fw::RectControl& view, int32_t& own, int32_t& other, int32_t total, int32_t& min,
                        int32_t& max);
  bool AskMaxSize(fw::RectControl& subview, int32_t& size);
  bool AskCanCollapse(fw::RectControl& subview);
};
