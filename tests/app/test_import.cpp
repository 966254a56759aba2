// Import: the open dialog, the test of the first line, one entry per line
// whatever ends the lines, the column count growing, the labels and the
// message; old Mac Roman files read as text; unreadable files reported.
#include <sys/stat.h>

#include <QTreeView>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/startup.h"
#include "framework/fw_date.h"
#include "framework/fw_dialogs.h"
#include "framework/fw_shared.h"
#include "mainwindow/window1.h"
#include "support/child_process.h"
#include "support/kavro_test.h"

namespace {

using kavro::testing::KavroTest;
namespace fs = std::filesystem;
using Row = std::vector<std::string>;

const fs::path kFixtures = fs::path(KAVRO_FIXTURES_DIR) / "import";

class ImportTest : public KavroTest {
 protected:
  void SetUp() override {
    KavroTest::SetUp();
    InitFileTypes();
    NewAppInstance();
    fs::create_directories(Desktop());
    window = &fw::Shared<Window1>();
    window->counter->Text("2");
    window->lastUpdated->Text("before the import");
  }
  void TearDown() override {
    KavroTest::TearDown();
    ReleaseModuleObjects();
  }

  fs::path Desktop() const { return HomeDir() / "Desktop"; }
  fw::Listbox& List() const { return *window->ListBox1; }

  void AddEntry(const Row& cells) {
    List().AddRow(cells[0]);
    for (size_t c = 1; c < cells.size(); ++c) List().Cell(List().LastIndex(), static_cast<int>(c), cells[c]);
  }

  // Imports the file, chosen in the open dialog.
  void ImportFrom(const fs::path& file) {
    dialogs.files.push_back(file);
    fw::Shared<App>().import();
  }

  // Imports a file holding bytes.
  void ImportBytes(const std::string& bytes) {
    const fs::path file = Desktop() / "import.txt";
    WriteBytes(file, bytes);
    ImportFrom(file);
  }

  // Cells 0 to columns - 1 of each row from first on.
  std::vector<Row> Rows(int first = 0, int columns = 5) const {
    std::vector<Row> rows;
    for (int r = first; r < List().ListCount(); ++r) {
      Row row;
      for (int c = 0; c < columns; ++c) row.push_back(List().Cell(r, c));
      rows.push_back(row);
    }
    return rows;
  }

  static std::string Added(int n) {
    return "OK, import completed with success.\r" + std::to_string(n) + " records added.";
  }

  Window1* window = nullptr;
};

TEST_F(ImportTest, AnExportedFileComesBackWithItsHeaderAsAnEntryAndNotesSplitAtTheirLineBreaks) {
  AddEntry({"Bank", "anna", "s3cret", "https://bank.example", "pin 1234"});
  AddEntry({"Mail", "bWFpbA==", "p^w", "", "first line\rsecond\tpart"});
  const fs::path file = Desktop() / "Kavro exported file";
  dialogs.files.push_back(file);
  window->Export();
  dialogs.messages.clear();
  const std::string before = fw::Date().LongDate();

  ImportFrom(file);

  ASSERT_EQ(dialogs.fileDialogs.size(), 2u);
  const fw::FileDialogRequest& shown = dialogs.fileDialogs[1];
  EXPECT_EQ(shown.kind, fw::FileDialogRequest::Kind::Open);
  EXPECT_EQ(shown.initialDirectory, Desktop());
  EXPECT_EQ(shown.promptText, "Select the data file to import:");
  EXPECT_EQ(shown.title, "Select the file to import");
  EXPECT_EQ(shown.filter, "text/plain");
  // Text that looks like Base64 or holds "^" stays as it is.
  EXPECT_EQ(Rows(2), (std::vector<Row>{{"Description", "UserName", "Password", "URL", "Note"},
                                       {"Bank", "anna", "s3cret", "https://bank.example", "pin 1234"},
                                       {"Mail", "bWFpbA==", "p^w", "", "first line"},
                                       {"second", "part", "", "", ""}}));
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{Added(4)});
  EXPECT_EQ(window->counter->Text(), "4");
  // The long date alone, without the time.
  const std::string shownDate = window->lastUpdated->Text();
  EXPECT_TRUE(shownDate == before || shownDate == fw::Date().LongDate()) << shownDate;
}

