#include "framework/fw_screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace fw {

std::vector<ScreenArea> AvailableScreenAreas() {
  std::vector<ScreenArea> areas;
  QScreen* primary = QGuiApplication::primaryScreen();
  auto add = [&](QScreen* screen) {
    QRect r = screen->availableGeometry();
    areas.push_back({r.x(), r.y(), r.width(), r.height()});
  };
  if (primary != nullptr) add(primary);
  for (QScreen* screen : QGuiApplication::screens())
    if (screen != primary) add(screen);
  return areas;
}

}  // namespace fw
