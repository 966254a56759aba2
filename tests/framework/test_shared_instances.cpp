// A shared window that is destroyed without closing (the framework's end)
// must not be handed out again.
#include "framework/fw_shared.h"
#include "framework/fw_testing.h"
#include "support/kavro_test.h"

namespace {

using kavro::testing::KavroTest;

class CountedWindow : public fw::Window {
 public:
  static inline int built = 0;
  int serial = ++built;
};

class SharedInstancesTest : public KavroTest {};

TEST_F(SharedInstancesTest, AWindowDestroyedWithoutClosingIsBuiltAfresh) {
  CountedWindow::built = 0;
  EXPECT_EQ(fw::Shared<CountedWindow>().serial, 1);
  EXPECT_EQ(fw::Shared<CountedWindow>().serial, 1);
  fw::testing::ResetFramework();
  EXPECT_FALSE(fw::SharedExists<CountedWindow>());
  EXPECT_EQ(fw::Shared<CountedWindow>().serial, 2);
}

}  // namespace
