// The password prompt among the other windows, with input as the window system
// delivers it: a window manager's close request (Alt+F4) leaves the prompt,
// which has no close box, open and the run going.
#include <QApplication>
#include <QTest>
#include <QWidget>
#include <string>

#include "app/app.h"
#include "dialogs/pswdwin1.h"
#include "framework/fw_application.h"
#include "framework/fw_shared.h"
#include "mainwindow/window1.h"
#include "support/program_fixture.h"
#include "support/window_input.h"

namespace {

using namespace kavro::testing;

class PromptTest : public ProgramTest {
 protected:
  // A first run: the welcome message, then the prompt, active.
  void SetUp() override {
    ProgramTest::SetUp();
    StartProgram();
    ASSERT_TRUE(PromptIsOpen());
    Activate(Prompt());
  }

  // The password typed into whichever window has the keyboard, then Return.
  void TypePasswordAndReturn(const std::string& password) {
    QWindow* focus = QGuiApplication::focusWindow();
    ASSERT_NE(focus, nullptr) << "no window has the keyboard";
    ASSERT_EQ(focus, Prompt().TopLevelWidget()->windowHandle()) << "the keyboard is not in the prompt";
    TypeKeys(Prompt(), password);
    PressKey(Prompt(), Qt::Key_Return);
    ProcessEvents();
  }
};

struct CloseRequestCase {
  const char* name;
  bool fromLockButton;  // else the prompt of the start
};

void PrintTo(const CloseRequestCase& c, std::ostream* os) { *os << c.name; }

class CloseRequestTest : public PromptTest, public ::testing::WithParamInterface<CloseRequestCase> {};

TEST_P(CloseRequestTest, AWindowManagersCloseRequestLeavesThePromptOpen) {
  if (GetParam().fromLockButton) {
    TypePasswordAndReturn("7294");
    ASSERT_FALSE(Main().IsLocked());
    Click(*Main().lockBtn);
    ASSERT_TRUE(PromptIsOpen());
    Activate(Prompt());
  }
  QWidget* prompt = Prompt().TopLevelWidget();
  RequestClose(Prompt());
  ProcessEvents();

  ASSERT_TRUE(PromptIsOpen());
  EXPECT_TRUE(prompt->isVisible());
  EXPECT_FALSE(fw::QuitInProgress() || fw::HasQuit());
  // OK still decides.
  TypePasswordAndReturn("7294");
  EXPECT_FALSE(PromptIsOpen());
  EXPECT_EQ(Main().IsLocked(), GetParam().fromLockButton);
}

INSTANTIATE_TEST_SUITE_P(Prompts, CloseRequestTest,
                         ::testing::Values(CloseRequestCase{"AtStart", false}, CloseRequestCase{"FromLockButton", true}),
                         [](const ::testing::TestParamInfo<CloseRequestCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
