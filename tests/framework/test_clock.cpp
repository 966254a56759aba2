// Ticks run at 60 per second unless a test sets them; the double-click
// interval follows the toolkit's setting in ticks, rounded up.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStyleHints>
#include <QTest>
#include <chrono>

#include "framework/fw_clock.h"

namespace {

class Clock : public ::testing::Test {
 protected:
  void TearDown() override {
    fw::testing::UseRealClock();
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(-1);
  }
};

TEST_F(Clock, RealTicksAdvanceAtSixtyPerSecond) {
  auto start = std::chrono::steady_clock::now();
  int32_t before = fw::Ticks();
  QTest::qSleep(250);
  int32_t elapsed = fw::Ticks() - before;
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_GE(elapsed, 14);
  EXPECT_NEAR(elapsed, seconds * 60, 1.5);
}

TEST_F(Clock, SetTicksHoldUntilChanged) {
  fw::testing::SetTicks(1000);
  QTest::qSleep(50);
  EXPECT_EQ(fw::Ticks(), 1000);
  fw::testing::AdvanceTicks(29);
  EXPECT_EQ(fw::Ticks(), 1029);
  fw::testing::SetTicks(5);
  EXPECT_EQ(fw::Ticks(), 5);
}

TEST_F(Clock, AdvancingTheRealClockStartsFromItsReading) {
  int32_t now = fw::Ticks();
  fw::testing::AdvanceTicks(600);
  EXPECT_GE(fw::Ticks(), now + 600);
  EXPECT_LE(fw::Ticks(), now + 602);
}

TEST_F(Clock, SetTicksWrapLikeSigned32BitCounts) {
  fw::testing::SetTicks(2147483647);
  fw::testing::AdvanceTicks(1);
  EXPECT_EQ(fw::Ticks(), -2147483647 - 1);
}

TEST_F(Clock, DoubleClickTicksRoundTheIntervalUp) {
  const std::pair<int, int32_t> cases[] = {{500, 30}, {400, 24}, {401, 25}, {1, 1}};
  for (const auto& [milliseconds, ticks] : cases) {
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(milliseconds);
    EXPECT_EQ(fw::DoubleClickTicks(), ticks) << milliseconds << " ms";
  }
}

TEST_F(Clock, SetDoubleClickTicksOverrideTheToolkitUntilTheRealClockReturns) {
  QGuiApplication::styleHints()->setMouseDoubleClickInterval(500);
  fw::testing::SetDoubleClickTicks(7);
  EXPECT_EQ(fw::DoubleClickTicks(), 7);
  fw::testing::UseRealClock();
  EXPECT_EQ(fw::DoubleClickTicks(), 30);
}

}  // namespace
