#pragma once
#include <vector>

namespace fw {

// A rectangle of the desktop in screen coordinates.
struct ScreenArea {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// The part of each screen that windows may use (panels and docks left out),
// the main screen first; empty when there is no screen.
std::vector<ScreenArea> AvailableScreenAreas();

}  // namespace fw
