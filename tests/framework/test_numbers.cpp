// One conversion from Double to a 32-bit integer serves every caller, so
// window bounds read from a damaged preferences file can never be undefined.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "framework/fw_numbers.h"

namespace {

TEST(Numbers, ToInt32TruncatesTowardZeroAndSaturates) {
  const double inf = std::numeric_limits<double>::infinity();
  const std::vector<std::pair<double, int32_t>> cases = {
      {0.0, 0},
      {2.9, 2},
      {-2.9, -2},
      {-0.5, 0},
      {2147483647.0, 2147483647},
      {2147483647.9, 2147483647},
      {2147483648.0, 2147483647},
      {1e300, 2147483647},
      {inf, 2147483647},
      {-2147483648.0, -2147483647 - 1},
      {-2147483648.9, -2147483647 - 1},
      {-2147483649.0, -2147483647 - 1},
      {-inf, -2147483647 - 1},
      {std::nan(""), 0},
  };
  for (const auto& [value, expected] : cases) EXPECT_EQ(fw::ToInt32(value), expected) << value;
}

TEST(Numbers, MinAndMax) {
  EXPECT_EQ(fw::Min(130, 40.5), 40.5);
  EXPECT_EQ(fw::Min(-1, 2), -1);
  EXPECT_EQ(fw::Max(130, 40.5), 130);
  EXPECT_EQ(fw::Max(-1, -2), -1);
}

}  // namespace
