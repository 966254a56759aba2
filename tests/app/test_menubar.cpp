// The menu bar as built, its commands, its shortcuts and the File menu's enabling.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "app/app.h"
#include "app/menu_enabling.h"
#include "app/menubar1.h"
#include "framework/fw_application.h"
#include "framework/fw_shared.h"
#include "framework/fw_text_controls.h"
#include "framework/fw_window.h"
#include "support/menu_titles.h"
#include "support/started_test.h"

namespace {

using kavro::testing::StartedTest;

struct Row {
  const char* parent;
  const char* name;
  const char* text;
  const char* shortcut;
  fw::MenuItem::Role role;
};

const Row kMenuBar[] = {
    {"", "FileMenu", "&File", "", fw::MenuItem::Role::Normal},
    {"FileMenu", "FileQuit", "Quit", "Ctrl+Q", fw::MenuItem::Role::Quit},
    {"FileMenu", "FileExport", "Export...", "", fw::MenuItem::Role::Normal},
    {"FileMenu", "FileImport", "Import Kavro 1.x data file...", "", fw::MenuItem::Role::Normal},
    {"FileMenu", "UntitledItem", "-", "", fw::MenuItem::Role::Normal},
    {"FileMenu", "FileChangepassword", "Change password...", "", fw::MenuItem::Role::Normal},
    {"FileMenu", "FileAboutKavro", "About Kavro", "", fw::MenuItem::Role::About},
    {"FileMenu", "FilePreferences", "Preferences...", "Ctrl+K", fw::MenuItem::Role::Preferences},
    {"", "EditMenu", "&Edit", "", fw::MenuItem::Role::Normal},
    {"EditMenu", "EditUndo", "&Undo", "Ctrl+Z", fw::MenuItem::Role::Normal},
    {"EditMenu", "UntitledMenu1", "-", "", fw::MenuItem::Role::Normal},
    {"EditMenu", "EditCut", "Cu&t", "Ctrl+X", fw::MenuItem::Role::Normal},
    {"EditMenu", "EditCopy", "&Copy", "Ctrl+C", fw::MenuItem::Role::Normal},
    {"EditMenu", "EditPaste", "&Paste", "Ctrl+V", fw::MenuItem::Role::Normal},
    {"EditMenu", "EditClear", "Clear", "", fw::MenuItem::Role::Normal},
    {"EditMenu", "UntitledMenu0", "-", "", fw::MenuItem::Role::Normal},
    {"EditMenu", "EditSelectAll", "Select &All", "Ctrl+A", fw::MenuItem::Role::Normal},
};

// The rows as the bar holds them, in display order.
std::vector<Row> BuiltRows(const fw::MenuBar& bar) {
  std::vector<Row> rows;
  for (int m = 0; m < bar.Count(); ++m) {
    const fw::MenuItem* menu = bar.Item(m);
    rows.push_back({"", menu->Name().c_str(), menu->Text().c_str(), "", menu->ItemRole()});
    for (int i = 0; i < menu->Count(); ++i) {
      const fw::MenuItem* item = menu->Item(i);
      rows.push_back({menu->Name().c_str(), item->Name().c_str(), item->Text().c_str(), "", item->ItemRole()});
    }
  }
  return rows;
}

class MenuBarTest : public StartedTest {
 protected:
  MenuBar1& Bar() { return fw::Shared<MenuBar1>(); }
  fw::MenuItem& Item(const char* menu, const char* name) { return *Bar().Child(menu)->Child(name); }
};

TEST_F(MenuBarTest, HoldsTheItemsInOrderWithTheirTextsAndShortcuts) {
  std::vector<Row> built = BuiltRows(Bar());
  ASSERT_EQ(built.size(), std::size(kMenuBar));
  for (size_t i = 0; i < built.size(); ++i) {
    const Row& want = kMenuBar[i];
    SCOPED_TRACE(want.name);
    EXPECT_STREQ(built[i].parent, want.parent);
    EXPECT_STREQ(built[i].name, want.name);
    EXPECT_STREQ(built[i].text, want.text);
    EXPECT_EQ(built[i].role, want.role);
    const fw::MenuItem& item = *(std::string(want.parent).empty() ? Bar().Child(want.name)
                                                                   : &Item(want.parent, want.name));
    EXPECT_TRUE(item.AutoEnable());
    EXPECT_EQ(item.IsSeparator(), std::string(want.text) == "-");
    if (std::string(want.parent).empty()) continue;
    EXPECT_EQ(item.Action()->shortcut(), QKeySequence(QString::fromLatin1(want.shortcut)));
  }
}

TEST_F(MenuBarTest, TheApplicationShowsTheSharedMenuBar) {
  EXPECT_EQ(fw::TheApplication()->MenuBar(), &Bar());
}

TEST_F(MenuBarTest, EachFileCommandReachesItsHandlerWhichAnswersFalse) {
  App& app = fw::Shared<App>();
  EXPECT_FALSE(app.FileImport_Action());
  EXPECT_FALSE(app.FileChangepassword_Action());
  EXPECT_FALSE(app.FileAboutKavro_Action());
  EXPECT_FALSE(app.FileExport_Action());
  EXPECT_FALSE(app.FilePreferences_Action());
  for (const char* name : {"FileImport", "FileChangepassword", "FileAboutKavro", "FileExport", "FilePreferences"})
    EXPECT_TRUE(app.HasMenuHandler(name)) << name;
  EXPECT_FALSE(app.HasMenuHandler("FileQuit"));
}

// A window that shows the menu bar and holds one text field, for the keyboard.
class MenuWindow : public fw::Window {
 protected:
  void Layout() override {
    MenuBar(&fw::Shared<MenuBar1>());
    Width(300);
    Height(100);
  }
  void CreateControls() override {
    auto& field = AddControl<fw::TextField>("field");
    field.SetBounds(10, 10, 200, 22);
  }
};

TEST_F(MenuBarTest, CommandKChoosesPreferencesAndCommandQQuits) {
  int preferencesChosen = 0;
  fw::TheApplication()->AddMenuHandler("FilePreferences", [&] {
    ++preferencesChosen;
    return false;
  });
  MenuWindow& window = fw::Shared<MenuWindow>();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.TopLevelWidget()));
  window.TopLevelWidget()->activateWindow();
  QWidget* field = window.ControlNamed<fw::TextField>("field").Widget();
  field->setFocus();

  QTest::keyClick(field, Qt::Key_K, Qt::ControlModifier);
  EXPECT_EQ(preferencesChosen, 1);
  EXPECT_FALSE(fw::HasQuit());

  QTest::keyClick(field, Qt::Key_Q, Qt::ControlModifier);
  EXPECT_TRUE(fw::HasQuit());
}

