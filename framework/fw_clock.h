#pragma once
#include <cstdint>

namespace fw {

// Sixtieths of a second since the process started, on a steady clock. The
// count wraps around after about a year; compare two readings by their
// signed difference.
int32_t Ticks();

// The user's double-click interval, in ticks (rounded up).
int32_t DoubleClickTicks();

namespace testing {
// From now on Ticks() answers value until it is set or advanced again.
void SetTicks(int32_t value);
// Moves the set ticks on; starts from the real ticks when none were set.
void AdvanceTicks(int32_t delta);
void SetDoubleClickTicks(int32_t value);
// Back to the real ticks and the user's double-click interval.
void UseRealClock();
}  // namespace testing

}  // namespace fw
