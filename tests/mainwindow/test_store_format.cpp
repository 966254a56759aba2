// The preferences file and the data file, byte for byte: what the writers
// give, what the readers take back, and the files of older writers.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "framework/fw_textstreams.h"
#include "mainwindow/store_format.h"

namespace store_format {
void PrintTo(const Prefs& p, std::ostream* os) {
  *os << "{" << p.wTop << ", " << p.wLeft << ", " << p.wWidth << ", " << p.wHeight << ", " << p.liWidth
      << ", \"" << p.whatToCopy << "\", \"" << p.clearPswd << "\", \"" << p.showPswd << "\", \"" << p.pswd
      << "\"}";
}
}  // namespace store_format

namespace {

using store_format::Prefs;
using Rows = std::vector<std::vector<std::string>>;

const std::filesystem::path kFixtures = std::filesystem::path(KAVRO_FIXTURES_DIR) / "store";

std::string Repeat(const std::string& text, int times) {
  std::string all;
  for (int i = 0; i < times; ++i) all += text;
  return all;
}

std::string FixtureBytes(const std::string& name) {
  std::ifstream in(kFixtures / name, std::ios::binary);
  EXPECT_TRUE(in) << name;
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A file's lines as the program reads them: to the end, in UTF-8.
std::vector<std::string> Lines(const std::string& bytes) {
  fw::TextInputStream stream(bytes);
  stream.Encoding(fw::Encodings::UTF8);
  std::vector<std::string> lines;
  while (!stream.EndOfFile()) lines.push_back(stream.ReadLine());
  return lines;
}

Rows ReadDataFile(const std::string& bytes) { return store_format::ReadData(Lines(bytes)); }
Prefs ReadPrefsFile(const std::string& bytes) { return store_format::ReadPrefs(Lines(bytes)); }

// A password of 200 bytes: its Base64 is 268 characters, which a writer
// wrapping at 76 would have broken over four lines.
const std::string kLongPassword = Repeat("p@ss", 50);
const std::string kLongPasswordBase64 = Repeat("cEBzc3BAc3NwQHNz", 16) + "cEBzc3BAc3M=";

// 57 bytes of "x": the longest value whose Base64 (76 characters) fills one
// wrapped line.
const std::string kFullWidth = Repeat("eHh4", 19);

// ---- Data file: what the writer gives is what the reader takes back.

struct DataCase {
  const char* name;
  Rows rows;
  std::string bytes;
};

void PrintTo(const DataCase& c, std::ostream* os) { *os << c.name; }

class DataRoundTrip : public ::testing::TestWithParam<DataCase> {};

TEST_P(DataRoundTrip, WritesTheseBytesAndReadsTheRowsBack) {
  const DataCase& c = GetParam();
  EXPECT_EQ(store_format::WriteData(c.rows), c.bytes);
  EXPECT_EQ(ReadDataFile(c.bytes), c.rows);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DataRoundTrip,
    ::testing::Values(
        DataCase{"OneEntry",
                 {{"Mail", "anna", "s3cret", "https://mail.example.org", "PIN on paper"}},
                 "Mail\tYW5uYQ==\tczNjcmV0\thttps://mail.example.org\tPIN on paper\r"},
        DataCase{"AnyScript",
                 {{"Почта – 邮件 – بريد 📧", "Ζωή", "パスワード🔑", "https://例え.テスト/パス", "Zeile eins"}},
                 "Почта – 邮件 – بريد 📧\tzpbPic6u\t44OR44K544Ov44O844OJ8J+UkQ==\t"
                 "https://例え.テスト/パス\tZeile eins\r"},
        DataCase{"NoteLineBreaks",
                 {{"Bank", "", "", "", "line 1\rline 2\r\rline 4\r"}},
                 "Bank\t\t\t\tline 1^line 2^^line 4^\r"},
        DataCase{"EmptyFields",
                 {{"", "", "", "", ""}, {"Only a name", "", "", "", ""}},
                 "\t\t\t\t\rOnly a name\t\t\t\t\r"},
        DataCase{"EmptyUserNameWithPassword", {{"D", "", "p", "", ""}}, "D\t\tcA==\t\t\r"},
        DataCase{"LongPasswordStaysOnOneLine",
                 {{"Forum", "u", kLongPassword, "https://forum.example", ""}},
                 "Forum\tdQ==\t" + kLongPasswordBase64 + "\thttps://forum.example\t\r"},
        DataCase{"RowsInOrder",
                 {{"b", "", "", "", ""}, {"a", "", "", "", ""}, {"c", "", "", "", ""}},
                 "b\t\t\t\t\ra\t\t\t\t\rc\t\t\t\t\r"},
        DataCase{"NoRowsIsAnEmptyFile", {}, ""}),
    [](const ::testing::TestParamInfo<DataCase>& info) { return std::string(info.param.name); });

// ---- Data file: values the line cannot hold as they are.

struct SanitiseCase {
  const char* name;
  std::vector<std::string> cells;
  std::string line;
  std::vector<std::string> readBack;
};

void PrintTo(const SanitiseCase& c, std::ostream* os) { *os << c.name; }

class DataWriterKeepsTheRecordWhole : public ::testing::TestWithParam<SanitiseCase> {};

TEST_P(DataWriterKeepsTheRecordWhole, OneLineOfFiveFields) {
  const SanitiseCase& c = GetParam();
  EXPECT_EQ(store_format::WriteDataLine(c.cells), c.line);
  EXPECT_EQ(ReadDataFile(c.line), Rows{c.readBack});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DataWriterKeepsTheRecordWhole,
    ::testing::Values(SanitiseCase{"TabsInPlainFieldsBecomeBlanks",
                                   {"a\tb", "", "", "http://x\ty", "n\to"},
                                   "a b\t\t\thttp://x y\tn o\r",
                                   {"a b", "", "", "http://x y", "n o"}},
                      SanitiseCase{"LineBreaksInDescriptionAndUrlBecomeBlanks",
                                   {"one\rtwo\nthree\r\nfour", "", "", "http://x\r\n/y", ""},
                                   "one two three four\t\t\thttp://x /y\t\r",
                                   {"one two three four", "", "", "http://x /y", ""}},
                      SanitiseCase{"EveryLineBreakOfANoteIsOneCaret",
                                   {"N", "", "", "", "cr\rlf\ncrlf\r\nend"},
                                   "N\t\t\t\tcr^lf^crlf^end\r",
                                   {"N", "", "", "", "cr\rlf\rcrlf\rend"}},
                      SanitiseCase{"UserNameAndPasswordHoldAnyCharacter",
                                   {"D", "tab\there", "line\r\nbreak", "", ""},
                                   "D\tdGFiCWhlcmU=\tbGluZQ0KYnJlYWs=\t\t\r",
                                   {"D", "tab\there", "line\r\nbreak", "", ""}},
                      SanitiseCase{"MissingCellsAreEmptyAndFurtherCellsDropped",
                                   {"only", "u"},
                                   "only\tdQ==\t\t\t\r",
                                   {"only", "u", "", "", ""}},
                      SanitiseCase{"CellsPastTheFifthAreNotWritten",
                                   {"D", "", "", "", "n", "six", "seven"},
                                   "D\t\t\t\tn\r",
                                   {"D", "", "", "", "n"}}),
    [](const ::testing::TestParamInfo<SanitiseCase>& info) { return std::string(info.param.name); });

// ---- Data file: the reader's rules for lines the writer does not give.

struct ReadCase {
  const char* name;
  std::string bytes;
  Rows rows;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class DataReader : public ::testing::TestWithParam<ReadCase> {};

TEST_P(DataReader, TakesTheseRows) {
  const ReadCase& c = GetParam();
  EXPECT_EQ(ReadDataFile(c.bytes), c.rows);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DataReader,
    ::testing::Values(ReadCase{"EmptyFile", "", {}},
                      ReadCase{"LineWithoutTabIsADescription",
                               "Just a description\r",
                               {{"Just a description", "", "", "", ""}}},
                      ReadCase{"ShortLineGivesEmptyCells", "D\tdQ==\tcA==\r", {{"D", "u", "p", "", ""}}},
                      ReadCase{"SevenFieldsKeptAndOnlyTheNoteTakesCarets",
                               "D\tdQ==\tcA==\tu^rl\tn^o\ts^ix\tseven\r",
                               {{"D", "u", "p", "u^rl", "n\ro", "s^ix", "seven"}}},
                      ReadCase{"EmptyLinesAddNoRow",
                               "\r\rA\t\t\t\t\r\r\rB\t\t\t\t\r",
                               {{"A", "", "", "", ""}, {"B", "", "", "", ""}}},
                      ReadCase{"LastLineWithoutLineEnd",
                               "A\t\t\t\t\rB\tYWI=\tY2Q=\t\t",
                               {{"A", "", "", "", ""}, {"B", "ab", "cd", "", ""}}},
                      ReadCase{"LfAndCrLfLineEnds",
                               "A\t\t\t\t\nB\t\t\t\t\r\nC\r",
                               {{"A", "", "", "", ""}, {"B", "", "", "", ""}, {"C", "", "", "", ""}}},
                      // A value of exactly 57 bytes is 76 characters of Base64 that no
                      // writer wrapped: the next record stays a record of its own.
                      ReadCase{"FullWidthValueOnOneLineIsNotJoined",
                               "A\teHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eH"
                               "h4\t\t\t\rB\tYWI=\t\t\t\r",
                               {{"A", Repeat("x", 57), "", "", ""}, {"B", "ab", "", "", ""}}},
                      // An older writer's 76-character piece, on a line of its own that is
                      // cut short: the line that follows is no Base64 and stays a row.
                      ReadCase{"PieceNotFollowedByBase64IsNotJoined",
                               "A\teHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eH"
                               "h4\rNext entry\t\t\t\t\r",
                               {{"A", Repeat("x", 57), "", "", ""}, {"Next entry", "", "", "", ""}}},
                      // After a 76-character piece, a line is joined on only where the
                      // joined value stays whole Base64 and the record five fields at most.
                      ReadCase{"JoinWouldLeaveAValueOfTheWrongLength",
                               "A\t" + kFullWidth + "\rabcde\tcA==\r",
                               {{"A", Repeat("x", 57), "", "", ""}, {"abcde", "p", "", "", ""}}},
                      ReadCase{"JoinWouldPutPaddingInsideTheValue",
                               "A\t" + kFullWidth + "\rYQ=a\tcA==\r",
                               {{"A", Repeat("x", 57), "", "", ""}, {"YQ=a", "p", "", "", ""}}},
                      ReadCase{"JoinWouldGiveMoreFieldsThanTheWriterWrites",
                               "A\t" + kFullWidth + "\rabcd\tdQ==\tcA==\thttp://x\tn\r",
                               {{"A", Repeat("x", 57), "", "", ""}, {"abcd", "u", "p", "http://x", "n"}}},
                      ReadCase{"WrappedValueGoesOnUntilALineThatCannotCarryItOn",
                               "A\t" + kFullWidth + "\r" + kFullWidth + "\rGoogle\tYm9i\tcHc=\thttp://google.com\t\r",
                               {{"A", Repeat("x", 114), "", "", ""},
                                {"Google", "bob", "pw", "http://google.com", ""}}},
                      ReadCase{"PasswordWrappedWithCrOnly",
                               "Forum\tdQ==\t" + kLongPasswordBase64.substr(0, 76) + "\r" +
                                   kLongPasswordBase64.substr(76, 76) + "\r" +
                                   kLongPasswordBase64.substr(152, 76) + "\r" +
                                   kLongPasswordBase64.substr(228) + "\thttp://f\tn\r",
                               {{"Forum", "u", kLongPassword, "http://f", "n"}}}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

// The data file of an older writer, which wrapped Base64 at 76 characters
// with CR LF inside the record: user names and passwords of 72 to 200 bytes
// over two to four lines, one record with both wrapped.
TEST(OlderDataFile, WrappedBase64IsJoinedAndWrittenBackOnOneLine) {
  const std::string older = FixtureBytes("older-wrapped.data");
  const Rows expected = {
      {"Mail", "anna", "short", "https://mail.example.org", "first line\rsecond line"},
      {"Bank", Repeat("ærø-", 12), "pin", "https://bank.example", ""},
      {"Forum", "bo", kLongPassword, "", "x"},
      {"Both", Repeat("名前", 20), Repeat("秘密!", 15), "https://both.example", "a\rb"},
  };
  Rows rows = ReadDataFile(older);
  EXPECT_EQ(rows, expected);
  // The same file with its records unwrapped.
  std::string unwrapped = older;
  for (size_t at = unwrapped.find("\r\n"); at != std::string::npos; at = unwrapped.find("\r\n", at)) {
    unwrapped.erase(at, 2);
  }
  EXPECT_EQ(store_format::WriteData(rows), unwrapped);
}

// A hand-written file whose first entry's user name is 57 bytes, a full line
// of Base64 that no writer wrapped: the next line is an entry of its own, and
// saving keeps both.
TEST(HandWrittenDataFile, AFullWidthUserNameIsFollowedByAnEntryOfItsOwn) {
  const Rows rows = ReadDataFile(FixtureBytes("full-width-user-name.data"));
  EXPECT_EQ(rows, (Rows{{"Cut", Repeat("x", 57), "", "", ""}, {"Google", "bob", "pw", "http://google.com", ""}}));
  EXPECT_EQ(store_format::WriteData(rows),
            "Cut\t" + kFullWidth + "\t\t\t\rGoogle\tYm9i\tcHc=\thttp://google.com\t\r");
}

// ---- Preferences file.

TEST(PrefsWriter, FourCrEndedLines) {
  Prefs prefs{-5, 20, 620, 455, 200, "name", "no", "yes", "s3cré t"};
  EXPECT_EQ(store_format::WritePrefs(prefs), "-5\t20\t620\t455\r200\rname\tno\tyes\rczNjcsOpIHQ=\r");
  EXPECT_EQ(ReadPrefsFile(store_format::WritePrefs(prefs)), prefs);
}

TEST(PrefsWriter, EmptyValuesKeepTheirPlaces) {
  EXPECT_EQ(store_format::WritePrefs(Prefs{}), "0\t0\t0\t0\r0\r\t\t\r\r");
  EXPECT_EQ(ReadPrefsFile(store_format::WritePrefs(Prefs{})), Prefs{});
}

TEST(PrefsWriter, LongMasterPasswordStaysOnLineFour) {
  Prefs prefs{1, 2, 3, 4, 5, "pswd", "yes", "no", Repeat("secret", 10)};
  const std::string base64 =
      "c2VjcmV0c2VjcmV0c2VjcmV0c2VjcmV0c2VjcmV0c2VjcmV0c2VjcmV0c2VjcmV0c2VjcmV0c2VjcmV0";
  EXPECT_EQ(store_format::WritePrefs(prefs), "1\t2\t3\t4\r5\rpswd\tyes\tno\r" + base64 + "\r");
  EXPECT_EQ(ReadPrefsFile(store_format::WritePrefs(prefs)), prefs);
}

TEST(PrefsWriter, SettingsCannotShiftTheirLines) {
  Prefs prefs;
  prefs.whatToCopy = "na\tme";
  prefs.clearPswd = "y\res";
  prefs.showPswd = "n\no";
  EXPECT_EQ(store_format::WritePrefs(prefs), "0\t0\t0\t0\r0\rna me\ty es\tn o\r\r");
}

struct PrefsReadCase {
  const char* name;
  std::string bytes;
  Prefs prefs;
};

void PrintTo(const PrefsReadCase& c, std::ostream* os) { *os << c.name; }

class PrefsReader : public ::testing::TestWithParam<PrefsReadCase> {};

TEST_P(PrefsReader, TakesThesePreferences) {
  const PrefsReadCase& c = GetParam();
  EXPECT_EQ(ReadPrefsFile(c.bytes), c.prefs);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrefsReader,
    ::testing::Values(
        PrefsReadCase{"Full",
                      "10\t20\t620\t455\r200\rname\tno\tyes\rczNjcmV0\r",
                      {10, 20, 620, 455, 200, "name", "no", "yes", "s3cret"}},
        PrefsReadCase{"ThreeLinesGiveAnEmptyMasterPassword",
                      "10\t20\t620\t455\r200\rname\tno\tyes\r",
                      {10, 20, 620, 455, 200, "name", "no", "yes", ""}},
        PrefsReadCase{"TwoLinesGiveEmptySettingsToo",
                      "10\t20\t620\t455\r200\r",
                      {10, 20, 620, 455, 200, "", "", "", ""}},
        PrefsReadCase{"EmptyFile", "", {}},
        PrefsReadCase{"LineOneWithTwoFields",
                      "10\t20\r200\rname\tno\tyes\r\r",
                      {10, 20, 0, 0, 200, "name", "no", "yes", ""}},
        PrefsReadCase{
            "LineTwoTakesItsLeadingNumber", "1\t2\t3\t4\r250\tx\r\r\r", {1, 2, 3, 4, 250, "", "", "", ""}},
        PrefsReadCase{"NumbersAsValReadsThem",
                      "abc\t 12.9\t-7px\t99999999999\r-2147483649\r\r\r",
                      {0, 12, -7, INT32_MAX, INT32_MIN, "", "", "", ""}},
        PrefsReadCase{"FurtherFieldsAndLinesIgnored",
                      "1\t2\t3\t4\t5\r6\t7\rpswd\tyes\tno\textra\rYWI=\rY2Q=\rmore\r",
                      {1, 2, 3, 4, 6, "pswd", "yes", "no", "ab"}},
        PrefsReadCase{
            "FullWidthMasterPasswordIsNotJoinedWithJunk",
            "0\r0\r\t\t\reHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4\r"
            "not Base64\r",
            {0, 0, 0, 0, 0, "", "", "", Repeat("x", 57)}},
        PrefsReadCase{"LineAfterAFullWidthMasterPasswordJoinsOnlyAsWholeBase64",
                      "0\r0\r\t\t\r" + kFullWidth + "\rYQ=a\r",
                      {0, 0, 0, 0, 0, "", "", "", Repeat("x", 57)}},
        PrefsReadCase{"WrappedMasterPasswordEndsAtTheLineThatCannotCarryItOn",
                      "0\r0\r\t\t\r" + kFullWidth + "\r" + kFullWidth + "\rYWI=\rabc\r",
                      {0, 0, 0, 0, 0, "", "", "", Repeat("x", 114) + "ab"}}),
    [](const ::testing::TestParamInfo<PrefsReadCase>& info) { return std::string(info.param.name); });

// A hand-written file whose master password is 57 bytes, a full line of
// Base64, with a further line of Base64 letters after it: lines after the
// fourth are ignored, and the password stays the one written.
TEST(HandWrittenPrefsFile, ALineAfterAFullWidthMasterPasswordIsIgnored) {
  Prefs prefs = ReadPrefsFile(FixtureBytes("full-width-password-and-more.prefs"));
  EXPECT_EQ(prefs, (Prefs{10, 20, 620, 455, 200, "pswd", "yes", "yes",
                          "this master password is fifty-seven bytes long, not less."}));
}

// An older writer wrapped a master password of 80 bytes over lines 4 and 5.
TEST(OlderPrefsFile, WrappedMasterPasswordIsJoined) {
  Prefs prefs = ReadPrefsFile(FixtureBytes("older-wrapped.prefs"));
  EXPECT_EQ(prefs, (Prefs{12, 34, 700, 500, 220, "name", "yes", "no", Repeat("mäster-", 10)}));
}

}  // namespace