TEST_F(MenuBarTest, EditCommandsActOnTheFocusedTextField) {
  MenuWindow& window = fw::Shared<MenuWindow>();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.TopLevelWidget()));
  auto& field = window.ControlNamed<fw::TextField>("field");
  field.SetFocus();
  field.Text("hello");

  Item("EditMenu", "EditSelectAll").Action()->trigger();
  EXPECT_EQ(field.SelText(), "hello");
  Item("EditMenu", "EditCut").Action()->trigger();
  EXPECT_EQ(field.Text(), "");
  Item("EditMenu", "EditPaste").Action()->trigger();
  Item("EditMenu", "EditPaste").Action()->trigger();
  EXPECT_EQ(field.Text(), "hellohello");
  Item("EditMenu", "EditUndo").Action()->trigger();
  EXPECT_EQ(field.Text(), "hello");
}

TEST_F(MenuBarTest, OpeningAMenuEnablesEditCommandsByTheFocusedField) {
  MenuWindow& window = fw::Shared<MenuWindow>();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.TopLevelWidget()));
  auto& field = window.ControlNamed<fw::TextField>("field");
  field.SetFocus();
  field.Text("");
  Bar().PrepareForDisplay();
  EXPECT_FALSE(Item("EditMenu", "EditCopy").Enabled());
  EXPECT_FALSE(Item("EditMenu", "EditSelectAll").Enabled());
  field.Text("abc");
  field.SelectAll();
  Bar().PrepareForDisplay();
  EXPECT_TRUE(Item("EditMenu", "EditCopy").Enabled());
  EXPECT_TRUE(Item("EditMenu", "EditCut").Enabled());
  EXPECT_TRUE(Item("FileMenu", "FilePreferences").Enabled());
}

