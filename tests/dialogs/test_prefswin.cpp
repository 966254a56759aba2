// The preferences window: it opens on App's settings, OK stores the choices
// and they take effect at once (the next Go, the clipboard at quit, the main
// window's eye); Cancel, Escape and the close box change nothing; choosing
// Preferences... again brings the open window forward as it was.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "app/app.h"
#include "app/menubar1.h"
#include "dialogs/prefswin.h"
#include "dialogs/pswdwin2.h"
#include "framework/fw_base64.h"
#include "framework/fw_application.h"
#include "framework/fw_shared.h"
#include "mainwindow/window1.h"
#include "support/program_fixture.h"

namespace {

using kavro::testing::ProgramTest;

struct Settings {
  std::string whatToCopy, clearPswd, showPswd;
  bool operator==(const Settings&) const = default;
  friend void PrintTo(const Settings& s, std::ostream* os) {
    *os << "{" << s.whatToCopy << ", " << s.clearPswd << ", " << s.showPswd << "}";
  }
};

// What the window shows: the password radio button, then the two check boxes.
struct Shown {
  bool copyPassword, clearClipboard, showEye;
  bool operator==(const Shown&) const = default;
  friend void PrintTo(const Shown& s, std::ostream* os) {
    *os << (s.copyPassword ? "password" : "user name") << (s.clearClipboard ? ", clear" : ", keep")
        << (s.showEye ? ", eye" : ", no eye");
  }
};

const Settings kAllFirst{"pswd", "yes", "yes"};
const Settings kAllSecond{"name", "no", "no"};

class PrefsWinTest : public ProgramTest {
 protected:
  // A first run, unlocked: the main window has its defaults ("pswd", "yes", "yes").
  void SetUp() override {
    ProgramTest::SetUp();
    StartProgram();
    Unlock("7294");
  }

  static void Choose(const char* item) {
    fw::Shared<MenuBar1>().Child("FileMenu")->Child(item)->Action()->trigger();
  }
  // File > Preferences..., as the menu chooses it.
  prefsWin& OpenFromMenu() {
    Choose("FilePreferences");
    EXPECT_TRUE(IsOpen());
    return fw::Shared<prefsWin>();
  }
  static bool IsOpen() { return fw::SharedExists<prefsWin>(); }

  void SetSettings(const Settings& s) {
    App& app = Application();
    app.whatToCopy = s.whatToCopy;
    app.clearPswd = s.clearPswd;
    app.showPswd = s.showPswd;
  }
  Settings CurrentSettings() {
    const App& app = Application();
    return {app.whatToCopy, app.clearPswd, app.showPswd};
  }
  static Shown ShownIn(const prefsWin& w) {
    EXPECT_NE(w.RadioButton1->Value(), w.RadioButton2->Value()) << "one choice of the two";
    return {w.RadioButton1->Value(), w.Checkbox1->Value(), w.Checkbox2->Value()};
  }
  // Clicks what differs from the wanted choices, as the user does.
  static void ClickTo(prefsWin& w, const Shown& want) {
    if (want.copyPassword != w.RadioButton1->Value())
      Click(want.copyPassword ? *w.RadioButton1 : *w.RadioButton2);
    if (want.clearClipboard != w.Checkbox1->Value()) Click(*w.Checkbox1);
    if (want.showEye != w.Checkbox2->Value()) Click(*w.Checkbox2);
    ASSERT_EQ(ShownIn(w), want);
  }
  // Opens the window, makes the choices and presses OK.
  void ChooseAndOk(const Shown& want) {
    prefsWin& w = OpenFromMenu();
    ClickTo(w, want);
    Click(*w.PushButton1);
    EXPECT_FALSE(IsOpen());
    ProcessEvents();
  }

