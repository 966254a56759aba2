// The master-password prompt: what it shows, wrong and right passwords, the
// lock it toggles in the main window, Return and Escape, Cancel and quitting
// from it, and the menu bar it shows.
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <vector>

#include "app/app.h"
#include "app/pictures.h"
#include "app/menubar1.h"
#include "dialogs/pswdwin1.h"
#include "framework/fw_application.h"
#include "framework/fw_base64.h"
#include "framework/fw_shared.h"
#include "mainwindow/window1.h"
#include "support/program_fixture.h"

namespace {

using kavro::testing::ProgramTest;

class PromptTest : public ProgramTest {
 protected:
  // A store from an earlier run, with the master password "opensesame".
  void WriteStore() {
    WriteBytes(PrefsFile(), "10\t20\t620\t455\r200\rpswd\tyes\tyes\r" + fw::EncodeBase64("opensesame") + "\r");
    WriteBytes(DataFile(), "");
  }
  static QLineEdit* Field(pswdWin1& prompt) { return static_cast<QLineEdit*>(prompt.EditField1->Widget()); }
};

TEST_F(PromptTest, ShowsAtStartWithAnEmptyMaskedFieldAndNoError) {
  WriteStore();
  StartProgram();

  pswdWin1& prompt = Prompt();
  EXPECT_TRUE(prompt.IsShown());
  EXPECT_EQ(prompt.Title(), "Password...");
  EXPECT_EQ(prompt.Width(), 413);
  EXPECT_EQ(prompt.Height(), 161);
  EXPECT_FALSE(prompt.Resizeable());
  EXPECT_EQ(prompt.StaticText4->Text(), "Kavro");
  EXPECT_EQ(prompt.StaticText2->Text(), "Please enter your password.");
  EXPECT_EQ(prompt.StaticText3->Text(), "Password:");
  EXPECT_EQ(prompt.PushButton1->Caption(), "OK");
  EXPECT_EQ(prompt.PushButton2->Caption(), "Cancel");
  EXPECT_TRUE(prompt.PushButton1->Default());
  EXPECT_TRUE(prompt.PushButton2->Cancel());
  EXPECT_EQ(prompt.EditField1->Text(), "");
  EXPECT_EQ(Field(prompt)->echoMode(), QLineEdit::Password);
  EXPECT_FALSE(prompt.pswdError->Visible());
  EXPECT_EQ(prompt.pswdError->Text(), "Wrong password...");
  EXPECT_EQ(prompt.pswdError->TextColor(), fw::RGB(255, 0, 0));
  EXPECT_TRUE(dialogs.messages.empty());
  // The main window waits for the password: the store is not loaded before.
  EXPECT_FALSE(fw::SharedExists<Window1>());
}

TEST_F(PromptTest, FirstRunShowsThePromptAfterTheWelcome) {
  StartProgram();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text.rfind("Welcome to Kavro 2.0\r", 0), 0u);
  EXPECT_TRUE(Prompt().IsShown());
}

struct WrongCase {
  const char* name;
  std::string typed;
};

void PrintTo(const WrongCase& c, std::ostream* os) { *os << c.name; }

class WrongPasswordTest : public PromptTest, public ::testing::WithParamInterface<WrongCase> {};

// Equality is exact: a case change, a trailing blank, a prefix or nothing at all
// is a wrong password.
TEST_P(WrongPasswordTest, KeepsTheTypedTextAndShowsTheRedLabel) {
  WriteStore();
  StartProgram();
  pswdWin1& prompt = Prompt();

  EnterPassword(GetParam().typed);

  ASSERT_TRUE(PromptIsOpen());
  EXPECT_EQ(&Prompt(), &prompt);
  EXPECT_TRUE(prompt.IsShown());
  EXPECT_EQ(prompt.EditField1->Text(), GetParam().typed);
  EXPECT_TRUE(prompt.pswdError->Visible());
  EXPECT_EQ(Application().flag, "");
  EXPECT_FALSE(fw::SharedExists<Window1>());
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_FALSE(fw::HasQuit());
}

INSTANTIATE_TEST_SUITE_P(Cases, WrongPasswordTest,
                         ::testing::Values(WrongCase{"Empty", ""}, WrongCase{"Capitals", "OpenSesame"},
                                           WrongCase{"TrailingBlank", "opensesame "},
                                           WrongCase{"Prefix", "opensesam"},
                                           WrongCase{"Longer", "opensesame1"}),
                         [](const ::testing::TestParamInfo<WrongCase>& info) { return std::string(info.param.name); });

struct AcceptedCase {
  const char* name;
  std::string pswd;  // as the preferences file holds it, and as typed
};

