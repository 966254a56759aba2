#pragma once
#include <functional>
#include <string>
#include <vector>

#include "framework/fw_cursor.h"

class QWidget;

namespace fw {

class Window;

// A control of a window. Bounds are window coordinates, also for controls that
// sit inside another control; the framework converts them for the toolkit.
class RectControl {
 public:
  virtual ~RectControl();
  RectControl(const RectControl&) = delete;
  RectControl& operator=(const RectControl&) = delete;

  const std::string& Name() const { return name_; }
  Window& TrueWindow() const { return window_; }

  // The control that holds this one, or nullptr for the window itself.
  RectControl* Parent() const { return parent_; }
  // Places the control inside parent (nullptr: on the window); its window bounds stay.
  void Parent(RectControl* parent);

  int Left() const;
  int Top() const;
  int Width() const { return width_; }
  int Height() const { return height_; }
  void Left(int value);
  void Top(int value);
  void Width(int value);
  void Height(int value);
  void SetBounds(int left, int top, int width, int height);

  // Edges that keep their distance to the same edge of the parent when it resizes.
  bool LockLeft() const { return lockLeft_; }
  bool LockTop() const { return lockTop_; }
  bool LockRight() const { return lockRight_; }
  bool LockBottom() const { return lockBottom_; }
  void LockLeft(bool v) { lockLeft_ = v; }
  void LockTop(bool v) { lockTop_ = v; }
  void LockRight(bool v) { lockRight_ = v; }
  void LockBottom(bool v) { lockBottom_ = v; }
  void SetAnchors(bool left, bool top, bool right, bool bottom);

  bool Visible() const { return visible_; }
  void Visible(bool value);
  bool Enabled() const { return enabled_; }
  void Enabled(bool value);

  int TabIndex() const { return tabIndex_; }
  void TabIndex(int value);
  // Whether Tab stops at the control; on for every control that takes the focus.
  bool TabStop() const { return tabStop_; }
  void TabStop(bool value);

  const std::string& HelpTag() const { return helpTag_; }
  void HelpTag(const std::string& text);

  // nullptr shows the default cursor.
  const Cursor* MouseCursor() const { return cursor_; }
  void MouseCursor(const Cursor* cursor);

  // Asks for a repaint at the next paint of the window.
  void Refresh(bool eraseBackground = true);

  void SetFocus();
  bool HasFocus() const;

  // "System" is the default font, "Monaco" the fixed-width one; size 0 is the default size.
  // A size counts points of 1/72 inch on the screens the windows were laid out
  // for, one point per pixel, so that a text fits the bounds drawn for it.
  const std::string& TextFont() const { return textFont_; }
  void TextFont(const std::string& name);
  double TextSize() const { return textSize_; }
  void TextSize(double points);
  bool Bold() const { return bold_; }
  void Bold(bool value);
  bool Italic() const { return italic_; }
  void Italic(bool value);
  bool Underline() const { return underline_; }
  void Underline(bool value);

  // The owner's handlers; each is raised only when set.
  std::function<void()> Open;
  std::function<void()> Close;
  std::function<void()> GotFocus;
  std::function<void()> LostFocus;

  // The toolkit's widget; for the framework and for tests.
  QWidget* Widget() const { return widget_; }

  // Called by the framework: the control's Open and Close events.
  void RaiseOpen();
  void RaiseClose();
  // Applies the anchors of the controls inside this one after it changed size.
  void FollowParentResize(int deltaWidth, int deltaHeight);
  void RaiseFocusEvent(bool gained);

 protected:
  RectControl(Window& window, const std::string& name, QWidget* widget);

  virtual void Event_Open();
  virtual void Event_Close();
  virtual void Event_GotFocus();
  virtual void Event_LostFocus();
  // Lets a subclass keep its toolkit widget in step after a font change.
  virtual void ApplyFont();

 private:
  void ApplyGeometry();
  void Resize(int width, int height);
  int ParentLeft() const;
  int ParentTop() const;

  Window& window_;
  std::string name_;
  QWidget* widget_;
  RectControl* parent_ = nullptr;
  // Offsets from the parent's origin; they may go negative while a parent is
  // smaller than its anchored children, and come back when it grows.
  int x_ = 0, y_ = 0, width_ = 0, height_ = 0;
  bool lockLeft_ = true, lockTop_ = true, lockRight_ = false, lockBottom_ = false;
  bool visible_ = true, enabled_ = true, tabStop_ = true;
  int tabIndex_ = 0;
  std::string helpTag_;
  const Cursor* cursor_ = nullptr;
  std::string textFont_ = "System";
  double textSize_ = 0;
  bool bold_ = false, italic_ = false, underline_ = false;
};

}  // namespace fw
