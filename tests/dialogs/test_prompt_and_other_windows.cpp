// The password prompt among the other windows, with input as the window system
// delivers it: the windows that its File menu opens before the first unlock
// open over it, take typing and clicks, close, and give the keyboard back to
// the prompt; a window manager's close request (Alt+F4) leaves the prompt,
// which has no close box, open and the run going.
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <functional>
#include <string>

#include "app/app.h"
#include "dialogs/aboutwin.h"
#include "dialogs/prefswin.h"
#include "dialogs/pswdwin1.h"
#include "dialogs/pswdwin2.h"
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

  // Once the prompt has the keyboard: the password typed into it, then Return.
  void TypePasswordAndReturn(const std::string& password) {
    QWindow* prompt = Prompt().TopLevelWidget()->windowHandle();
    ASSERT_TRUE(QTest::qWaitFor([prompt] { return QGuiApplication::focusWindow() == prompt; }))
        << "the keyboard is not in the prompt";
    TypeKeys(Prompt(), password);
    PressKey(Prompt(), Qt::Key_Return);
    ProcessEvents();
  }
};

struct FromPromptCase {
  const char* name;
  const char* item;  // in the prompt's File menu
  std::function<fw::Window&()> window;
  // Uses the window as a user would and closes it.
  std::function<void(fw::Window&)> useAndClose;
  std::function<void(const App&)> check;
  std::string password;  // the password in force afterwards
};

void PrintTo(const FromPromptCase& c, std::ostream* os) { *os << c.name; }

const FromPromptCase kFromPrompt[] = {
    {"ChangePassword", "Change password...", []() -> fw::Window& { return fw::Shared<pswdWin2>(); },
     [](fw::Window& w) {
       TypeKeys(w, "7294");
       PressKey(w, Qt::Key_Tab);
       TypeKeys(w, "n3w");
       PressKey(w, Qt::Key_Tab);
       TypeKeys(w, "n3w");
       PressKey(w, Qt::Key_Return);
     },
     [](const App& app) { EXPECT_EQ(app.pswd, "n3w"); }, "n3w"},
    {"PreferencesOk", "Preferences...", []() -> fw::Window& { return fw::Shared<prefsWin>(); },
     [](fw::Window& w) {
       auto& prefs = static_cast<prefsWin&>(w);
       ClickThroughWindow(*prefs.Checkbox1);
       ClickThroughWindow(*prefs.RadioButton2);
       ClickThroughWindow(*prefs.PushButton1);
     },
     [](const App& app) {
       EXPECT_EQ(app.clearPswd, "no");
       EXPECT_EQ(app.whatToCopy, "name");
     },
     "7294"},
    {"PreferencesCloseBox", "Preferences...", []() -> fw::Window& { return fw::Shared<prefsWin>(); },
     [](fw::Window& w) {
       ClickThroughWindow(*static_cast<prefsWin&>(w).Checkbox1);
       RequestClose(w);
     },
     [](const App& app) { EXPECT_EQ(app.clearPswd, "yes"); }, "7294"},
    {"AboutKey", "About Kavro", []() -> fw::Window& { return fw::Shared<aboutWin>(); },
     [](fw::Window& w) { PressKey(w, Qt::Key_X); }, [](const App&) {}, "7294"},
    {"AboutCloseBox", "About Kavro", []() -> fw::Window& { return fw::Shared<aboutWin>(); },
     [](fw::Window& w) { RequestClose(w); }, [](const App&) {}, "7294"},
};

class FromPromptTest : public PromptTest, public ::testing::WithParamInterface<FromPromptCase> {};

TEST_P(FromPromptTest, TheWindowOpensOverThePromptTakesInputAndClosesBackToIt) {
  const FromPromptCase& c = GetParam();
  ChooseFromMenuBar(Prompt(), "File", c.item);
  fw::Window& w = c.window();
  // Destroyed once the window has closed.
  QPointer<QWidget> top = w.TopLevelWidget();
  ASSERT_TRUE(QTest::qWaitForWindowActive(top)) << "the window does not take the keyboard";

  // Placement 0: centred over the window it was opened from.
  QPoint over = Prompt().TopLevelWidget()->frameGeometry().center();
  QPoint centre = top->frameGeometry().center();
  EXPECT_LE((centre - over).manhattanLength(), 2) << "centred at " << centre.x() << "," << centre.y()
                                                   << ", the prompt at " << over.x() << "," << over.y();

  c.useAndClose(w);
  ProcessEvents();
  EXPECT_TRUE(top.isNull() || !top->isVisible());
  EXPECT_FALSE(fw::SharedExists<pswdWin2>() || fw::SharedExists<prefsWin>() || fw::SharedExists<aboutWin>());
  c.check(Application());
  EXPECT_EQ(dialogs.messages.size(), 1u) << "only the welcome message";

  // The prompt has the keyboard again and takes the password in force.
  ASSERT_TRUE(PromptIsOpen());
  TypePasswordAndReturn(c.password);
  EXPECT_FALSE(PromptIsOpen());
  EXPECT_FALSE(Main().IsLocked());
}

INSTANTIATE_TEST_SUITE_P(
    FileMenu, FromPromptTest, ::testing::ValuesIn(kFromPrompt),
    [](const ::testing::TestParamInfo<FromPromptCase>& info) { return std::string(info.param.name); });

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
