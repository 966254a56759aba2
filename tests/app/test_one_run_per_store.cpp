// One run per store: each run writes its own list at close, so two runs on
// the same files would undo each other's changes. A start while another run
// holds the store says so and ends, touching nothing; a run that died (a
// crash, a kill) leaves no lock that would keep the next one out.
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <string>

#include "app/startup.h"
#include "framework/fw_application.h"
#include "support/child_process.h"
#include "support/program_fixture.h"

namespace {

namespace fs = std::filesystem;
using kavro::testing::BackgroundChild;
using kavro::testing::ChildOutcome;

const std::string kPrefs = "30\t40\t700\t500\r250\rname\tno\tyes\rczNjcmV0\r";  // master password s3cret
const std::string kData = "Bank\tYWxpY2U=\tczNjcmV0\thttps://bank.example\t\r";

class OneRunPerStoreTest : public kavro::testing::ProgramTest {
 protected:
  void WriteStore() {
    WriteBytes(PrefsFile(), kPrefs);
    WriteBytes(DataFile(), kData);
  }

  // The whole start as the process runs it, from Main to its exit status,
  // in a child. A run that goes on to its event loop notes it and quits.
  ChildOutcome SecondStart() {
    return kavro::testing::RunInChild(
        [&](std::string& report) {
          QTimer::singleShot(0, [&] {
            if (fw::HasQuit()) return;  // delivered on the way out, not by a running loop
            report += PromptIsOpen() ? "event loop, prompt open\n" : "event loop\n";
            fw::Quit();
          });
          int argc = 1;
          char name[] = "kavro2";
          char* argv[] = {name, nullptr};
          const int status = ::Main(argc, argv);
          for (const auto& m : dialogs.messages)
            report += "message (buttons " + std::to_string(m.buttons) + "): " + m.text + "\n";
          return status;
        },
        std::chrono::seconds(20));
  }

  void ExpectStoreUntouched() {
    EXPECT_EQ(ReadBytes(PrefsFile()), kPrefs);
    EXPECT_EQ(ReadBytes(DataFile()), kData);
    // Nothing of the lock beside the store.
    EXPECT_EQ(std::distance(fs::directory_iterator(PreferencesDir()), fs::directory_iterator()), 2);
  }
};

TEST_F(OneRunPerStoreTest, ASecondStartSaysKavroIsRunningAndEndsWithoutTouchingTheFiles) {
  WriteStore();
  // The first run, unlocked: its close would save whatever the list holds.
  BackgroundChild first([&] {
    StartProgram();
    Unlock("s3cret");
  });
  ASSERT_TRUE(first.Ready());

  ChildOutcome second = SecondStart();

  ASSERT_TRUE(second.exited) << second.Describe();
  EXPECT_EQ(second.status, 0);
  EXPECT_EQ(second.report, "message (buttons 0): Kavro is already running.\n");
  ExpectStoreUntouched();
}

TEST_F(OneRunPerStoreTest, ARunThatWasKilledDoesNotKeepTheNextOneOut) {
  WriteStore();
  BackgroundChild first([&] { StartProgram(); });
  ASSERT_TRUE(first.Ready());
  first.Kill();
  // What the killed run left behind.
  ASSERT_FALSE(fs::is_empty(RuntimeDir()));

  ChildOutcome next = SecondStart();

  ASSERT_TRUE(next.exited) << next.Describe();
  EXPECT_EQ(next.status, 0);
  EXPECT_EQ(next.report, "event loop, prompt open\n");
  ExpectStoreUntouched();
}

TEST_F(OneRunPerStoreTest, ARunThatEndedLetsTheNextOneIn) {
  WriteStore();
  ASSERT_TRUE(SecondStart().exited);
  ChildOutcome next = SecondStart();
  ASSERT_TRUE(next.exited) << next.Describe();
  EXPECT_EQ(next.report, "event loop, prompt open\n");
  // A lock ends with its run: none is left for the next to clear.
  EXPECT_TRUE(fs::is_empty(RuntimeDir()));
}

}  // namespace
