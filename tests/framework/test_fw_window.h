#pragma once
// A window whose build steps and events are set by the test, for the framework's
// own suites. Each Tag is its own window class, so its own shared instance.
#include <QApplication>
#include <QTest>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "framework/fw_shared.h"
#include "framework/fw_window.h"

namespace fwtest {

struct WindowHooks {
  std::function<void(fw::Window&)> layout;
  std::function<void(fw::Window&)> createControls;
  std::function<void(fw::Window&)> open;
  std::function<void(fw::Window&)> close;
  std::function<bool(fw::Window&, bool)> cancelClose;
  std::function<void(fw::Window&)> moved;
  std::function<void(fw::Window&)> resized;
  std::function<bool(fw::Window&, const std::string&)> keyDown;
};

template <int Tag>
class HookWindow : public fw::Window {
 public:
  HookWindow() { ++built; }
  ~HookWindow() override { ++destroyed; }

  static inline WindowHooks hooks;
  static inline int built = 0;
  static inline int destroyed = 0;
  static void Reset() {
    hooks = {};
    built = 0;
    destroyed = 0;
  }

 protected:
  void Layout() override {
    if (hooks.layout) hooks.layout(*this);
  }
  void CreateControls() override {
    if (hooks.createControls) hooks.createControls(*this);
  }
  void Event_Open() override {
    if (hooks.open) hooks.open(*this);
  }
  void Event_Close() override {
    if (hooks.close) hooks.close(*this);
  }
  bool Event_CancelClose(bool appQuitting) override {
    return hooks.cancelClose ? hooks.cancelClose(*this, appQuitting) : false;
  }
  void Event_Moved() override {
    if (hooks.moved) hooks.moved(*this);
  }
  void Event_Resized() override {
    if (hooks.resized) hooks.resized(*this);
  }
  bool Event_KeyDown(const std::string& key) override {
    return hooks.keyDown ? hooks.keyDown(*this, key) : false;
  }
};

// Opens the shared instance and makes it the active window, so that it takes
// the keyboard focus.
template <class W>
W& OpenActive() {
  W& w = fw::Shared<W>();
  QWidget* top = w.TopLevelWidget();
  top->activateWindow();
  [[maybe_unused]] bool active = QTest::qWaitForWindowActive(top);
  return w;
}

}  // namespace fwtest
