// The change-password window: OK's two messages and the password it sets, as
// the next unlock and the preferences file see it; the password typed with Tab
// from field to field and Return; Cancel, Escape and the close box changing
// nothing; the window closing after OK whatever the outcome.
#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <functional>

#include "app/app.h"
#include "app/menubar1.h"
#include "dialogs/pswdwin1.h"
#include "dialogs/pswdwin2.h"
#include "framework/fw_base64.h"
#include "framework/fw_shared.h"
#include "mainwindow/window1.h"
#include "support/program_fixture.h"
#include "support/window_input.h"

namespace {

using kavro::testing::ProgramTest;

const std::string kNotValid =
    "Error\r\rThe entered password is not valid.\rPlease try with another one...";
const std::string kNotConfirmed = "Error\r\rThe entered password was not confirmed.\rPlease try again...";

class PswdWin2Test : public ProgramTest {
 protected:
  // A first run (welcome message, default password "7294"), unlocked.
  void SetUp() override {
    ProgramTest::SetUp();
    StartProgram();
    Unlock("7294");
    dialogs.messages.clear();
  }

  // File > Change password..., as the menu chooses it.
  pswdWin2& OpenFromMenu() {
    fw::Shared<MenuBar1>().Child("FileMenu")->Child("FileChangepassword")->Action()->trigger();
    EXPECT_TRUE(fw::SharedExists<pswdWin2>());
    return fw::Shared<pswdWin2>();
  }

  // Types the three fields as the user does, leaving the window open.
  pswdWin2& Fill(const std::string& oldPswd, const std::string& newPswd, const std::string& confirm) {
    pswdWin2& w = OpenFromMenu();
    QTest::keyClicks(w.oldPswd->Widget(), QString::fromStdString(oldPswd));
    QTest::keyClicks(w.newPswd->Widget(), QString::fromStdString(newPswd));
    QTest::keyClicks(w.confirmPswd->Widget(), QString::fromStdString(confirm));
    return w;
  }

  static bool IsOpen() { return fw::SharedExists<pswdWin2>(); }

  // Whether the prompt takes the password: the lock button opens it, and a
  // password it takes locks the store again.
  // A refused password leaves the prompt open for the next try.
  bool PromptTakes(const std::string& password) {
    if (!PromptIsOpen()) Click(*Main().lockBtn);
    Prompt().EditField1->Text("");
    EnterPassword(password);
    return !PromptIsOpen();
  }
};

struct ChangeCase {
  const char* name;
  std::string oldPswd, newPswd, confirm;
  std::string message;  // empty: none
  std::string pswd;     // App's password afterwards
};

void PrintTo(const ChangeCase& c, std::ostream* os) { *os << c.name; }

class ChangePasswordTest : public PswdWin2Test, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(ChangePasswordTest, OkSetsThePasswordOrSaysWhyNotAndClosesTheWindow) {
  const ChangeCase& c = GetParam();
  pswdWin2& w = Fill(c.oldPswd, c.newPswd, c.confirm);
  Click(*w.PushButton1);

  if (c.message.empty()) {
    EXPECT_TRUE(dialogs.messages.empty());
  } else {
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, c.message);
    EXPECT_EQ(dialogs.messages[0].buttons, 0);
  }
  EXPECT_EQ(Application().pswd, c.pswd);
  EXPECT_FALSE(IsOpen());
  EXPECT_FALSE(w.TopLevelWidget()->isVisible());
  ProcessEvents();

  // The prompt compares with the password in force at once: it locks with it,
  // refuses the one that was replaced, and unlocks with it again.
  EXPECT_TRUE(PromptTakes(c.pswd));
  EXPECT_TRUE(Main().IsLocked());
  if (c.pswd != "7294") {
    EXPECT_FALSE(PromptTakes("7294"));
  }
  EXPECT_TRUE(PromptTakes(c.pswd));
  EXPECT_FALSE(Main().IsLocked());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChangePasswordTest,
    ::testing::Values(
        ChangeCase{"Changed", "7294", "n3w pa55", "n3w pa55", "", "n3w pa55"},
        ChangeCase{"EmptyNewPassword", "7294", "", "", "", ""},
        ChangeCase{"SameAsBefore", "7294", "7294", "7294", "", "7294"},
        ChangeCase{"WrongOldPassword", "7295", "n3w", "n3w", kNotValid, "7294"},
        ChangeCase{"EmptyOldPassword", "", "n3w", "n3w", kNotValid, "7294"},
        ChangeCase{"WrongOldAndUnconfirmed", "729", "n3w", "other", kNotValid, "7294"},
        ChangeCase{"NotConfirmed", "7294", "n3w", "n3W", kNotConfirmed, "7294"},
        ChangeCase{"ConfirmationEmpty", "7294", "n3w", "", kNotConfirmed, "7294"}),
    [](const ::testing::TestParamInfo<ChangeCase>& info) { return std::string(info.param.name); });