// The Edit items as a user finds them: the File menu opened with a click on its
// title, then the Edit menu reached from there. The items judge the field that
// had the focus, not the menu bar the user is moving through.
class EditMenuFromFileTest : public MenuBarTest {
 protected:
  void SetUp() override {
    MenuBarTest::SetUp();
    QApplication::clipboard()->setText("on the clipboard");
    MenuWindow& window = fw::Shared<MenuWindow>();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.TopLevelWidget()));
    window.TopLevelWidget()->activateWindow();
    QWidget* field = MenuWindowField().Widget();
    field->setFocus();
    QTest::keyClicks(field, "hello");
    QTest::keyClick(field, Qt::Key_Home, Qt::ShiftModifier);
    bar_ = qobject_cast<QMenuBar*>(static_cast<QMainWindow*>(window.TopLevelWidget())->menuWidget());
    ASSERT_NE(bar_, nullptr);
  }
  void TearDown() override {
    while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    MenuBarTest::TearDown();
  }
  QPoint TitleCenter(const char* menu) { return kavro::testing::TitleCenter(*bar_, *Menu(menu)); }
  QMenu* Menu(const char* name) { return Bar().Child(name)->Menu(); }
  static fw::TextField& MenuWindowField() { return fw::Shared<MenuWindow>().ControlNamed<fw::TextField>("field"); }
  void OpenFileMenu() {
    QTest::mouseClick(bar_, Qt::LeftButton, {}, TitleCenter("FileMenu"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Menu("FileMenu")->isVisible(); }));
  }
  void ExpectEditItemsJudgeTheField() {
    ASSERT_TRUE(QTest::qWaitFor([&] { return Menu("EditMenu")->isVisible(); }));
    for (const char* name : {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"})
      EXPECT_TRUE(Item("EditMenu", name).Enabled()) << name;
  }
  QMenuBar* bar_ = nullptr;
};

TEST_F(EditMenuFromFileTest, RightFromTheFileMenu) {
  OpenFileMenu();
  QTest::keyClick(Menu("FileMenu"), Qt::Key_Right);
  ExpectEditItemsJudgeTheField();
}

TEST_F(EditMenuFromFileTest, ThePointerMovedFromFileToEdit) {
  OpenFileMenu();
  // Through the window system, as the pointer moves: the open menu has the
  // pointer grabbed and hands the move on to the bar.
  QWidget* top = bar_->window();
  QTest::mouseMove(top->windowHandle(), bar_->mapTo(top, TitleCenter("EditMenu")));
  ExpectEditItemsJudgeTheField();

  // Chosen there, Cut acts on the field too.
  QMenu* edit = Menu("EditMenu");
  QTest::mouseClick(edit, Qt::LeftButton, {}, edit->actionGeometry(Item("EditMenu", "EditCut").Action()).center());
  EXPECT_EQ(MenuWindowField().Text(), "");
  EXPECT_EQ(QApplication::clipboard()->text(), "hello");
}

TEST_F(EditMenuFromFileTest, AClickOnTheEditTitle) {
  QTest::mouseClick(bar_, Qt::LeftButton, {}, TitleCenter("EditMenu"));
  ExpectEditItemsJudgeTheField();
}

struct EnablingCase {
  std::string lockCaption;
  int rows;
  bool exportEnabled, importEnabled;
};

TEST_F(MenuBarTest, ExportNeedsAnUnlockedStoreWithRowsAndImportAnUnlockedStore) {
  const EnablingCase cases[] = {
      {"Lock", 3, true, true},     {"Lock", 0, false, true},  {"Unlock", 3, false, false},
      {"Unlock", 0, false, false}, {"lock", 3, false, false},
  };
  for (const EnablingCase& c : cases) {
    SCOPED_TRACE(c.lockCaption + " " + std::to_string(c.rows));
    EnableFileMenuItems(Bar(), c.lockCaption, c.rows);
    EXPECT_EQ(Item("FileMenu", "FileExport").Enabled(), c.exportEnabled);
    EXPECT_EQ(Item("FileMenu", "FileImport").Enabled(), c.importEnabled);
  }
}

}  // namespace
