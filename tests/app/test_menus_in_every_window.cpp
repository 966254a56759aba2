// The menu bar in every window of the program: each window shows it, and its
// shortcuts act from there (Quit, Preferences), not only from the main window.
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <functional>
#include <string>

#include "app/app.h"
#include "app/menubar1.h"
#include "dialogs/aboutwin.h"
#include "dialogs/prefswin.h"
#include "dialogs/pswdwin1.h"
#include "dialogs/pswdwin2.h"
#include "framework/fw_application.h"
#include "framework/fw_shared.h"
#include "mainwindow/window1.h"
#include "support/program_fixture.h"

namespace {

using kavro::testing::ProgramTest;

struct WindowCase {
  const char* name;
  // Brings the window up as the user does, from the unlocked main window.
  std::function<fw::Window&(App&, Window1&)> open;
};

void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.name; }

const WindowCase kWindows[] = {
    {"MainWindow", [](App&, Window1& w) -> fw::Window& { return w; }},
    {"LockPrompt",
     [](App&, Window1& w) -> fw::Window& {
       w.lockBtn_Action();
       return fw::Shared<pswdWin1>();
     }},
    {"ChangePassword",
     [](App& app, Window1&) -> fw::Window& {
       app.FileChangepassword_Action();
       return fw::Shared<pswdWin2>();
     }},
    {"About",
     [](App& app, Window1&) -> fw::Window& {
       app.FileAboutKavro_Action();
       return fw::Shared<aboutWin>();
     }},
    {"Preferences",
     [](App& app, Window1&) -> fw::Window& {
       app.FilePreferences_Action();
       return fw::Shared<prefsWin>();
     }},
};

class MenusInEveryWindowTest : public ProgramTest, public ::testing::WithParamInterface<WindowCase> {
 protected:
  // The window, shown and active, as the user leaves it to press a shortcut.
  fw::Window& Open() {
    StartProgram();
    Unlock("7294");
    fw::Window& window = GetParam().open(Application(), Main());
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.TopLevelWidget()));
    window.TopLevelWidget()->activateWindow();
    return window;
  }
  static void Press(fw::Window& window, Qt::Key key) {
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr || target->window() != window.TopLevelWidget()) target = window.TopLevelWidget();
    QTest::keyClick(target, key, Qt::ControlModifier);
    ProcessEvents();
  }
};

TEST_P(MenusInEveryWindowTest, ShowsTheMenuBar) {
  fw::Window& window = Open();
  auto* top = static_cast<QMainWindow*>(window.TopLevelWidget());
  auto* bar = qobject_cast<QMenuBar*>(top->menuWidget());
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->isVisible());
  ASSERT_EQ(bar->actions().size(), 2);
  EXPECT_EQ(bar->actions()[0]->text(), "&File");
  EXPECT_EQ(bar->actions()[1]->text(), "&Edit");
}

TEST_P(MenusInEveryWindowTest, CommandQQuitsAndSavesTheUnlockedStore) {
  fw::Window& window = Open();
  Press(window, Qt::Key_Q);

  EXPECT_TRUE(fw::HasQuit());
  EXPECT_FALSE(fw::SharedExists<Window1>());
  EXPECT_NE(ReadBytes(PrefsFile()).find("NzI5NA==\r"), std::string::npos) << "the store was not saved";
}

TEST_P(MenusInEveryWindowTest, CommandKOpensThePreferences) {
  fw::Window& window = Open();
  Press(window, Qt::Key_K);

  ASSERT_TRUE(fw::SharedExists<prefsWin>());
  EXPECT_TRUE(fw::Shared<prefsWin>().IsShown());
  EXPECT_FALSE(fw::HasQuit());
}

INSTANTIATE_TEST_SUITE_P(Windows, MenusInEveryWindowTest, ::testing::ValuesIn(kWindows),
                         [](const ::testing::TestParamInfo<WindowCase>& info) { return std::string(info.param.name); });

}  // namespace
