#pragma once
// The toolkit menu bar of one window; framework-internal.
#include <QMenuBar>
#include <QPointer>

namespace fw {

class MenuBar;

// Every window shows the menus that the application's menu bar holds, under
// titles of its own: an accessibility client finds a menu title through the
// bar that shows it, so a title shared by several bars would stay tied to the
// first of them and be lost with it.
//
// The bar also remembers which control of its window had the focus last: the
// bar takes the focus while the user moves through the menus by keyboard, or
// from one open menu to the next, and the Edit commands judge that control.
class WindowMenuBar : public QMenuBar {
 public:
  WindowMenuBar(const MenuBar& bar, QWidget* parent);
  // The control of this window that had the focus last, while it can still take it.
  QWidget* ControlFocusedLast() const;

 private:
  void AddTitle(QAction& menuTitle, QMenu& menu);
  static void AddShortcuts(QWidget& window, QMenu& menu);

  QPointer<QWidget> focusedLast_;
};

}  // namespace fw