TEST_F(ImportTest, AFirstLineWithoutExactlyFiveFieldsIsTheWrongFileType) {
  AddEntry({"Bank", "anna", "s3cret", "", ""});
  struct Case {
    const char* what;
    std::string bytes;
  };
  const Case cases[] = {
      {"four fields", "a\tb\tc\td\nA\tB\tC\tD\tE\n"},
      {"six fields", "a\tb\tc\td\te\tf\n"},
      {"an empty first line", "\na\tb\tc\td\te\n"},
      {"an empty file", ""},
  };
  for (const Case& c : cases) {
    dialogs.messages.clear();
    ImportBytes(c.bytes);
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Wrong file type!"}) << c.what;
    EXPECT_EQ(List().ListCount(), 1) << c.what;
    EXPECT_EQ(List().ColumnCount(), 5) << c.what;
  }
  EXPECT_EQ(window->counter->Text(), "2");
  EXPECT_EQ(window->lastUpdated->Text(), "before the import");
}

TEST_F(ImportTest, LaterLinesAreNotTestedAndWiderOnesAddColumnsThatStayHidden) {
  ImportBytes(
      "h1\th2\th3\th4\th5\n"
      "1\t2\t3\t4\t5\t6\t7\n"
      "desc\tuser\n"
      "\n"
      "last\tu\tp\turl\tnote");

  EXPECT_EQ(List().ColumnCount(), 7);
  EXPECT_EQ(Rows(0, 7), (std::vector<Row>{{"h1", "h2", "h3", "h4", "h5", "", ""},
                                          {"1", "2", "3", "4", "5", "6", "7"},
                                          {"desc", "user", "", "", "", "", ""},
                                          {"", "", "", "", "", "", ""},
                                          {"last", "u", "p", "url", "note", "", ""}}));
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{Added(5)});
  // The list still shows the description alone.
  auto* tree = qobject_cast<QTreeView*>(List().Widget());
  ASSERT_NE(tree, nullptr);
  for (int column = 1; column < 7; ++column) EXPECT_TRUE(tree->isColumnHidden(column)) << column;
}

TEST_F(ImportTest, FiveLinesIntoAListOfTenAddFiveAndLeaveTheSelection) {
  for (int i = 0; i < 10; ++i) AddEntry({"Entry " + std::to_string(i), "u", "p", "", ""});
  List().ListIndex(3);

  ImportBytes("A\t\t\t\t\nB\t\t\t\t\nC\t\t\t\t\nD\t\t\t\t\nE\t\t\t\t\n");

  EXPECT_EQ(List().ListCount(), 15);
  EXPECT_EQ(List().List(9), "Entry 9");
  EXPECT_EQ(List().List(10), "A");
  EXPECT_EQ(List().List(14), "E");
  EXPECT_EQ(List().ListIndex(), 3);
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{Added(5)});
  EXPECT_EQ(window->counter->Text(), "5");
}

TEST_F(ImportTest, LinesEndAtCrLfOrCrLfAndEmptyLinesAreEntries) {
  struct Case {
    const char* what;
    std::string bytes;
  };
  const Case cases[] = {
      {"CR", "a\tb\tc\td\te\r\rz\r"},
      {"LF", "a\tb\tc\td\te\n\nz\n"},
      {"CR LF", "a\tb\tc\td\te\r\n\r\nz\r\n"},
      {"mixed, no end after the last line", "a\tb\tc\td\te\r\n\nz"},
  };
  for (const Case& c : cases) {
    List().DeleteAllRows();
    dialogs.messages.clear();
    ImportBytes(c.bytes);
    EXPECT_EQ(Rows(), (std::vector<Row>{{"a", "b", "c", "d", "e"}, {"", "", "", "", ""}, {"z", "", "", "", ""}}))
        << c.what;
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{Added(3)}) << c.what;
  }
}

TEST_F(ImportTest, AnOldMacRomanFileWithCrLineEndsReadsAsText) {
  ImportFrom(kFixtures / "kavro1-macroman.txt");

  EXPECT_EQ(Rows(), (std::vector<Row>{
                        {"Description", "UserName", "Password", "URL", "Note"},
                        {"Caf\xC3\xA9", "ren\xC3\xA9", "m\xC3\xBCnze", "http://cafe.example", "gr\xC3\xB6\xC3\x9F" "e"},
                        {"Gar\xC3\xA7on", "fran\xC3\xA7ois", "\xC3\xA0 la carte", "", "S\xC3\xA8vres"},
                    }));
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{Added(3)});
}

