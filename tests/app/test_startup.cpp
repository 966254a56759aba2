// Start-up: the first run's welcome, the settings read from the preferences
// file, and a preferences file that cannot be read.
#include <sys/stat.h>
#include <unistd.h>

#include <new>
#include <system_error>

#include "app/app.h"
#include "app/startup.h"
#include "dialogs/pswdwin1.h"
#include "framework/fw_application.h"
#include "framework/fw_base64.h"
#include "framework/fw_shared.h"
#include "framework/fw_textstreams.h"
#include "support/child_process.h"
#include "support/kavro_test.h"

namespace {

using kavro::testing::KavroTest;

class StartupTest : public KavroTest {
 protected:
  // What the program does from its start-up step to the application's Open.
  App& StartProgram() {
    Startup();
    fw::TheApplication()->RaiseOpen();
    return fw::Shared<App>();
  }
  void TearDown() override {
    KavroTest::TearDown();
    ReleaseModuleObjects();
  }
};

TEST_F(StartupTest, FirstRunWelcomesAndTakesTheDefaultPassword) {
  App& app = StartProgram();

  const std::string expected =
      "Welcome to Kavro 2.0\r\r"
      "Welcome to Kavro 2.2.2, the easy way to manage your internet accounts.\r"
      "After the authentication, please take some time to change first your password (the default "
      "password is '7294').\r\r"
      "If you're a Kavro 1.x user, to import your existing passwords please use first the Kavro "
      "version 1.x 'Export...' menu command to save your datas as a text file.";
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, expected);
  EXPECT_EQ(dialogs.messages[0].buttons, 0);
  EXPECT_EQ(app.pswd, "7294");
  EXPECT_EQ(app.whatToCopy, "");
  EXPECT_EQ(app.clearPswd, "");
  EXPECT_EQ(app.showPswd, "");
  EXPECT_EQ(app.flag, "");
  EXPECT_FALSE(fw::HasQuit());
  EXPECT_FALSE(std::filesystem::exists(PrefsFile()));
  EXPECT_FALSE(std::filesystem::exists(DataFile()));
}

TEST_F(StartupTest, MissingPreferencesFolderIsAFirstRun) {
  std::filesystem::remove_all(PreferencesDir());
  App& app = StartProgram();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text.rfind("Welcome to Kavro 2.0\r", 0), 0u);
  EXPECT_EQ(app.pswd, "7294");
  EXPECT_FALSE(std::filesystem::exists(PreferencesDir()));
}

struct PrefsCase {
  const char* name;
  std::string file;
  std::string whatToCopy, clearPswd, showPswd, pswd;
};

void PrintTo(const PrefsCase& c, std::ostream* os) { *os << c.name; }

class PreferencesFileTest : public StartupTest, public ::testing::WithParamInterface<PrefsCase> {};

TEST_P(PreferencesFileTest, ReadsSettingsAndPasswordWithoutWelcome) {
  const PrefsCase& c = GetParam();
  WriteBytes(PrefsFile(), c.file);
  std::string before = ReadBytes(PrefsFile());

  App& app = StartProgram();

  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(app.whatToCopy, c.whatToCopy);
  EXPECT_EQ(app.clearPswd, c.clearPswd);
  EXPECT_EQ(app.showPswd, c.showPswd);
  EXPECT_EQ(app.pswd, c.pswd);
  EXPECT_EQ(app.flag, "");
  EXPECT_EQ(ReadBytes(PrefsFile()), before);
  EXPECT_FALSE(std::filesystem::exists(DataFile()));
}

const std::string kSecret = fw::EncodeBase64("s3cr\xC3\xA9t");  // "s3cr" + e-acute, UTF-8
const std::string kLongSecret = "a master password of more than fifty-seven bytes, \xC3\xA9 included";

