#include "support/window_input.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <QWindow>

#include "framework/fw_rectcontrol.h"
#include "framework/fw_window.h"

namespace kavro::testing {
namespace {

QWindow* WindowOf(fw::Window& window) {
  QWidget* top = window.TopLevelWidget();
  if (top->windowHandle() == nullptr) top->winId();
  return top->windowHandle();
}

QAction* ActionNamed(QWidget* owner, const std::string& text) {
  for (QAction* action : owner->actions()) {
    QString shown = action->text();
    shown.remove(QLatin1Char('&'));
    if (shown.toStdString() == text) return action;
  }
  ADD_FAILURE() << "no menu item \"" << text << "\"";
  return nullptr;
}

void ClickAt(QWidget* widget, QPoint point) {
  QWidget* top = widget->window();
  QTest::mouseClick(top->windowHandle(), Qt::LeftButton, Qt::NoModifier, widget->mapTo(top, point));
}

}  // namespace

void Activate(fw::Window& window) {
  QWidget* top = window.TopLevelWidget();
  top->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(top)) << window.Title() << " did not become active";
}

std::string FocusedControl(fw::Window& window) {
  QWidget* focus = window.TopLevelWidget()->focusWidget();
  for (int i = 0; i < window.ControlCount(); ++i)
    if (window.Control(i)->Widget() == focus) return window.Control(i)->Name();
  return "";
}

void PressKey(fw::Window& window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(WindowOf(window), key, modifiers);
}

void TypeKeys(fw::Window& window, const std::string& text) {
  // A key may close the window (a space presses the focused button), and
  // the toolkit may destroy it before the next key.
  QPointer<QWindow> target = WindowOf(window);
  for (char c : text) {
    if (target == nullptr) return;
    QTest::keyClick(target, c);
  }
}

void ClickThroughWindow(fw::RectControl& control) {
  QWidget* widget = control.Widget();
  ClickAt(widget, widget->rect().center());
}

void ChooseFromMenuBar(fw::Window& window, const std::string& menu, const std::string& item) {
  auto* top = qobject_cast<QMainWindow*>(window.TopLevelWidget());
  auto* bar = top ? qobject_cast<QMenuBar*>(top->menuWidget()) : nullptr;
  ASSERT_NE(bar, nullptr) << window.Title() << " shows no menu bar";
  QAction* title = ActionNamed(bar, menu);
  ASSERT_NE(title, nullptr);
  ClickAt(bar, bar->actionGeometry(title).center());
  QMenu* popup = title->menu();
  ASSERT_NE(popup, nullptr);
  ASSERT_TRUE(QTest::qWaitFor([popup] { return popup->isVisible(); })) << "the " << menu << " menu did not open";
  QAction* chosen = ActionNamed(popup, item);
  ASSERT_NE(chosen, nullptr);
  ClickAt(popup, popup->actionGeometry(chosen).center());
}

void RequestClose(fw::Window& window) {
  // What Qt's window system layer sends a window on WM_DELETE_WINDOW.
  QCloseEvent request;
  QCoreApplication::sendEvent(WindowOf(window), &request);
}

}  // namespace kavro::testing
