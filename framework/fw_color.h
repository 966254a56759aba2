#pragma once
#include <cstdint>

namespace fw {

struct Color {
  uint8_t Red = 0, Green = 0, Blue = 0;
  bool operator==(const Color&) const = default;
};

inline Color RGB(int r, int g, int b) {
  return Color{static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)};
}

}  // namespace fw
