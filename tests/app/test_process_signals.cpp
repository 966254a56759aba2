// Signals from outside the program: the end of the desktop session (SIGTERM),
// of the terminal (SIGHUP) and Ctrl+C (SIGINT) close it as Quit does, so the
// store is saved as at any quit; a file-size limit makes the save fail with
// its reason instead of ending the process (SIGXFSZ).
//
// Each case runs the whole program, from its start-up to the end of its
// event loop, in a forked child: the signal's default would end it, and so
// would the file-size limit.
#include <signal.h>
#include <sys/resource.h>

#include <QTimer>
#include <QWidget>
#include <cstring>
#include <functional>
#include <string>

#include "app/startup.h"
#include "framework/fw_dialogs.h"
#include "framework/fw_listbox.h"
#include "mainwindow/window1.h"
#include "support/child_process.h"
#include "support/program_fixture.h"

namespace {

using kavro::testing::ChildOutcome;
using kavro::testing::ProgramTest;

// A store of an earlier run; the master password is "7294".
const std::string kPrefs = "30\t40\t700\t500\r250\rname\tno\tyes\rNzI5NA==\r";
const std::string kData = "Bank\tYWxpY2U=\tczNjcmV0\thttps://bank.example\t\r";

class ProcessSignalTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    WriteBytes(PrefsFile(), kPrefs);
    WriteBytes(DataFile(), kData);
  }

  // Runs the program as its main function does, in a child; whileRunning
  // runs once the event loop has started. The report holds the messages shown.
  ChildOutcome RunProgram(const std::function<void()>& before, const std::function<void()>& whileRunning) {
    return kavro::testing::RunInChild([&](std::string& report) {
      before();
      int argc = 1;
      char name[] = "kavro2";
      char* argv[] = {name, nullptr};
      QTimer::singleShot(0, whileRunning);
      int status = ::Main(argc, argv);
      for (const auto& m : dialogs.messages) report += "message: " + m.text + "\n";
      return status;
    });
  }

  // The password given, a row added: the change reaches the disk only at close.
  void UnlockAndAdd(const std::string& description) {
    Unlock("7294");
    Main().ListBox1->AddRow(description);
  }
};

TEST_F(ProcessSignalTest, TheSessionsEndSavesTheStoreAsQuitDoes) {
  for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
    SCOPED_TRACE(strsignal(signal));
    WriteBytes(DataFile(), kData);
    ChildOutcome run = RunProgram([] {}, [&] {
      UnlockAndAdd("Added in this run");
      raise(signal);
    });

    ASSERT_TRUE(run.exited) << run.Describe();
    EXPECT_EQ(run.status, 0) << run.Describe();
    EXPECT_EQ(run.report, "");
    EXPECT_EQ(ReadBytes(DataFile()), kData + "Added in this run\t\t\t\t\r");
    EXPECT_EQ(PrefsLines().at(2), "name\tno\tyes");
  }
}

TEST_F(ProcessSignalTest, TheSessionsEndBeforeThePasswordWritesNothing) {
  ChildOutcome run = RunProgram([] {}, [] { raise(SIGTERM); });

  ASSERT_TRUE(run.exited) << run.Describe();
  EXPECT_EQ(run.status, 0) << run.Describe();
  EXPECT_EQ(ReadBytes(PrefsFile()), kPrefs);
  EXPECT_EQ(ReadBytes(DataFile()), kData);
}

TEST_F(ProcessSignalTest, AFileSizeLimitGivesTheFailedSaveQuestion) {
  dialogs.answers = {fw::AnswerNo};  // quit without saving
  ChildOutcome run = RunProgram(
      [] {
        // As a shell's ulimit -f leaves it; no core of the test process if the
        // limit ends the child.
        signal(SIGXFSZ, SIG_DFL);
        rlimit core{0, 0};
        setrlimit(RLIMIT_CORE, &core);
        rlimit size{};
        getrlimit(RLIMIT_FSIZE, &size);
        size.rlim_cur = 100;
        setrlimit(RLIMIT_FSIZE, &size);
      },
      [&] {
        UnlockAndAdd(std::string(200, 'x'));
        Main().TopLevelWidget()->close();
      });

  ASSERT_TRUE(run.exited) << run.Describe();
  EXPECT_EQ(run.status, 1) << run.Describe();
  const std::string saving = "message: Kavro cannot save the file \"" + DataFile().string() + "\": File too large.";
  EXPECT_EQ(run.report.rfind(saving, 0), 0u) << run.Describe();
  EXPECT_NE(run.report.find("Do you want to stay in Kavro?"), std::string::npos) << run.Describe();
  EXPECT_EQ(ReadBytes(PrefsFile()), kPrefs);
  EXPECT_EQ(ReadBytes(DataFile()), kData);
}

}  // namespace
