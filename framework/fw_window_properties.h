#pragma once
// A window's own properties as one value, so that each window states them as
// one row and one function sets them in one order.
#include "framework/fw_color.h"

namespace fw {

class Window;

struct WindowProperties {
  const char* title;
  int width, height;
  int minWidth, minHeight, maxWidth, maxHeight;
  int placement;  // see Window::Placement
  int frame;      // see Window::Frame
  bool hasBackColor;
  Color backColor;
  bool closeButton, resizeable, liveResize, maximizeButton, minimizeButton;
  bool visible, menuBarVisible;
};

// Sets the size before its limits: while a window is resizeable, a size
// outside the limits set so far is clamped to them.
void ApplyProperties(Window& window, const WindowProperties& properties);

}  // namespace fw
