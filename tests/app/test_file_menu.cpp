// The File menu as the user works it: the menu opened from the main window's
// menu bar, then an item clicked. Opening the menu asks the application which
// items to enable; each item reaches what it opens.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <functional>
#include <string>

#include "app/app.h"
#include "app/menubar1.h"
#include "dialogs/aboutwin.h"
#include "dialogs/prefswin.h"
#include "dialogs/pswdwin2.h"
#include "framework/fw_dialogs.h"
#include "framework/fw_shared.h"
#include "mainwindow/window1.h"
#include "support/menu_titles.h"
#include "support/program_fixture.h"

namespace {

using kavro::testing::ProgramTest;

template <class W>
bool Shown() {
  return fw::SharedExists<W>() && fw::Shared<W>().IsShown();
}

class FileMenuTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    StartProgram();
    Unlock("7294");
    dialogs.messages.clear();
  }

  fw::MenuItem& FileMenu() { return *fw::Shared<MenuBar1>().Child("FileMenu"); }
  QAction* ItemAction(const char* name) { return FileMenu().Child(name)->Action(); }

  // Clicks File in the main window's menu bar; the menu stays open.
  QMenu& OpenFileMenu() {
    auto* bar = Main().TopLevelWidget()->findChild<QMenuBar*>();
    EXPECT_NE(bar, nullptr);
    QMenu& menu = *FileMenu().Menu();
    QTest::mouseClick(bar, Qt::LeftButton, {}, kavro::testing::TitleCenter(*bar, menu));
    EXPECT_TRUE(menu.isVisible()) << "the File menu did not open";
    return menu;
  }

  // Opens the File menu and clicks the item.
  void Choose(const char* name) {
    QMenu& menu = OpenFileMenu();
    QAction* action = ItemAction(name);
    ASSERT_TRUE(action->isEnabled()) << name << " is disabled";
    QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(action).center());
    EXPECT_FALSE(menu.isVisible());
    ProcessEvents();
  }

};

TEST_F(FileMenuTest, EachItemReachesWhatItOpens) {
  Main().ListBox1->AddRow("Bank");  // so that Export... is on
  struct Case {
    const char* item;
    std::function<bool()> reached;
  };
  auto fileDialogTitled = [this](const char* title) {
    return [this, title] { return !dialogs.fileDialogs.empty() && dialogs.fileDialogs.back().title == title; };
  };
  const Case cases[] = {
      {"FileExport", fileDialogTitled("Export your data file")},
      {"FileImport", fileDialogTitled("Select the file to import")},
      {"FileChangepassword", Shown<pswdWin2>},
      {"FileAboutKavro", Shown<aboutWin>},
      {"FilePreferences", Shown<prefsWin>},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(c.reached()) << c.item << " before it was chosen";
    Choose(c.item);
    EXPECT_TRUE(c.reached()) << c.item;
  }
  // The file dialogs were cancelled: nothing was written or added.
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(Main().ListBox1->ListCount(), 1);
}

// The items change only when the menu opens: the application is asked then.
TEST_F(FileMenuTest, OpeningTheMenuSetsExportAndImportByTheLockAndTheRows) {
  struct Step {
    const char* what;
    std::function<void()> change;
    bool exportOn, importOn;
  };
  const Step steps[] = {
      {"unlocked, no rows", [] {}, false, true},
      {"unlocked, a row", [this] { Main().ListBox1->AddRow("Bank"); }, true, true},
      {"locked, a row", [this] { Lock("7294"); }, false, false},
      {"unlocked again, no rows", [this] {
         Main().ListBox1->DeleteAllRows();
         Click(*Main().lockBtn);
         EnterPassword("7294");
       },
       false, true},
  };
  bool exportWas = ItemAction("FileExport")->isEnabled(), importWas = ItemAction("FileImport")->isEnabled();
  for (const Step& s : steps) {
    SCOPED_TRACE(s.what);
    s.change();
    EXPECT_EQ(ItemAction("FileExport")->isEnabled(), exportWas) << "changed before the menu opened";
    EXPECT_EQ(ItemAction("FileImport")->isEnabled(), importWas) << "changed before the menu opened";
    QMenu& menu = OpenFileMenu();
    EXPECT_EQ(ItemAction("FileExport")->isEnabled(), s.exportOn);
    EXPECT_EQ(ItemAction("FileImport")->isEnabled(), s.importOn);
    menu.hide();
    exportWas = s.exportOn;
    importWas = s.importOn;
  }
}

}  // namespace
