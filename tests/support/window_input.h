#pragma once
// Input as the window system delivers it: keys and clicks go to a top-level
// window (QWindow), which hands a key to its focus widget and a click to the
// widget under the pointer, and which drops both while a modal window blocks
// it; a close request is the window manager's (the close box, Alt+F4).
// QTest's QWidget overloads skip that path: they reach a widget even when
// its window could not take the input.
#include <string>

#include <Qt>

namespace fw {
class RectControl;
class Window;
}  // namespace fw

namespace kavro::testing {

// Makes the window the active one, as a click on its title bar does.
void Activate(fw::Window& window);
// The control that has the keyboard focus in the window; "" when none.
std::string FocusedControl(fw::Window& window);

// A key pressed and released while the window is active.
void PressKey(fw::Window& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// ASCII text typed while the window is active, one key per character.
void TypeKeys(fw::Window& window, const std::string& text);
// A left click in the middle of the control, through its window.
void ClickThroughWindow(fw::RectControl& control);
// Clicks the menu's title in the window's menu bar, then the item.
void ChooseFromMenuBar(fw::Window& window, const std::string& menu, const std::string& item);
// The window manager's request to close the window (WM_DELETE_WINDOW).
void RequestClose(fw::Window& window);

}  // namespace kavro::testing
