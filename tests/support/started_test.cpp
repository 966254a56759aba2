#include "support/started_test.h"

#include "app/startup.h"
#include "framework/fw_testing.h"

namespace kavro::testing {

void StartedTest::SetUp() {
  KavroTest::SetUp();
  Startup();
}

void StartedTest::TearDown() {
  KavroTest::TearDown();
  ReleaseModuleObjects();
}

void StartedTest::NextRun() {
  fw::testing::ResetFramework();
  ReleaseModuleObjects();
  Startup();
}

}  // namespace kavro::testing
