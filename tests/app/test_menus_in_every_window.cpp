// The menu bar in every window of the program: each window shows it, its
// shortcuts act from there (Quit, Preferences), not only from the main window,
// and a screen reader finds its menus there.
#include <QAccessible>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

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
#include "support/window_input.h"

namespace {

using kavro::testing::Activate;
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

// The shortcuts go on acting in the main window once another window of the
// run has come and gone.
TEST_P(MenusInEveryWindowTest, CommandKAndCommandQActInTheMainWindowAfterTheWindowCloses) {
  fw::Window& window = Open();
  if (&window == &Main()) GTEST_SKIP() << "the main window closes only by quitting";
  window.Close();
  ProcessEvents();
  Activate(Main());

  Press(Main(), Qt::Key_K);
  ASSERT_TRUE(fw::SharedExists<prefsWin>()) << "Command-K opened nothing";
  fw::Shared<prefsWin>().Close();
  ProcessEvents();
  Activate(Main());
  Press(Main(), Qt::Key_Q);
  EXPECT_TRUE(fw::HasQuit()) << "Command-Q did nothing";
}

// What an accessibility client reads of one menu item: its name, and whether
// it is a separator or disabled.
struct ReadItem {
  std::string name;
  bool separator = false, disabled = false;
  bool operator==(const ReadItem&) const = default;
};
void PrintTo(const ReadItem& i, std::ostream* os) {
  *os << '"' << i.name << '"' << (i.separator ? " separator" : "") << (i.disabled ? " disabled" : "");
}

// The bar's titles, then each menu's items, as a screen reader walks them down
// from the bar; a child it cannot read fails the test.
std::vector<std::vector<ReadItem>> ReadMenus(QMenuBar& bar) {
  std::vector<std::vector<ReadItem>> menus;
  QAccessibleInterface* barFace = QAccessible::queryAccessibleInterface(&bar);
  EXPECT_TRUE(barFace != nullptr && barFace->isValid());
  if (barFace == nullptr) return menus;
  EXPECT_EQ(barFace->role(), QAccessible::MenuBar);
  for (int t = 0; t < barFace->childCount(); ++t) {
    QAccessibleInterface* title = barFace->child(t);
    EXPECT_TRUE(title != nullptr && title->isValid()) << "title " << t;
    if (title == nullptr || !title->isValid()) continue;
    EXPECT_EQ(title->parent() ? title->parent()->object() : nullptr, &bar) << "title " << t;
    std::vector<ReadItem> menu{{title->text(QAccessible::Name).toStdString(), false, title->state().disabled != 0}};
    QAccessibleInterface* popup = title->childCount() == 1 ? title->child(0) : nullptr;
    EXPECT_TRUE(popup != nullptr && popup->isValid() && popup->role() == QAccessible::PopupMenu) << menu[0].name;
    for (int i = 0; popup != nullptr && i < popup->childCount(); ++i) {
      QAccessibleInterface* item = popup->child(i);
      EXPECT_TRUE(item != nullptr && item->isValid()) << menu[0].name << " item " << i;
      if (item == nullptr || !item->isValid()) continue;
      const bool separator = item->role() == QAccessible::Separator;
      menu.push_back({separator ? "" : item->text(QAccessible::Name).toStdString(), separator,
                      !separator && item->state().disabled != 0});
    }
    menus.push_back(menu);
  }
  return menus;
}

// The bar's menus as the menu bar holds them now, enabled states included.
std::vector<std::vector<ReadItem>> MenusAsBuilt() {
  const fw::MenuBar& bar = fw::Shared<MenuBar1>();
  std::vector<std::vector<ReadItem>> menus;
  for (int m = 0; m < bar.Count(); ++m) {
    const fw::MenuItem& menu = *bar.Item(m);
    std::vector<ReadItem> items{{QString::fromStdString(menu.Text()).remove('&').toStdString(), false, !menu.Enabled()}};
    for (int i = 0; i < menu.Count(); ++i) {
      const fw::MenuItem& item = *menu.Item(i);
      if (item.IsSeparator()) items.push_back({"", true, false});
      else items.push_back({QString::fromStdString(item.Text()).remove('&').toStdString(), false, !item.Enabled()});
    }
    menus.push_back(items);
  }
  return menus;
}

QMenuBar& BarOf(fw::Window& window) {
  auto* bar = qobject_cast<QMenuBar*>(static_cast<QMainWindow*>(window.TopLevelWidget())->menuWidget());
  if (bar == nullptr) throw std::runtime_error("the window shows no menu bar");
  return *bar;
}

// A screen reader reads the prompt at the start; after the prompt has closed,
// and its menu bar with it, the window the user comes to still has its menus.
TEST_P(MenusInEveryWindowTest, AScreenReaderReadsTheMenusWithTheirItemsAndStates) {
  StartProgram();
  EXPECT_EQ(ReadMenus(BarOf(Prompt())), MenusAsBuilt());
  Unlock("7294");
  fw::Window& window = GetParam().open(Application(), Main());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.TopLevelWidget()));
  // Opening File sets its items by the lock and the rows: unlocked with no
  // rows, nothing to export.
  fw::MenuItem& file = *fw::Shared<MenuBar1>().Child("FileMenu");
  file.Menu()->popup(QPoint(0, 0));
  file.Menu()->hide();
  ASSERT_FALSE(file.Child("FileExport")->Enabled());

  const auto read = ReadMenus(BarOf(window));
  EXPECT_EQ(read, MenusAsBuilt());
  ASSERT_EQ(read.size(), 2u);
  EXPECT_EQ(read[0][0].name, "File");
  EXPECT_EQ(read[0][2], (ReadItem{"Export...", false, true}));
  EXPECT_EQ(read[1][0].name, "Edit");
  EXPECT_EQ(read[1].back().name, "Select All");
  // The main window's bar too, while the other window lives.
  EXPECT_EQ(ReadMenus(BarOf(Main())), MenusAsBuilt());
}

INSTANTIATE_TEST_SUITE_P(Windows, MenusInEveryWindowTest, ::testing::ValuesIn(kWindows),
                         [](const ::testing::TestParamInfo<WindowCase>& info) { return std::string(info.param.name); });

}  // namespace
