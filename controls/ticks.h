#pragma once
#include <cstdint>

// Ticks from earlier to later as a signed 32-bit difference that wraps with
// the counter instead of overflowing.
inline int32_t TicksBetween(int32_t earlier, int32_t later) {
  return static_cast<int32_t>(static_cast<uint32_t>(later) - static_cast<uint32_t>(earlier));
}