  // The main window's eye as the user sees it.
  struct Eye {
    bool shown;
    int passwordWidth;
    bool operator==(const Eye&) const = default;
    friend void PrintTo(const Eye& e, std::ostream* os) {
      *os << (e.shown ? "eye, " : "no eye, ") << "password field " << e.passwordWidth;
    }
  };
  Eye MainEye() { return {Main().Canvas1->Widget()->isVisible(), Main().pswdFld->Widget()->width()}; }
  int UserFieldWidth() { return Main().userFld->Widget()->width(); }

  // An entry whose web address Go opens, selected.
  void SelectWebEntry() {
    fw::Listbox& list = *Main().ListBox1;
    list.AddRow("Bank");
    const int row = list.LastIndex();
    list.Cell(row, 1, "anna");
    list.Cell(row, 2, "s3cret");
    list.Cell(row, 3, "https://bank.example/login");
    list.ListIndex(row);
  }
};

struct OpenCase {
  Settings settings;
  Shown shown;
};

TEST_F(PrefsWinTest, ItOpensOnTheCurrentSettingsAnyOtherValueCountingAsTheSecondChoice) {
  const OpenCase cases[] = {
      {kAllFirst, {true, true, true}},
      {kAllSecond, {false, false, false}},
      {{"name", "yes", "no"}, {false, true, false}},
      {{"pswd", "no", "yes"}, {true, false, true}},
      {{"PSWD", "Yes", ""}, {false, false, false}},
  };
  for (const OpenCase& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.settings));
    SetSettings(c.settings);
    prefsWin& w = OpenFromMenu();
    EXPECT_EQ(ShownIn(w), c.shown);
    Click(*w.PushButton2);
    ProcessEvents();
  }
}

struct OkCase {
  Settings before;
  Shown chosen;
  Settings after;
};

TEST_F(PrefsWinTest, OkStoresWhatTheWindowShows) {
  const OkCase cases[] = {
      {kAllFirst, {false, false, false}, kAllSecond},
      {kAllSecond, {true, true, true}, kAllFirst},
      {kAllFirst, {true, false, true}, {"pswd", "no", "yes"}},
      {kAllSecond, {false, true, false}, {"name", "yes", "no"}},
      {{"other", "x", ""}, {false, false, false}, kAllSecond},
  };
  for (const OkCase& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.before) + " -> " + ::testing::PrintToString(c.chosen));
    SetSettings(c.before);
    ChooseAndOk(c.chosen);
    EXPECT_EQ(CurrentSettings(), c.after);
  }
}

TEST_F(PrefsWinTest, ReturnIsOk) {
  SetSettings(kAllFirst);
  prefsWin& w = OpenFromMenu();
  ClickTo(w, {false, false, false});
  QTest::keyClick(w.TopLevelWidget(), Qt::Key_Return);
  EXPECT_FALSE(IsOpen());
  EXPECT_EQ(CurrentSettings(), kAllSecond);
}

TEST_F(PrefsWinTest, OkShowsOrHidesTheEyeAtOnceAndRepeatedOkKeepsTheWidths) {
  const int userWidth = UserFieldWidth();
  ASSERT_GT(userWidth, 25);
  const Eye shown{true, userWidth - 25}, hidden{false, userWidth};
  ASSERT_EQ(MainEye(), shown) << "a first run shows the eye";

  for (bool eye : {false, false, true, true, false}) {
    ChooseAndOk({true, true, eye});
    EXPECT_EQ(MainEye(), eye ? shown : hidden);
  }
}

TEST_F(PrefsWinTest, OkChangesWhatTheNextGoCopies) {
  SelectWebEntry();
  const std::pair<bool, const char*> choices[] = {{false, "anna"}, {true, "s3cret"}, {false, "anna"}};
  for (auto [copyPassword, copied] : choices) {
    ChooseAndOk({copyPassword, true, true});
    Click(*Main().goBtn);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), copied);
  }
  EXPECT_EQ(shownUrls.urls, std::vector<std::string>(3, "https://bank.example/login"));
}

class PrefsWinQuitTest : public PrefsWinTest, public ::testing::WithParamInterface<bool> {};

