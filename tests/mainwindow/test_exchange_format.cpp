// The export and import files' lines: the bytes written for a row, the test of
// a file's first line, the fields read back, and the text of old Mac files.
#include "mainwindow/exchange_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/fw_strings.h"

namespace {

using exchange_format::ExportHeader;
using exchange_format::ExportLine;
using exchange_format::ImportFields;
using exchange_format::ImportText;
using exchange_format::IsImportFile;
using Cells = std::vector<std::string>;

TEST(ExchangeFormat, TheHeaderNamesTheFiveColumns) {
  EXPECT_EQ(ExportHeader(), "Description\tUserName\tPassword\tURL\tNote");
  EXPECT_TRUE(IsImportFile(ExportHeader()));
}

TEST(ExchangeFormat, AnExportLineHoldsCellsZeroToFourAsTheyAre) {
  struct Case {
    const char* what;
    Cells cells;
    std::string line;
  };
  const Case cases[] = {
      {"five cells", {"Bank", "anna", "s3cret", "https://bank.example", "pin 1234"},
       "Bank\tanna\ts3cret\thttps://bank.example\tpin 1234"},
      {"empty cells keep their TABs", {"", "", "", "", ""}, "\t\t\t\t"},
      {"no Base64, no ^ and no quoting", {"Mail", "bWFpbA==", "p\"w", "", "a^b"},
       "Mail\tbWFpbA==\tp\"w\t\ta^b"},
      {"a TAB in the description shifts the fields", {"A\tB", "u", "p", "url", "n"}, "A\tB\tu\tp\turl\tn"},
      {"a note's line breaks stay in the line", {"D", "u", "p", "url", "one\rtwo\nthree"},
       "D\tu\tp\turl\tone\rtwo\nthree"},
      {"columns past the fifth are left out", {"a", "b", "c", "d", "e", "f", "g"}, "a\tb\tc\td\te"},
      {"non-ASCII text is written as UTF-8", {"Caf\xC3\xA9", "\xE2\x82\xAC", "", "", ""},
       "Caf\xC3\xA9\t\xE2\x82\xAC\t\t\t"},
  };
  for (const Case& c : cases) EXPECT_EQ(ExportLine(c.cells), c.line) << c.what;
}

TEST(ExchangeFormat, OnlyAFirstLineOfExactlyFiveFieldsIsAnImportFile) {
  struct Case {
    std::string firstLine;
    bool accepted;
  };
  const Case cases[] = {
      {"a\tb\tc\td\te", true},
      {"\t\t\t\t", true},  // five empty fields
      {"a\tb\tc\td", false},
      {"a\tb\tc\td\te\tf", false},
      {"", false},
      {"just one field", false},
      {"a\tb\tc\td\te\t", false},  // a trailing TAB opens a sixth field
  };
  for (const Case& c : cases) EXPECT_EQ(IsImportFile(c.firstLine), c.accepted) << "first line: " << c.firstLine;
}

TEST(ExchangeFormat, ImportFieldsSplitAtEveryTabAsTheFieldFunctionsCountThem) {
  struct Case {
    std::string line;
    Cells fields;
  };
  const Case cases[] = {
      {"", {}},
      {"alone", {"alone"}},
      {"Bank\tanna\ts3cret\thttps://bank.example\tpin", {"Bank", "anna", "s3cret", "https://bank.example", "pin"}},
      {"a\t\tc", {"a", "", "c"}},
      {"\t", {"", ""}},
      {"trailing\t", {"trailing", ""}},
      {"1\t2\t3\t4\t5\t6\t7", {"1", "2", "3", "4", "5", "6", "7"}},
      {"desc\tuser", {"desc", "user"}},
      {"bWFpbA==\tcGFzcw==", {"bWFpbA==", "cGFzcw=="}},  // Base64 look-alikes stay as they are
  };
  const std::string tab = fw::Chr(9);
  for (const Case& c : cases) {
    Cells fields = ImportFields(c.line);
    EXPECT_EQ(fields, c.fields) << "line: " << c.line;
    // The file test counts with the framework's field functions: the reader must agree.
    ASSERT_EQ(static_cast<int>(fields.size()), fw::CountFields(c.line, tab)) << "line: " << c.line;
    for (size_t i = 0; i < fields.size(); ++i)
      EXPECT_EQ(fields[i], fw::NthField(c.line, tab, static_cast<int>(i) + 1)) << "line: " << c.line;
  }
}

TEST(ExchangeFormat, AnExportedLineReadsBackAsItsCells) {
  Cells cells = {"Shop", "b\xC3\xBC" "cher", "x y z", "http://shop.example/?a=1&b=2", "plain note"};
  EXPECT_EQ(ImportFields(ExportLine(cells)), cells);
}

TEST(ExchangeFormat, ImportedTextIsUtf8AndOldMacBytesAreReadAsMacRoman) {
  struct Case {
    const char* what;
    std::string bytes;
    std::string text;
  };
  const Case cases[] = {
      {"ASCII", "plain\ttext", "plain\ttext"},
      {"valid UTF-8 is kept", "Caf\xC3\xA9 \xE2\x82\xAC", "Caf\xC3\xA9 \xE2\x82\xAC"},
      // Mac Roman: 0x8E e acute, 0x8A a diaeresis, 0x9A o diaeresis, 0xA7 sharp s, 0xDB euro.
      {"Mac Roman letters", "Caf\x8E\tM\x8A" "dchen\tgr\x9A\xA7" "e\t\xDB", "Caf\xC3\xA9\tM\xC3\xA4" "dchen\tgr\xC3\xB6\xC3\x9F" "e\t\xE2\x82\xAC"},
      {"a byte cut from UTF-8 is Mac Roman too", "na\xC3", "na\xE2\x88\x9A"},
  };
  for (const Case& c : cases) EXPECT_EQ(ImportText(c.bytes), c.text) << c.what;
}

}  // namespace
