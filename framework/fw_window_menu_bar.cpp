#include <QAction>
#include <QApplication>
#include <QMenu>

#include "framework/fw_menu.h"
#include "framework/fw_window_menu_bar_p.h"

namespace fw {

WindowMenuBar::WindowMenuBar(const MenuBar& bar, QWidget* parent) : QMenuBar(parent) {
  for (int i = 0; i < bar.Count(); ++i) AddTitle(*bar.Item(i)->Action(), *bar.Item(i)->Menu());
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
