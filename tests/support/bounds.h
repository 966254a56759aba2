#pragma once
// A control's bounds in window coordinates: as the program set them and as the
// toolkit really shows the control.
#include <QPoint>
#include <QWidget>
#include <ostream>

#include "framework/fw_rectcontrol.h"
#include "framework/fw_window.h"

namespace kavro::testing {

struct Bounds {
  int left, top, width, height;
  bool operator==(const Bounds&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Bounds& b) {
  return os << "(" << b.left << ", " << b.top << ", " << b.width << " x " << b.height << ")";
}

inline Bounds BoundsOf(const fw::RectControl& c) { return {c.Left(), c.Top(), c.Width(), c.Height()}; }

// Where the toolkit shows the control, in the window's coordinates.
inline Bounds ShownAt(const fw::RectControl& c) {
  QPoint p = c.Widget()->mapTo(c.TrueWindow().ContentWidget(), QPoint(0, 0));
  return {p.x(), p.y(), c.Widget()->width(), c.Widget()->height()};
}

}  // namespace kavro::testing