// Import reads text in UTF-8 or Mac Roman: a file in UTF-16 (with its
// byte-order mark or without, when its NUL bytes give it away) or any file
// holding a NUL byte is no such text, and nothing of it reaches the list.
TEST_F(ImportTest, AUtf16FileOrOneHoldingANulByteIsTheWrongFileType) {
  AddEntry({"Bank", "anna", "s3cret", "", ""});
  for (const char* name :
       {"utf16le-with-bom.txt", "utf16be-with-bom.txt", "utf16le-without-bom.txt", "nul-in-a-later-line.txt"}) {
    dialogs.messages.clear();
    ImportFrom(kFixtures / name);
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Wrong file type!"}) << name;
    EXPECT_EQ(List().ListCount(), 1) << name;
  }
  EXPECT_EQ(window->counter->Text(), "2");
  EXPECT_EQ(window->lastUpdated->Text(), "before the import");
}

TEST_F(ImportTest, AUtf8ByteOrderMarkIsNoPartOfTheFirstDescription) {
  ImportFrom(kFixtures / "utf8-with-bom.txt");

  EXPECT_EQ(Rows(), (std::vector<Row>{
                        {"Bank", "anna", "s3cret", "https://bank.example", "pin"},
                        {"Caf\xC3\xA9", "ren\xC3\xA9", "m\xC3\xBCnze", "http://cafe.example", "gr\xC3\xB6\xC3\x9F" "e"},
                    }));
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{Added(2)});
}

TEST_F(ImportTest, AFileThatCannotBeReadIsReportedWithItsNameAndTheListStaysAsItWas) {
  AddEntry({"Bank", "anna", "s3cret", "", ""});
  struct Case {
    const char* what;
    fs::path chosen;
  };
  const fs::path folder = Desktop() / "a folder";
  fs::create_directories(folder);
  const Case cases[] = {
      {"a folder", folder},
      {"a file gone since it was chosen", Desktop() / "gone.txt"},
  };
  for (const Case& c : cases) {
    dialogs.messages.clear();
    ImportFrom(c.chosen);
    ASSERT_EQ(dialogs.messages.size(), 1u) << c.what;
    const std::string& text = dialogs.messages[0].text;
    EXPECT_EQ(text.rfind("Kavro cannot read the file \"" + c.chosen.string() + "\": ", 0), 0u) << text;
    EXPECT_NE(text.find("Nothing was imported."), std::string::npos) << text;
    EXPECT_EQ(List().ListCount(), 1) << c.what;
  }
  EXPECT_EQ(window->counter->Text(), "2");
}

// A FIFO would block the open until some writer came: the import says at
// once that it cannot read it. Run in a child, so that a hang fails the test.
TEST_F(ImportTest, AFifoChosenForImportIsReportedAtOnceAndAddsNothing) {
  AddEntry({"Bank", "anna", "s3cret", "", ""});
  const fs::path fifo = Desktop() / "export.txt";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  kavro::testing::ChildOutcome run = kavro::testing::RunInChild(
      [&](std::string& report) {
        ImportFrom(fifo);
        for (const std::string& text : dialogs.Texts()) report += "message: " + text + "\n";
        report += "rows: " + std::to_string(List().ListCount()) + ", records: " + window->counter->Text() + "\n";
        return 0;
      },
      std::chrono::seconds(10));
  ASSERT_TRUE(run.exited) << run.Describe();
  EXPECT_EQ(run.report, "message: Kavro cannot read the file \"" + fifo.string() +
                            "\": Not a regular file.\r\rNothing was imported.\nrows: 1, records: 2\n");
}

TEST_F(ImportTest, ACancelledDialogChangesNothingAndSaysNothing) {
  fw::Shared<App>().import();  // no file scripted: the user cancels
  EXPECT_EQ(dialogs.fileDialogs.size(), 1u);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(List().ListCount(), 0);
  EXPECT_EQ(window->counter->Text(), "2");
}

}  // namespace
