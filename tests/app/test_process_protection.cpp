// The running program keeps its memory to itself: the master password and
// the entries are there in clear, so a crash must write no core file and no
// other process of the user may attach to read them.
#include <sys/prctl.h>
#include <sys/resource.h>

#include <QTimer>
#include <chrono>
#include <string>

#include "app/startup.h"
#include "framework/fw_application.h"
#include "support/child_process.h"
#include "support/kavro_test.h"

namespace {

class ProcessProtectionTest : public kavro::testing::KavroTest {};

// The start as the process runs it, in a child; once its event loop runs, the
// child reads how the system sees it.
TEST_F(ProcessProtectionTest, AStartedRunIsNotDumpableAndWritesNoCore) {
  kavro::testing::ChildOutcome run = kavro::testing::RunInChild(
      [&](std::string& report) {
        // A shell's "ulimit -c unlimited", so that the start has a limit to lower.
        rlimit allowed{RLIM_INFINITY, RLIM_INFINITY};
        if (setrlimit(RLIMIT_CORE, &allowed) != 0) {
          getrlimit(RLIMIT_CORE, &allowed);
          allowed.rlim_cur = allowed.rlim_max;
          setrlimit(RLIMIT_CORE, &allowed);
        }
        if (allowed.rlim_cur == 0) report += "no core limit above 0 to start from\n";
        QTimer::singleShot(0, [&] {
          rlimit core{};
          getrlimit(RLIMIT_CORE, &core);
          report += "dumpable " + std::to_string(prctl(PR_GET_DUMPABLE, 0, 0, 0, 0)) + ", core limit " +
                    std::to_string(core.rlim_cur) + "\n";
          fw::Quit();
        });
        int argc = 1;
        char name[] = "kavro2";
        char* argv[] = {name, nullptr};
        return Main(argc, argv);
      },
      std::chrono::seconds(20));
  ASSERT_TRUE(run.exited) << run.Describe();
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.report, "dumpable 0, core limit 0\n");
}

}  // namespace
