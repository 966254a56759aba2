// Errors that escape the program's code: at start-up, before any window is
// shown, they end the run with a failure status once reported (an event loop
// with no window would wait for ever); afterwards they are reported and the
// run goes on. A missing menu item or control looked up by name is such an
// error, never a crash.
#include <QTest>
#include <QTimer>
#include <memory>
#include <stdexcept>
#include <string>

#include "app/menubar1.h"
#include "framework/fw_application.h"
#include "framework/fw_buttons.h"
#include "framework/fw_dispatch.h"
#include "framework/fw_shared.h"
#include "support/child_process.h"
#include "support/kavro_test.h"
#include "framework/test_fw_window.h"

namespace {

using kavro::testing::ChildOutcome;
using kavro::testing::KavroTest;
using Win = fwtest::HookWindow<1>;

// What a run did, for the child's report.
std::string runLog;

// An application object whose Open runs the case's step, and that notes its
// Close: a run ended by a start-up error raises no Close, so that nothing
// half-loaded is saved.
class StepApp : public fw::Application {
 public:
  explicit StepApp(std::function<void()> open) : open_(std::move(open)) {}

 protected:
  void Event_Open() override { open_(); }
  void Event_Close() override { runLog += "app Close\n"; }

 private:
  std::function<void()> open_;
};

void ShowAWindow() {
  fw::Shared<Win>();
  runLog += "window shown\n";
}

// Ends the event loop from within it, as a user's Quit would.
void QuitOnceRunning() {
  QTimer::singleShot(0, [] {
    runLog += "event loop ran\n";
    fw::Quit();
  });
}

struct StartupCase {
  const char* name;
  std::function<void()> startup;  // the program's start-up step
  std::string report;             // what the unhandled-error report names
  bool ends;                      // ended by the error, with the failure status
  std::string log;                // what the run did
};

void PrintTo(const StartupCase& c, std::ostream* os) { *os << c.name; }

std::function<void()> WithApp(std::function<void()> open) {
  return [open] { fw::RegisterAppObject(std::make_unique<StepApp>(open)); };
}

class StartupFailureTest : public KavroTest, public ::testing::WithParamInterface<StartupCase> {
 protected:
  void TearDown() override {
    KavroTest::TearDown();
    Win::Reset();
  }
};

TEST_P(StartupFailureTest, AnErrorBeforeAnyWindowEndsTheRunOnceReported) {
  const StartupCase& c = GetParam();
  ChildOutcome run = kavro::testing::RunInChild([&](std::string& report) {
    int argc = 1;
    char name[] = "kavro2";
    char* argv[] = {name, nullptr};
    int status = fw::Run(argc, argv, c.startup, [] { runLog += "released\n"; });
    for (const auto& m : dialogs.messages) report += "message: " + m.text + "\n";
    report += runLog;
    return status;
  });

  ASSERT_TRUE(run.exited) << run.Describe();
  EXPECT_EQ(run.status, c.ends ? fw::kStartupFailedStatus : 0) << run.Describe();
  const std::string report = "message: An error occurred that the program did not handle:\r" + c.report + "\n";
  EXPECT_EQ(run.report, report + c.log + "released\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartupFailureTest,
    ::testing::Values(
        StartupCase{"StartupThrows", [] { throw std::runtime_error("no file types"); }, "no file types", true, ""},
        StartupCase{"StartupThrowsANonStandardError", [] { throw 42; }, "unknown error", true, ""},
        StartupCase{"StartupThrowsAfterMakingTheApplication",
                    [] {
                      WithApp([] { runLog += "app Open\n"; })();
                      throw fw::NilObjectException("no menu bar");
                    },
                    "no menu bar", true, ""},
        StartupCase{"OpenThrowsBeforeAnyWindow", WithApp([] { throw std::runtime_error("cannot read"); }),
                    "cannot read", true, ""},
        StartupCase{"OpenThrowsWithAHiddenWindowBuilt",
                    WithApp([] {
                      Win::hooks.layout = [](fw::Window& w) { w.Visible(false); };
                      Win::hooks.close = [](fw::Window&) { runLog += "window Close\n"; };
                      fw::Shared<Win>();
                      throw std::runtime_error("half loaded");
                    }),
                    "half loaded", true, ""},
        // A window on screen: the user can go on, so the run does.
        StartupCase{"OpenThrowsAfterShowingAWindow",
                    WithApp([] {
                      ShowAWindow();
                      QuitOnceRunning();
                      throw std::runtime_error("late");
                    }),
                    "late", false, "window shown\nevent loop ran\napp Close\n"}),
    [](const ::testing::TestParamInfo<StartupCase>& info) { return std::string(info.param.name); });

// --- Missing names ---------------------------------------------------------------

struct MissingNameCase {
  const char* name;
  std::function<void()> lookUp;
  std::string missing;  // what the report must name
};

void PrintTo(const MissingNameCase& c, std::ostream* os) { *os << c.name; }

class MissingNameTest : public KavroTest, public ::testing::WithParamInterface<MissingNameCase> {
 protected:
  void TearDown() override {
    KavroTest::TearDown();
    Win::Reset();
  }
};

// The lookup runs in a button's Action, as a handler would make it: each
// click reports the name, and the window goes on taking clicks.
TEST_P(MissingNameTest, IsReportedAndTheRunGoesOn) {
  const MissingNameCase& c = GetParam();
  int clicks = 0;
  Win::hooks.createControls = [&](fw::Window& w) {
    auto& button = w.AddControl<fw::PushButton>("go");
    button.SetBounds(10, 10, 80, 24);
    button.Action = [&] {
      ++clicks;
      c.lookUp();
    };
  };
  Win& w = fw::Shared<Win>();
  QWidget* button = w.ControlNamed<fw::PushButton>("go").Widget();

  QTest::mouseClick(button, Qt::LeftButton);
  QTest::mouseClick(button, Qt::LeftButton);

  EXPECT_EQ(clicks, 2);
  ASSERT_EQ(dialogs.messages.size(), 2u);
  for (const auto& m : dialogs.messages) EXPECT_NE(m.text.find(c.missing), std::string::npos) << m.text;
  EXPECT_TRUE(w.IsShown());
  EXPECT_FALSE(fw::HasQuit());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MissingNameTest,
    ::testing::Values(
        MissingNameCase{"MenuOfTheBar", [] { fw::Shared<MenuBar1>().Child("ViewMenu")->Enabled(false); },
                        "no menu item named ViewMenu"},
        MissingNameCase{"ItemOfAMenu",
                        [] { fw::Shared<MenuBar1>().Child("FileMenu")->Child("FileSave")->Enabled(false); },
                        "no menu item named FileSave in FileMenu"},
        MissingNameCase{"ItemPastTheEnd", [] { fw::Shared<MenuBar1>().Item(2)->Enabled(false); },
                        "out of bounds"},
        MissingNameCase{"ControlOfAWindow",
                        [] { fw::Shared<Win>().ControlNamed<fw::PushButton>("saveBtn").Caption("Save"); },
                        "no control named saveBtn"}),
    [](const ::testing::TestParamInfo<MissingNameCase>& info) { return std::string(info.param.name); });

}  // namespace