INSTANTIATE_TEST_SUITE_P(
    Cases, PreferencesFileTest,
    ::testing::Values(
        PrefsCase{"Full", "10\t20\t620\t455\r200\rname\tno\tyes\r" + kSecret + "\r", "name", "no", "yes",
                  "s3cr\xC3\xA9t"},
        PrefsCase{"FourthFieldIgnored", "x\ry\rpswd\tyes\tno\textra\r" + kSecret + "\r", "pswd", "yes",
                  "no", "s3cr\xC3\xA9t"},
        PrefsCase{"LinesOneAndTwoHaveNoEffect", "name\tno\tno\rpswd\tyes\tyes\rname\tno\tyes\r" + kSecret,
                  "name", "no", "yes", "s3cr\xC3\xA9t"},
        PrefsCase{"EmptyLineFourIsAnEmptyPassword", "1\r2\rname\tno\tyes\r\r", "name", "no", "yes", ""},
        PrefsCase{"TwoLinesOnly", "1\r2\r", "", "", "", ""},
        PrefsCase{"EmptyFile", "", "", "", "", ""},
        PrefsCase{"ValuesTakenVerbatim", "1\r2\rNAME\tYes\t\r" + kSecret + "\r", "NAME", "Yes", "",
                  "s3cr\xC3\xA9t"},
        PrefsCase{"LfLineEnds", "1\n2\nname\tno\tyes\n" + kSecret + "\n", "name", "no", "yes",
                  "s3cr\xC3\xA9t"},
        // An older writer wrapped Base64 at 76 characters: line 4 goes on in line 5.
        PrefsCase{"WrappedMasterPassword", "1\r2\rname\tno\tyes\r" + fw::EncodeBase64(kLongSecret, 76) + "\r",
                  "name", "no", "yes", kLongSecret},
        PrefsCase{"CrLfLineEnds", "1\r\n2\r\nname\tno\tyes\r\n" + kSecret + "\r\n", "name", "no", "yes",
                  "s3cr\xC3\xA9t"}),
    [](const ::testing::TestParamInfo<PrefsCase>& info) { return std::string(info.param.name); });

TEST_F(StartupTest, PreferencesFileThatIsAFolderEndsTheRunUntouched) {
  std::filesystem::create_directory(PrefsFile());
  App& app = StartProgram();

  ASSERT_EQ(dialogs.messages.size(), 1u);
  const std::string& text = dialogs.messages[0].text;
  EXPECT_NE(text.find(PrefsFile().string()), std::string::npos) << text;
  EXPECT_NE(text.find("cannot read"), std::string::npos) << text;
  EXPECT_TRUE(app.storeUnreadable);
  EXPECT_TRUE(fw::HasQuit());
  EXPECT_TRUE(std::filesystem::is_directory(PrefsFile()));
  EXPECT_FALSE(std::filesystem::exists(DataFile()));
}

// Memory running out part-way through the file, as the framework's stream
// fault stands for it.
TEST_F(StartupTest, PreferencesFileReadOnlyInPartEndsTheRunUntouched) {
  const std::string prefs = "1\r2\rname\tno\tyes\rczNjcmV0\r";
  WriteBytes(PrefsFile(), prefs);
  int lines = 0;
  fw::testing::SetStreamFault([&](const std::filesystem::path& file) {
    if (file == PrefsFile() && ++lines == 3) throw std::bad_alloc();
  });

  App& app = StartProgram();

  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Kavro cannot read the file \"" + PrefsFile().string() + "\": " +
                                          std::make_error_code(std::errc::not_enough_memory).message() +
                                          ".\r\rKavro will quit now and leave the file as it is.");
  EXPECT_TRUE(app.storeUnreadable);
  EXPECT_TRUE(fw::HasQuit());
  EXPECT_EQ(fw::ExitStatus(), 1);
  EXPECT_FALSE(fw::SharedExists<pswdWin1>());
  EXPECT_EQ(ReadBytes(PrefsFile()), prefs);
  EXPECT_FALSE(std::filesystem::exists(DataFile()));
}

TEST_F(StartupTest, PreferencesFileWithoutPermissionEndsTheRunUntouched) {
  WriteBytes(PrefsFile(), "1\r2\rname\tno\tyes\r\r");
  ::chmod(PrefsFile().c_str(), 0);
  // The folders are the reader's own, so only the file's permissions stop it
  // (and a wrongful save would go through).
  kavro::testing::RunAsNobody({PreferencesDir().parent_path(), PreferencesDir(), HomeDir()}, [&] {
    App& app = StartProgram();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].text.find(PrefsFile().string()), std::string::npos);
    EXPECT_NE(dialogs.messages[0].text.find("ermission"), std::string::npos) << dialogs.messages[0].text;
    EXPECT_TRUE(app.storeUnreadable);
    EXPECT_TRUE(fw::HasQuit());
  });
  ::chmod(PrefsFile().c_str(), 0600);
  EXPECT_EQ(ReadBytes(PrefsFile()), "1\r2\rname\tno\tyes\r\r");
  EXPECT_FALSE(std::filesystem::exists(DataFile()));
}

}  // namespace