TEST_P(PrefsWinQuitTest, OkDecidesWhetherQuittingEmptiesTheClipboard) {
  const bool clear = GetParam();
  ChooseAndOk({true, clear, true});
  QApplication::clipboard()->setText("pa55word");

  Main().TopLevelWidget()->close();
  ProcessEvents();

  ASSERT_TRUE(fw::HasQuit());
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), clear ? "" : "pa55word");
}

INSTANTIATE_TEST_SUITE_P(ClearOrKeep, PrefsWinQuitTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Clear" : "Keep"; });

TEST_F(PrefsWinTest, CancelEscapeAndTheCloseBoxChangeNothing) {
  const std::pair<const char*, std::function<void(prefsWin&)>> ways[] = {
      {"Cancel", [](prefsWin& w) { Click(*w.PushButton2); }},
      {"Escape", [](prefsWin& w) { QTest::keyClick(w.TopLevelWidget(), Qt::Key_Escape); }},
      {"close box", [](prefsWin& w) { w.TopLevelWidget()->close(); }},
  };
  SetSettings(kAllFirst);
  const Eye before = MainEye();
  for (const auto& [how, dismiss] : ways) {
    SCOPED_TRACE(how);
    prefsWin& w = OpenFromMenu();
    ClickTo(w, {false, false, false});
    dismiss(w);
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(CurrentSettings(), kAllFirst);
    EXPECT_EQ(MainEye(), before);
    ProcessEvents();
  }
}

TEST_F(PrefsWinTest, ChoosingPreferencesAgainBringsTheOpenWindowForwardWithItsChoices) {
  SetSettings(kAllFirst);
  prefsWin& first = OpenFromMenu();
  ClickTo(first, {false, true, false});
  first.TopLevelWidget()->lower();
  SetSettings(kAllSecond);  // not shown: the open window does not read them again

  prefsWin& again = OpenFromMenu();
  EXPECT_EQ(&again, &first);
  EXPECT_TRUE(again.TopLevelWidget()->isVisible());
  EXPECT_EQ(ShownIn(again), (Shown{false, true, false}));
}

// Before the first unlock the main window does not exist yet: OK stores the
// settings without building it, which would load the store behind the prompt.
// Both windows that change settings can be chosen from the prompt's menu
// before the first unlock; what the user chose there must be what is saved.
class SettingsBeforeUnlockTest : public ProgramTest {
 protected:
  static void Choose(const char* item) {
    fw::Shared<MenuBar1>().Child("FileMenu")->Child(item)->Action()->trigger();
  }
  // Unlocks with the password, closes the main window (saving) and answers
  // the preferences file's four lines.
  std::vector<std::string> UnlockAndSave(const std::string& password) {
    EnterPassword(password);
    EXPECT_FALSE(Main().IsLocked());
    Main().TopLevelWidget()->close();
    ProcessEvents();
    return PrefsLines();
  }
};

TEST_F(SettingsBeforeUnlockTest, PreferencesChosenAtThePromptSurviveTheUnlock) {
  StartProgram();
  ASSERT_TRUE(PromptIsOpen());
  Choose("FilePreferences");
  prefsWin& w = fw::Shared<prefsWin>();
  Click(*w.RadioButton2);
  Click(*w.PushButton1);
  ASSERT_TRUE(PromptIsOpen());

  std::vector<std::string> lines = UnlockAndSave("7294");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[2], "name\tyes\tyes");
}

TEST_F(SettingsBeforeUnlockTest, APasswordChangedAtThePromptIsTheOneSaved) {
  StartProgram();
  ASSERT_TRUE(PromptIsOpen());
  Choose("FileChangepassword");
  pswdWin2& w = fw::Shared<pswdWin2>();
  w.oldPswd->Text("7294");
  w.newPswd->Text("n3w");
  w.confirmPswd->Text("n3w");
  Click(*w.PushButton1);
  ASSERT_TRUE(PromptIsOpen());

  std::vector<std::string> lines = UnlockAndSave("n3w");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(fw::DecodeBase64(lines[3]), "n3w");
}

}  // namespace
