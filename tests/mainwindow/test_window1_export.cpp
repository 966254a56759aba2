// Export: the save dialog, the exact bytes of the file, the message with the
// count; a cancel writes nothing; a file that cannot be created or written is
// reported with its name and reason and never as a success.
#include <sys/resource.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/startup.h"
#include "framework/fw_dialogs.h"
#include "framework/fw_shared.h"
#include "mainwindow/window1.h"
#include "support/kavro_test.h"

namespace {

using kavro::testing::KavroTest;
namespace fs = std::filesystem;

const std::string kHeader = "Description\tUserName\tPassword\tURL\tNote\n";

class ExportTest : public KavroTest {
 protected:
  void SetUp() override {
    KavroTest::SetUp();
    InitFileTypes();
    NewAppInstance();
    fs::create_directories(Desktop());
    window = &fw::Shared<Window1>();
  }
  void TearDown() override {
    KavroTest::TearDown();
    ReleaseModuleObjects();
  }

  fs::path Desktop() const { return HomeDir() / "Desktop"; }

  void AddEntry(const std::vector<std::string>& cells) {
    fw::Listbox& list = *window->ListBox1;
    list.AddRow(cells[0]);
    for (size_t c = 1; c < cells.size(); ++c) list.Cell(list.LastIndex(), static_cast<int>(c), cells[c]);
  }

  // Exports into file, chosen in the save dialog.
  void ExportTo(const fs::path& file) {
    dialogs.files.push_back(file);
    window->Export();
  }

  Window1* window = nullptr;
};

TEST_F(ExportTest, ThreeRowsGiveTheHeaderAndOneLinePerRowInListOrder) {
  window->ListBox1->ColumnCount(7);  // as an import of a wider line leaves it
  AddEntry({"Bank", "anna", "s3cret", "https://bank.example/login", "pin 1234", "sixth", "seventh"});
  AddEntry({"Caf\xC3\xA9", "b\xC3\xBC" "cher", "p\xE2\x82\xAC", "", "two\rlines"});
  AddEntry({"", "", "", "", ""});
  const fs::path file = Desktop() / "Kavro exported file";

  ExportTo(file);

  ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
  const fw::FileDialogRequest& shown = dialogs.fileDialogs[0];
  EXPECT_EQ(shown.kind, fw::FileDialogRequest::Kind::Save);
  EXPECT_EQ(shown.initialDirectory, Desktop());
  EXPECT_EQ(shown.promptText, "Filename for the exported data file:");
  EXPECT_EQ(shown.suggestedFileName, "Kavro exported file");
  EXPECT_EQ(shown.title, "Export your data file");
  // UTF-8, LF line ends, cells 0 to 4 as held; the note's CR stays in its line.
  EXPECT_EQ(ReadBytes(file), kHeader +
                                 "Bank\tanna\ts3cret\thttps://bank.example/login\tpin 1234\n"
                                 "Caf\xC3\xA9\tb\xC3\xBC" "cher\tp\xE2\x82\xAC\t\ttwo\rlines\n"
                                 "\t\t\t\t\n");
  EXPECT_EQ(dialogs.Texts(),
            std::vector<std::string>{"Kavro - Export\r\rOK, export completed with success.\r3 records written."});
}

TEST_F(ExportTest, AnEmptyListGivesTheHeaderAloneAndCountsNone) {
  const fs::path file = Desktop() / "empty.txt";
  ExportTo(file);
  EXPECT_EQ(ReadBytes(file), kHeader);
  EXPECT_EQ(dialogs.Texts(),
            std::vector<std::string>{"Kavro - Export\r\rOK, export completed with success.\r0 records written."});
}

TEST_F(ExportTest, TheFileIsForItsOwnerOnlyAndReplacesAnEarlierOne) {
  AddEntry({"Bank", "anna", "s3cret", "", ""});
  const fs::path file = Desktop() / "passwords.txt";
  WriteBytes(file, "an earlier, longer file that the export replaces whole\n");
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                            fs::perms::others_read);

  ExportTo(file);

  EXPECT_EQ(ReadBytes(file), kHeader + "Bank\tanna\ts3cret\t\t\n");
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(ExportTest, ACancelledDialogWritesNothingAndSaysNothing) {
  AddEntry({"Bank", "anna", "s3cret", "", ""});
  window->Export();  // no file scripted: the user cancels
  EXPECT_EQ(dialogs.fileDialogs.size(), 1u);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(fs::is_empty(Desktop()));
}

TEST_F(ExportTest, AFileThatCannotBeCreatedIsReportedWithItsNameAndNeverAsASuccess) {
  AddEntry({"Bank", "anna", "s3cret", "", ""});
  const fs::path folder = Desktop() / "a folder";
  fs::create_directories(folder);
  const fs::path plainFile = Desktop() / "plain file";
  WriteBytes(plainFile, "kept");
  struct Case {
    const char* what;
    fs::path chosen;
  };
  const Case cases[] = {
      {"a folder where the file should be", folder},
      {"a file where a folder should be", plainFile / "export.txt"},
  };
  for (const Case& c : cases) {
    dialogs.messages.clear();
    ExportTo(c.chosen);
    ASSERT_EQ(dialogs.messages.size(), 1u) << c.what;
    const std::string& text = dialogs.messages[0].text;
    EXPECT_NE(text.find("\"" + c.chosen.string() + "\""), std::string::npos) << c.what << ": " << text;
    EXPECT_EQ(text.find("success"), std::string::npos) << c.what << ": " << text;
    EXPECT_NE(text.find("Nothing was exported."), std::string::npos) << c.what << ": " << text;
  }
  EXPECT_TRUE(fs::is_directory(folder));
  EXPECT_EQ(ReadBytes(plainFile), "kept");
}

// A file size limit makes the write fail part-way, as a full disk would, even for root.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limited = previous_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit previous_{};
  void (*previousHandler_)(int) = nullptr;
};

TEST_F(ExportTest, AWriteThatFailsKeepsTheEarlierFileAndIsReportedWithTheReason) {
  for (int i = 0; i < 200; ++i) AddEntry({"Entry " + std::to_string(i), "user", "a long enough password", "", ""});
  const fs::path file = Desktop() / "Kavro exported file";
  WriteBytes(file, "the earlier export\n");

  {
    FileSizeLimit limit(1024);
    ExportTo(file);
  }

  EXPECT_EQ(ReadBytes(file), "the earlier export\n");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Kavro cannot write the file \"" + file.string() +
                                          "\": " + std::strerror(EFBIG) + ".\r\rNothing was exported.");
  // No temporary file is left beside it.
  EXPECT_EQ(std::distance(fs::directory_iterator(Desktop()), fs::directory_iterator()), 1);
}

}  // namespace