void PrintTo(const AcceptedCase& c, std::ostream* os) { *os << c.name; }

class AcceptedPasswordTest : public PromptTest, public ::testing::WithParamInterface<AcceptedCase> {};

// The typed text is compared as it stands: blanks count, letters beyond ASCII
// match themselves, and an empty master password takes an empty field.
TEST_P(AcceptedPasswordTest, TheStoredPasswordTypedAsItIsUnlocks) {
  WriteBytes(PrefsFile(), "10\t20\t620\t455\r200\rpswd\tyes\tyes\r" + fw::EncodeBase64(GetParam().pswd) + "\r");
  StartProgram();
  Unlock(GetParam().pswd);
  EXPECT_EQ(Application().flag, "true");
}

INSTANTIATE_TEST_SUITE_P(Cases, AcceptedPasswordTest,
                         ::testing::Values(AcceptedCase{"Empty", ""}, AcceptedCase{"Blanks", " open sesame "},
                                           AcceptedCase{"BeyondAscii", "p\xC3\xA4ssw\xC3\xB6rd \xE2\x82\xAC \xF0\x9F\x94\x91"}),
                         [](const ::testing::TestParamInfo<AcceptedCase>& info) { return std::string(info.param.name); });

TEST_F(PromptTest, CancelAtStartQuitsAndWritesNothing) {
  WriteStore();
  const std::string prefs = ReadBytes(PrefsFile());
  StartProgram();

  Click(*Prompt().PushButton2);
  ProcessEvents();

  EXPECT_TRUE(fw::HasQuit());
  EXPECT_FALSE(PromptIsOpen());
  EXPECT_EQ(ReadBytes(PrefsFile()), prefs);
  EXPECT_EQ(ReadBytes(DataFile()), "");
}

TEST_F(PromptTest, CancelOnAFirstRunCreatesNoStore) {
  StartProgram();
  Click(*Prompt().PushButton2);
  ProcessEvents();

  EXPECT_TRUE(fw::HasQuit());
  EXPECT_FALSE(std::filesystem::exists(PrefsFile()));
  EXPECT_FALSE(std::filesystem::exists(DataFile()));
}

TEST_F(PromptTest, EscapeCancels) {
  WriteStore();
  StartProgram();
  QTest::keyClicks(Field(Prompt()), "opensesame");
  QTest::keyClick(Field(Prompt()), Qt::Key_Escape);
  ProcessEvents();

  EXPECT_TRUE(fw::HasQuit());
  EXPECT_EQ(Application().flag, "");
}

TEST_F(PromptTest, ReturnPressesOkAndAWrongEntryCanBeFollowedByTheRightOne) {
  WriteStore();
  StartProgram();
  QLineEdit* field = Field(Prompt());
  QTest::keyClicks(field, "opensesamE");
  QTest::keyClick(field, Qt::Key_Return);
  ASSERT_TRUE(Prompt().pswdError->Visible());

  QTest::keyClick(field, Qt::Key_Backspace);
  QTest::keyClicks(field, "e");
  QTest::keyClick(field, Qt::Key_Return);
  ProcessEvents();

  EXPECT_FALSE(PromptIsOpen());
  EXPECT_EQ(Application().flag, "true");
  ASSERT_TRUE(fw::SharedExists<Window1>());
  EXPECT_FALSE(Main().IsLocked());
  EXPECT_FALSE(fw::HasQuit());
}

TEST_F(PromptTest, TheDefaultPasswordUnlocksAFirstRun) {
  StartProgram();
  Unlock("7294");

  EXPECT_FALSE(PromptIsOpen());
  EXPECT_TRUE(Main().IsShown());
  EXPECT_EQ(Application().flag, "true");
}

// What the user sees of the lock in the main window.
struct LockView {
  std::string caption;
  fw::PicturePtr icon;
  bool listAndCommands;  // the list, Save, add and Go
};

LockView Seen(const Window1& w) {
  bool commands = w.ListBox1->Enabled();
  EXPECT_EQ(w.saveBtn->Enabled(), commands);
  EXPECT_EQ(w.addbtn->Enabled(), commands);
  EXPECT_EQ(w.goBtn->Enabled(), commands);
  return {w.lockBtn->Caption(), w.lockBtn->Icon(), commands};
}

