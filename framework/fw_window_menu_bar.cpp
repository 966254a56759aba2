#include <QAction>
#include <QApplication>
#include <QMenu>

#include "framework/fw_menu.h"
#include "framework/fw_window_menu_bar_p.h"

namespace fw {

WindowMenuBar::WindowMenuBar(const MenuBar& bar, QWidget* parent) : QMenuBar(parent) {
  for (int i = 0; i < bar.Count(); ++i) {
    AddTitle(*bar.Item(i)->Action(), *bar.Item(i)->Menu());
    if (parent != nullptr) AddShortcuts(*parent, *bar.Item(i)->Menu());
  }
  // Kept up as the focus moves among the window's controls: the bar can come
  // by the focus with no change that names the control before it (moving from
  // one open menu to the next).
  QObject::connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now != nullptr && now != this && now->window() == window()) focusedLast_ = now;
  });
}

QWidget* WindowMenuBar::ControlFocusedLast() const {
  QWidget* control = focusedLast_;
  return control != nullptr && control->isVisible() && control->isEnabled() ? control : nullptr;
}

// The toolkit takes a shortcut of a menu's item in the window whose bar holds
// the title that the menu answers as its own: the last one given it, which
// goes with that bar's window and then answers for no window at all. Each
// item with a shortcut also belongs to the window itself, so its shortcut
// acts there for as long as the window lives, whichever windows come and go.
void WindowMenuBar::AddShortcuts(QWidget& window, QMenu& menu) {
  for (QAction* item : menu.actions()) {
    if (QMenu* submenu = item->menu()) {
      AddShortcuts(window, *submenu);
    } else if (!item->shortcut().isEmpty()) {
      window.addAction(item);
    }
  }
}

// The title follows the shared menu's own title, which the enabling sets.
void WindowMenuBar::AddTitle(QAction& menuTitle, QMenu& menu) {
  auto* title = new QAction(menuTitle.text(), this);
  title->setMenu(&menu);
  title->setEnabled(menuTitle.isEnabled());
  QObject::connect(&menuTitle, &QAction::changed, title, [title, &menuTitle] {
    title->setText(menuTitle.text());
    title->setEnabled(menuTitle.isEnabled());
  });
  addAction(title);
}

}  // namespace fw
