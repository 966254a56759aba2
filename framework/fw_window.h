#pragma once
#include <memory>
#include <string>
#include <typeindex>
#include <vector>

#include "framework/fw_color.h"
#include "framework/fw_errors.h"

class QWidget;

namespace fw {

class MenuBar;
class RectControl;
class WindowWidget;

// A window and its controls, kept in creation order and found by name.
// A window builds itself once: Layout, then CreateControls, then the controls'
// Open events in creation order, then its own Open event.
class Window {
 public:
  Window();
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Builds and opens the window; the shared-instance accessor calls it.
  void OpenWindow();

  template <class C>
  C& AddControl(const std::string& name) {
    auto control = std::make_unique<C>(*this, name);
    C& ref = *control;
    Adopt(std::move(control));
    return ref;
  }
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  RectControl* Control(int index) const;
  RectControl* FindControl(const std::string& name) const;
  // The control of that name; a missing name is the framework's nil-object error.
  template <class C>
  C& ControlNamed(const std::string& name) const {
    C* c = dynamic_cast<C*>(FindControl(name));
    if (c == nullptr) throw NilObjectException("no control named " + name);
    return *c;
  }

  const std::string& Title() const { return title_; }
  void Title(const std::string& text);
  // The content area, in screen coordinates.
  int Left() const;
  int Top() const;
  int Width() const { return width_; }
  int Height() const { return height_; }
  void Left(int value);
  void Top(int value);
  void Width(int value);
  void Height(int value);
  int MinWidth() const { return minWidth_; }
  int MinHeight() const { return minHeight_; }
  int MaxWidth() const { return maxWidth_; }
  int MaxHeight() const { return maxHeight_; }
  void MinWidth(int value);
  void MinHeight(int value);
  void MaxWidth(int value);
  void MaxHeight(int value);
  // 0 default and 1: over the window it was opened from (else as 2); 2 and 3:
  // centred on the main screen.
  void Placement(int code) { placement_ = code; }
  int Placement() const { return placement_; }
  // 0 document window, 1 movable modal, 2 modal dialog, 3 floating, 4 plain box.
  void Frame(int code);
  int Frame() const { return frame_; }
  void Resizeable(bool value);
  bool Resizeable() const { return resizeable_; }
  void LiveResize(bool value) { liveResize_ = value; }
  void CloseButton(bool value);
  void MinimizeButton(bool value);
  void MaximizeButton(bool value);
  void HasBackColor(bool value);
  void BackColor(Color color);
  bool HasBackColor() const { return hasBackColor_; }
  Color BackColor() const { return backColor_; }
  // Whether the window shows when it opens.
  void Visible(bool value) { visible_ = value; }
  bool Visible() const { return visible_; }

  // The menu bar shown while this window is active.
  void MenuBar(fw::MenuBar* bar);
  fw::MenuBar* MenuBar() const { return menuBar_; }
  // Whether the window shows a menu bar: its own, or else the application's,
  // so that the menus and their shortcuts work from every window.
  void MenuBarVisible(bool value) { menuBarVisible_ = value; }
  bool MenuBarVisible() const { return menuBarVisible_; }

  void Show();
  void Hide();
  bool IsShown() const;
  // Hides the window at once and destroys it once the running handler has
  // returned; the next use of the shared instance builds a fresh one.
  void Close();
  bool IsClosing() const { return closing_; }

  // Part of quitting: CancelClose (unless already running), then Close.
  // Answers false when the window cancels.
  bool CloseForQuit();
  // The user's close box, or the window manager's close request; ignored
  // while the window has no close box.
  void CloseFromUser();

  // Called by the framework's widgets.
  void RaiseMoved();
  void RaiseResized(int newWidth, int newHeight);
  bool RaiseKeyDown(const std::string& key);
  bool RaiseMouseDown(int x, int y);

  // Puts the tab order in step with the controls' TabIndex (once the window is built).
  void RefreshTabOrder();

  // The content widget that holds the controls; for the framework and for tests.
  QWidget* ContentWidget() const;
  QWidget* TopLevelWidget() const;

 protected:
  virtual void Layout() {}
  virtual void CreateControls() {}

  virtual void Event_Open() {}
  virtual void Event_Close() {}
  // Answer True to keep the window open.
  virtual bool Event_CancelClose(bool appQuitting) {
    (void)appQuitting;
    return false;
  }
  virtual void Event_Moved() {}
  virtual void Event_Resized() {}
  virtual bool Event_KeyDown(const std::string& key) {
    (void)key;
    return false;
  }
  virtual bool Event_MouseDown(int x, int y) {
    (void)x;
    (void)y;
    return false;
  }

 private:
  void Adopt(std::unique_ptr<RectControl> control);
  void ApplyTabOrder();
  void ApplySizeLimits();
  void ApplyWindowFlags();
  void PlaceOnScreen();
  bool StayOverModalWindow();
  void GiveKeyboardAway();
  void ShowApplicationMenuBar();
  void ApplyContentSize();
  int ContentOffsetY() const;
  bool AskCancelClose(bool appQuitting);
  void FinishClose();

  std::unique_ptr<WindowWidget> widget_;
  // The window that had the keyboard when this one opened; nullptr once gone.
  Window* opener_ = nullptr;
  std::vector<std::unique_ptr<RectControl>> controls_;
  fw::MenuBar* menuBar_ = nullptr;
  std::string title_;
  int width_ = 300, height_ = 300;
  int minWidth_ = 64, minHeight_ = 64, maxWidth_ = 32000, maxHeight_ = 32000;
  int placement_ = 0, frame_ = 0;
  bool resizeable_ = true, liveResize_ = true;
  bool closeButton_ = true, minimizeButton_ = true, maximizeButton_ = true;
  bool hasBackColor_ = false;
  Color backColor_{255, 255, 255};
  bool visible_ = true;
  bool menuBarVisible_ = true;
  bool opened_ = false;
  bool closing_ = false;
  bool cancelCloseRunning_ = false;
};

}  // namespace fw