// The first accepted password unlocks, the lock button's prompt then locks and
// unlocks again; a wrong entry on the way changes nothing, and each opening of
// the prompt starts empty. Delete stays off: no row is selected.
TEST_F(PromptTest, EachAcceptedPasswordTogglesTheLock) {
  StartProgram();
  ASSERT_NE(locked(), nullptr);
  ASSERT_NE(unlocked(), nullptr);
  const LockView unlockedView{"Lock", unlocked(), true};
  const LockView lockedView{"Unlock", locked(), false};

  for (int round = 1; round <= 3; ++round) {
    SCOPED_TRACE("accepted password " + std::to_string(round));
    if (round > 1) Click(*Main().lockBtn);
    ASSERT_TRUE(PromptIsOpen());
    EXPECT_EQ(Prompt().EditField1->Text(), "");
    EXPECT_FALSE(Prompt().pswdError->Visible());
    if (round == 2) {
      EnterPassword("7249");
      ASSERT_TRUE(PromptIsOpen());
      EXPECT_FALSE(Main().IsLocked());
      QTest::keyClick(Field(Prompt()), Qt::Key_A, Qt::ControlModifier);
      QTest::keyClick(Field(Prompt()), Qt::Key_Delete);
    }
    EnterPassword("7294");

    ASSERT_FALSE(PromptIsOpen());
    const LockView& want = round % 2 == 1 ? unlockedView : lockedView;
    LockView seen = Seen(Main());
    EXPECT_EQ(seen.caption, want.caption);
    EXPECT_EQ(seen.icon, want.icon);
    EXPECT_EQ(seen.listAndCommands, want.listAndCommands);
    EXPECT_EQ(Main().IsLocked(), round % 2 == 0);
    EXPECT_FALSE(Main().delBtn->Enabled());
    EXPECT_TRUE(Main().IsShown());
    EXPECT_EQ(Application().flag, "true");
  }
  EXPECT_FALSE(fw::HasQuit());
}

// The lock keeps the rows but shows nothing of them: the selection goes, and
// with it the fields; the next unlock starts with no row selected.
TEST_F(PromptTest, LockingWithARowSelectedEmptiesTheFields) {
  WriteStore();
  WriteBytes(DataFile(), "bank\t" + fw::EncodeBase64("ann") + "\t" + fw::EncodeBase64("pw1") +
                             "\thttps://bank.example/\tPIN^1234\r" + "mail\t" + fw::EncodeBase64("bob") + "\t" +
                             fw::EncodeBase64("pw2") + "\thttps://mail.example/\t\r");
  StartProgram();
  Unlock("opensesame");
  Window1& w = Main();
  w.ListBox1->ListIndex(0);
  ASSERT_EQ(w.descrFld->Text(), "bank");
  ASSERT_EQ(w.pswdFld->Text(), "pw1");
  ASSERT_TRUE(w.delBtn->Enabled());
  Lock("opensesame");

  EXPECT_EQ(w.ListBox1->ListIndex(), -1);
  EXPECT_EQ(w.ListBox1->ListCount(), 2);
  for (fw::TextEdit* field : {static_cast<fw::TextEdit*>(w.descrFld), static_cast<fw::TextEdit*>(w.userFld),
                              static_cast<fw::TextEdit*>(w.pswdFld), static_cast<fw::TextEdit*>(w.urlFld),
                              static_cast<fw::TextEdit*>(w.noteFld)})
    EXPECT_EQ(field->Text(), "") << field->Name();
  EXPECT_FALSE(w.delBtn->Enabled());

  Click(*w.lockBtn);
  Unlock("opensesame");
  EXPECT_EQ(w.ListBox1->ListIndex(), -1);
  EXPECT_EQ(w.ListBox1->ListCount(), 2);
  EXPECT_EQ(w.descrFld->Text(), "");
  EXPECT_FALSE(w.delBtn->Enabled());
}

// With no row selected there is no selection to clear, and still nothing that
// was typed stays on show while locked.
TEST_F(PromptTest, LockingWithNoRowSelectedEmptiesWhatWasTyped) {
  WriteStore();
  StartProgram();
  Unlock("opensesame");
  Window1& w = Main();
  ASSERT_EQ(w.ListBox1->ListIndex(), -1);
  const std::vector<fw::TextEdit*> fields{w.descrFld, w.userFld, w.pswdFld, w.urlFld, w.noteFld};
  for (fw::TextEdit* field : fields) {
    Click(*field);
    Type(*field, "typed " + field->Name());
    ASSERT_EQ(field->Text(), "typed " + field->Name());
  }
  Lock("opensesame");

  for (fw::TextEdit* field : fields) EXPECT_EQ(field->Text(), "") << field->Name();
  EXPECT_FALSE(w.delBtn->Enabled());
}

