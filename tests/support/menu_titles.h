#pragma once
// The menus as a window's bar shows them: each bar holds the shared menus under
// titles of its own.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPoint>

namespace kavro::testing {

// The title under which the bar shows the menu; null when it does not show it.
inline QAction* TitleOf(const QMenuBar& bar, const QMenu& menu) {
  for (QAction* title : bar.actions())
    if (title->menu() == &menu) return title;
  return nullptr;
}

// Where a click or the pointer reaches the menu's title in the bar.
inline QPoint TitleCenter(const QMenuBar& bar, const QMenu& menu) {
  QAction* title = TitleOf(bar, menu);
  return title ? bar.actionGeometry(title).center() : QPoint(-1, -1);
}

}  // namespace kavro::testing
