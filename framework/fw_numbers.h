#pragma once
#include <cstdint>

namespace fw {

// The one conversion from a Double to a 32-bit integer: truncates toward
// zero, gives 0 for NaN and the nearest limit for values out of range.
int32_t ToInt32(double value);

double Min(double a, double b);
double Max(double a, double b);

}  // namespace fw
