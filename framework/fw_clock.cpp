#include "framework/fw_clock.h"

#include <QApplication>
#include <chrono>
#include <optional>

namespace fw {
namespace {

const auto processStart = std::chrono::steady_clock::now();

std::optional<int32_t> setTicks;
std::optional<int32_t> setDoubleClickTicks;

int32_t RealTicks() {
  auto elapsed = std::chrono::steady_clock::now() - processStart;
  auto ticks = std::chrono::duration_cast<std::chrono::duration<int64_t, std::ratio<1, 60>>>(elapsed);
  return static_cast<int32_t>(ticks.count());
}

}  // namespace

int32_t Ticks() { return setTicks ? *setTicks : RealTicks(); }

int32_t DoubleClickTicks() {
  if (setDoubleClickTicks) return *setDoubleClickTicks;
  int milliseconds = QApplication::doubleClickInterval();
  return static_cast<int32_t>((milliseconds * 60 + 999) / 1000);
}

namespace testing {

void SetTicks(int32_t value) { setTicks = value; }

void AdvanceTicks(int32_t delta) { setTicks = static_cast<int32_t>(static_cast<int64_t>(Ticks()) + delta); }

void SetDoubleClickTicks(int32_t value) { setDoubleClickTicks = value; }

void UseRealClock() {
  setTicks.reset();
  setDoubleClickTicks.reset();
}

}  // namespace testing
}  // namespace fw
