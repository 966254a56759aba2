#pragma once
// The program after its start-up step, for suites that open its windows
// themselves rather than through the password prompt. Tear-down runs the
// program's end step.
#include "support/kavro_test.h"

namespace kavro::testing {

class StartedTest : public KavroTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Ends this run as the program does and starts the next one.
  static void NextRun();
};

}  // namespace kavro::testing