// The right password opens the main window, which reads the store: a data file
// it cannot read ends the run there, and nothing is saved over either file.
TEST_F(PromptTest, AStoreThatCannotBeReadIsNeitherUnlockedNorOverwritten) {
  WriteStore();
  std::filesystem::remove(DataFile());
  std::filesystem::create_directory(DataFile());
  const std::string prefs = ReadBytes(PrefsFile());
  StartProgram();

  EnterPassword("opensesame");

  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].text.find(DataFile().string()), std::string::npos) << dialogs.messages[0].text;
  EXPECT_TRUE(fw::HasQuit());
  EXPECT_FALSE(PromptIsOpen());
  EXPECT_EQ(ReadBytes(PrefsFile()), prefs);
  EXPECT_TRUE(std::filesystem::is_directory(DataFile()));
  EXPECT_TRUE(std::filesystem::is_empty(DataFile()));
}

// Cancel quits also when the lock button opened the prompt; the password was
// accepted in this run, so the store is written as at every close.
TEST_F(PromptTest, CancelFromTheLockButtonQuitsAndWritesTheStore) {
  StartProgram();
  Unlock("7294");
  Click(*Main().lockBtn);
  ASSERT_TRUE(PromptIsOpen());

  Click(*Prompt().PushButton2);
  ProcessEvents();

  EXPECT_TRUE(fw::HasQuit());
  EXPECT_FALSE(fw::SharedExists<Window1>());
  const std::string prefs = ReadBytes(PrefsFile());
  EXPECT_NE(prefs.find("\rpswd\tyes\tyes\rNzI5NA==\r"), std::string::npos) << prefs;
  ASSERT_TRUE(std::filesystem::exists(DataFile()));
  EXPECT_EQ(ReadBytes(DataFile()), "");
}

TEST_F(PromptTest, FileMenuFollowsTheLockAndTheRows) {
  StartProgram();
  Unlock("7294");
  fw::MenuItem* file = fw::Shared<MenuBar1>().Child("FileMenu");
  auto openFileMenu = [&] {
    file->Menu()->popup(QPoint(0, 0));
    file->Menu()->hide();
  };

  openFileMenu();
  EXPECT_FALSE(file->Child("FileExport")->Enabled()) << "nothing to export";
  EXPECT_TRUE(file->Child("FileImport")->Enabled());

  Main().ListBox1->AddRow("bank");
  openFileMenu();
  EXPECT_TRUE(file->Child("FileExport")->Enabled());
  EXPECT_TRUE(file->Child("FileImport")->Enabled());

  Lock("7294");
  openFileMenu();
  EXPECT_FALSE(file->Child("FileExport")->Enabled());
  EXPECT_FALSE(file->Child("FileImport")->Enabled());
}

// The menu bar shows in the prompt, so its shortcuts work there: Quit before
// any password is given ends the run and saves nothing.
TEST_F(PromptTest, CommandQInThePromptQuitsWithoutSaving) {
  WriteStore();
  const std::string prefs = ReadBytes(PrefsFile());
  StartProgram();
  pswdWin1& prompt = Prompt();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(prompt.TopLevelWidget()));
  auto* top = static_cast<QMainWindow*>(prompt.TopLevelWidget());
  ASSERT_NE(top->menuWidget(), nullptr);
  EXPECT_TRUE(top->menuWidget()->isVisible());
  EXPECT_EQ(prompt.MenuBar(), &fw::Shared<MenuBar1>());
  // The window's content keeps its size below the menu bar.
  EXPECT_EQ(prompt.ContentWidget()->height(), 161);

  top->activateWindow();
  Field(prompt)->setFocus();
  QTest::keyClick(Field(prompt), Qt::Key_Q, Qt::ControlModifier);
  ProcessEvents();

  EXPECT_TRUE(fw::HasQuit());
  EXPECT_FALSE(PromptIsOpen());
  EXPECT_EQ(ReadBytes(PrefsFile()), prefs);
  EXPECT_EQ(ReadBytes(DataFile()), "");
}

// Before the first accepted password the store is locked: the File menu offers
// neither Export... nor Import..., and opening it does not load the store.
TEST_F(PromptTest, FileMenuBeforeThePasswordOffersNoExportOrImport) {
  WriteStore();
  StartProgram();
  MenuBar1& bar = fw::Shared<MenuBar1>();
  bar.Child("FileMenu")->Menu()->popup(QPoint(0, 0));
  fw::MenuItem* file = bar.Child("FileMenu");

  EXPECT_FALSE(file->Child("FileExport")->Enabled());
  EXPECT_FALSE(file->Child("FileImport")->Enabled());
  EXPECT_TRUE(file->Child("FileQuit")->Enabled());
  EXPECT_FALSE(fw::SharedExists<Window1>());
  file->Menu()->hide();
}

}  // namespace
