#include "framework/fw_numbers.h"

#include <cmath>
#include <limits>

namespace fw {

int32_t ToInt32(double value) {
  // A plain cast is undefined behaviour for NaN and out-of-range values.
  if (std::isnan(value)) return 0;
  if (value >= 2147483648.0) return std::numeric_limits<int32_t>::max();
  if (value <= -2147483649.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

double Min(double a, double b) { return b < a ? b : a; }

double Max(double a, double b) { return b > a ? b : a; }

}  // namespace fw