struct TypedChange {
  const char* name;
  std::string oldPswd, newPswd, confirm;
  std::string message;  // empty: none
  std::string stored;   // the password in the preferences file after the close
};

void PrintTo(const TypedChange& c, std::ostream* os) { *os << c.name; }

class TypedChangeTest : public PswdWin2Test, public ::testing::WithParamInterface<TypedChange> {};

// The user's way through the window: the old password, Tab, the new one, Tab,
// the confirmation, Return; then the main window's close box stores it.
TEST_P(TypedChangeTest, TabLeadsFromFieldToFieldAndReturnStoresWhatWasTyped) {
  using namespace kavro::testing;
  const TypedChange& c = GetParam();
  ChooseFromMenuBar(Main(), "File", "Change password...");
  ASSERT_TRUE(IsOpen());
  pswdWin2& w = fw::Shared<pswdWin2>();
  Activate(w);
  const std::function<void()> keys[] = {
      [&] { TypeKeys(w, c.oldPswd); }, [&] { PressKey(w, Qt::Key_Tab); },
      [&] { TypeKeys(w, c.newPswd); }, [&] { PressKey(w, Qt::Key_Tab); },
      [&] { TypeKeys(w, c.confirm); }, [&] { PressKey(w, Qt::Key_Return); },
  };
  for (const auto& key : keys) {
    // A space typed into a button presses it.
    ASSERT_TRUE(IsOpen()) << "the window closed before Return";
    key();
  }

  EXPECT_EQ(dialogs.Texts(), c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
  EXPECT_FALSE(IsOpen());
  ProcessEvents();
  RequestClose(Main());
  ProcessEvents();
  std::vector<std::string> lines = PrefsLines();
  ASSERT_EQ(lines.size(), 4u) << ReadBytes(PrefsFile());
  EXPECT_EQ(fw::DecodeBase64(lines[3]), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TypedChangeTest,
    ::testing::Values(TypedChange{"Changed", "7294", "n3wpa55", "n3wpa55", "", "n3wpa55"},
                      TypedChange{"WithABlank", "7294", "n3w pa55", "n3w pa55", "", "n3w pa55"},
                      // Both new fields left empty on purpose: an empty password is accepted.
                      TypedChange{"EmptyOnPurpose", "7294", "", "", "", ""},
                      TypedChange{"NotConfirmed", "7294", "n3w", "n3W", kNotConfirmed, "7294"},
                      TypedChange{"WrongOldPassword", "7259", "n3w", "n3w", kNotValid, "7294"}),
    [](const ::testing::TestParamInfo<TypedChange>& info) { return std::string(info.param.name); });

TEST_F(PswdWin2Test, ReturnIsOk) {
  pswdWin2& w = Fill("7294", "n3w", "n3w");
  QTest::keyClick(w.confirmPswd->Widget(), Qt::Key_Return);
  EXPECT_EQ(Application().pswd, "n3w");
  EXPECT_FALSE(IsOpen());
}

TEST_F(PswdWin2Test, CancelEscapeAndTheCloseBoxChangeNothing) {
  const std::pair<const char*, std::function<void(pswdWin2&)>> ways[] = {
      {"Cancel", [](pswdWin2& w) { Click(*w.PushButton2); }},
      {"Escape", [](pswdWin2& w) { QTest::keyClick(w.newPswd->Widget(), Qt::Key_Escape); }},
      {"close box", [](pswdWin2& w) { w.TopLevelWidget()->close(); }},
  };
  for (const auto& [how, dismiss] : ways) {
    SCOPED_TRACE(how);
    pswdWin2& w = Fill("7294", "n3w", "n3w");
    dismiss(w);
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(Application().pswd, "7294");
    ProcessEvents();
  }
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(PromptTakes("7294"));
}

TEST_F(PswdWin2Test, AfterAnErrorTheWindowOpensAgainEmptyAndMasked) {
  pswdWin2& first = Fill("wrong", "n3w", "n3w");
  Click(*first.PushButton1);
  ProcessEvents();

  pswdWin2& again = OpenFromMenu();
  for (fw::TextField* field : {again.oldPswd, again.newPswd, again.confirmPswd}) {
    EXPECT_EQ(field->Text(), "") << field->Name();
    EXPECT_EQ(static_cast<QLineEdit*>(field->Widget())->echoMode(), QLineEdit::Password) << field->Name();
  }
}

TEST_F(PswdWin2Test, TheNewPasswordReachesThePreferencesFileOnlyWhenTheMainWindowCloses) {
  Click(*Fill("7294", "n3w", "n3w").PushButton1);
  EXPECT_FALSE(std::filesystem::exists(PrefsFile())) << "nothing is written by the window itself";

  Main().TopLevelWidget()->close();
  ProcessEvents();

  std::string prefs = ReadBytes(PrefsFile());
  std::vector<std::string> lines = PrefsLines();
  ASSERT_EQ(lines.size(), 4u) << prefs;
  EXPECT_EQ(fw::DecodeBase64(lines[3]), "n3w");
}

}  // namespace
