#include <QAction>
#include <QApplication>
#include <QMenu>

#include "framework/fw_menu.h"
#include "framework/fw_window_menu_bar_p.h"

namespace fw {

WindowMenuBar::WindowMenuBar(const MenuBar& bar, QWidget* parent) : QMenuBar(parent) {
  for (int i = 0; i < bar.Count(); ++i) AddTitle(*bar.Item(i)->Action(), *bar.Item(i)->Menu());
  // Not the focus's previous owner as the bar takes it: moving from one open
  // menu to the next, the focus passes through no widget on its way to the bar.
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
