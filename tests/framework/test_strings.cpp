// The text functions count characters, not bytes, and Base64 survives the
// round trip through the store files' one-line and wrapped forms.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "framework/fw_base64.h"
#include "framework/fw_strings.h"

namespace {

const std::string emoji = "\xF0\x9F\x98\x80";  // U+1F600, four bytes

struct FieldCase {
  std::string text, sep;
  int n;
  std::string field;
};

TEST(Strings, NthFieldCountsFromOneAndIsEmptyPastTheLast) {
  const std::vector<FieldCase> cases = {
      {"a\tb\tc", "\t", 1, "a"},   {"a\tb\tc", "\t", 3, "c"},   {"a\tb\tc", "\t", 4, ""},
      {"a\tb\tc", "\t", 0, ""},    {"a\t\tc", "\t", 2, ""},     {"a\tb\t", "\t", 3, ""},
      {"a--b--c", "--", 2, "b"},   {"abc", "\t", 1, "abc"},     {"abc", "", 1, "abc"},
      {"abc", "", 2, ""},          {"", "\t", 1, ""},           {"日本\t語", "\t", 2, "語"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fw::NthField(c.text, c.sep, c.n), c.field) << c.text << " field " << c.n;
  }
}

TEST(Strings, CountFieldsMatchesTheFieldsNthFieldFinds) {
  EXPECT_EQ(fw::CountFields("a\tb\tc\td\te", "\t"), 5);
  EXPECT_EQ(fw::CountFields("a\tb\t", "\t"), 3);  // a trailing separator opens an empty field
  EXPECT_EQ(fw::CountFields("\t", "\t"), 2);
  EXPECT_EQ(fw::CountFields("abc", "\t"), 1);
  EXPECT_EQ(fw::CountFields("a--b--c", "--"), 3);
  EXPECT_EQ(fw::CountFields("", "\t"), 0);
  EXPECT_EQ(fw::CountFields("abc", ""), 1);
}

TEST(Strings, LeftRightMidAndLenCountCodePoints) {
  EXPECT_EQ(fw::Len("héllo"), 5);
  EXPECT_EQ(fw::Len("日本語"), 3);
  EXPECT_EQ(fw::Len("a" + emoji + "b"), 3);
  EXPECT_EQ(fw::Len(""), 0);

  EXPECT_EQ(fw::Left("héllo", 2), "hé");
  EXPECT_EQ(fw::Left("日本語", 1), "日");
  EXPECT_EQ(fw::Left(emoji + "x", 1), emoji);
  EXPECT_EQ(fw::Left("héllo", 99), "héllo");
  EXPECT_EQ(fw::Left("héllo", 0), "");
  EXPECT_EQ(fw::Left("héllo", -1), "");

  EXPECT_EQ(fw::Right("héllo", 4), "éllo");
  EXPECT_EQ(fw::Right("日本語", 2), "本語");
  EXPECT_EQ(fw::Right("日本語", 9), "日本語");
  EXPECT_EQ(fw::Right("日本語", 0), "");

  EXPECT_EQ(fw::Mid("héllo", 2, 3), "éll");
  EXPECT_EQ(fw::Mid("日本語", 2), "本語");
  EXPECT_EQ(fw::Mid("a" + emoji + "b", 2, 1), emoji);
  EXPECT_EQ(fw::Mid("héllo", 0, 2), "hé");
  EXPECT_EQ(fw::Mid("héllo", 6), "");
  EXPECT_EQ(fw::Mid("héllo", 4, 10), "lo");
  EXPECT_EQ(fw::Mid("héllo", 2, std::numeric_limits<int>::max()), "éllo");
}

TEST(Strings, BytesThatAreNotUtf8ComeBackUnchanged) {
  const std::string macRoman = "caf\x8E!";  // é in MacRoman
  EXPECT_EQ(fw::Left(macRoman, 4) + fw::Mid(macRoman, 5), macRoman);
  EXPECT_EQ(fw::Trim(" " + macRoman + " "), macRoman);
}

TEST(Strings, CaseFollowsUnicode) {
  EXPECT_EQ(fw::Lowercase("ÄÖÜ"), "äöü");
  EXPECT_EQ(fw::Lowercase("ΑΒΓ Kavro"), "αβγ kavro");
  EXPECT_EQ(fw::Uppercase("straße"), "STRASSE");
  EXPECT_EQ(fw::Uppercase("äöü"), "ÄÖÜ");
}

TEST(Strings, StrAndValReadBackIntegers) {
  for (int64_t value : {int64_t{0}, int64_t{-1}, int64_t{42}, int64_t{-2147483648}, int64_t{9007199254740992}}) {
    EXPECT_EQ(fw::Val(fw::Str(value)), static_cast<double>(value)) << value;
  }
  EXPECT_EQ(fw::Str(-120), "-120");
}

TEST(Strings, ValTakesTheLeadingNumber) {
  const double inf = std::numeric_limits<double>::infinity();
  const std::vector<std::pair<std::string, double>> cases = {
      {"", 0},        {"abc", 0},      {"12abc", 12},   {" -3", -3},    {"\t7", 7},     {"+5", 5},
      {"-", 0},       {".", 0},        {"-.5", -0.5},   {"3.25", 3.25}, {"1e3", 1000},  {"2E-1x", 0.2},
      {"4e", 4},      {"12 34", 12},   {"1,5", 1},      {"- 3", 0},     {"inf", 0},     {"0x10", 0},
      {"9e999", inf}, {"-9e999", -inf}, {"1e-999", 0},
  };
  for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(fw::Val(text), value) << '"' << text << '"';
}

TEST(Strings, ReplaceAllReplacesEveryOccurrenceOnce) {
  EXPECT_EQ(fw::ReplaceAll("a\rb\rc", "\r", "^"), "a^b^c");
  EXPECT_EQ(fw::ReplaceAll("aaa", "a", "aa"), "aaaaaa");
  EXPECT_EQ(fw::ReplaceAll("abab", "ab", ""), "");
  EXPECT_EQ(fw::ReplaceAll("abc", "", "x"), "abc");
  EXPECT_EQ(fw::ReplaceAll("日本語", "本", "-"), "日-語");
}

TEST(Strings, ChrAndAscAreInverse) {
  EXPECT_EQ(fw::Chr(9), "\t");
  EXPECT_EQ(fw::Chr(13), "\r");
  EXPECT_EQ(fw::Chr(0), std::string(1, '\0'));
  EXPECT_EQ(fw::Chr(0x00AB), "«");
  for (int codepoint : {9, 31, 65, 0xE9, 0x65E5, 0x1F600}) EXPECT_EQ(fw::Asc(fw::Chr(codepoint)), codepoint);
  EXPECT_EQ(fw::Asc("日本"), 0x65E5);
  EXPECT_EQ(fw::Asc(""), 0);
  EXPECT_EQ(fw::Chr(-1), "");
  EXPECT_EQ(fw::Chr(0xD800), "");
  EXPECT_EQ(fw::Chr(0x110000), "");
}

TEST(Strings, InStrGivesTheCharacterPosition) {
  EXPECT_EQ(fw::InStr("héllo", "l"), 3);
  EXPECT_EQ(fw::InStr("日本語", "語"), 3);
  EXPECT_EQ(fw::InStr("abc", "abc"), 1);
  EXPECT_EQ(fw::InStr("abc", "C"), 0);
  EXPECT_EQ(fw::InStr("abc", "x"), 0);
  EXPECT_EQ(fw::InStr("abc", ""), 0);
}

TEST(Strings, TrimRemovesBlanksAndLineEndsAtBothEnds) {
  EXPECT_EQ(fw::Trim(" \t a b \r\n"), "a b");
  EXPECT_EQ(fw::Trim("   "), "");
  EXPECT_EQ(fw::Trim("日本"), "日本");
}

std::string AllBytes() {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  return bytes;
}

TEST(Base64, RoundTripsTextAndBinaryBytes) {
  const std::vector<std::string> values = {"", "a", "ab", "abc", "pässwörd", "日本語" + emoji, AllBytes()};
  for (const auto& value : values) {
    EXPECT_EQ(fw::DecodeBase64(fw::EncodeBase64(value)), value);
    EXPECT_EQ(fw::DecodeBase64(fw::EncodeBase64(value, 76)), value);
  }
}

TEST(Base64, UsesTheStandardAlphabetWithPadding) {
  EXPECT_EQ(fw::EncodeBase64(""), "");
  EXPECT_EQ(fw::EncodeBase64("f"), "Zg==");
  EXPECT_EQ(fw::EncodeBase64("fo"), "Zm8=");
  EXPECT_EQ(fw::EncodeBase64("foo"), "Zm9v");
  EXPECT_EQ(fw::EncodeBase64("\xFB\xFF"), "+/8=");
}

TEST(Base64, WrapsLinesAtTheWidthWithCrLf) {
  const std::string bytes(58, 'x');  // 80 characters of Base64
  const std::string oneLine = fw::EncodeBase64(bytes);
  ASSERT_EQ(oneLine.size(), 80u);
  EXPECT_EQ(oneLine.find_first_of("\r\n"), std::string::npos);
  EXPECT_EQ(fw::EncodeBase64(bytes, 76), oneLine.substr(0, 76) + "\r\n" + oneLine.substr(76));
  EXPECT_EQ(fw::EncodeBase64(std::string(57, 'x'), 76), fw::EncodeBase64(std::string(57, 'x')));
}

TEST(Base64, DecodingSkipsLineBreaksAndBlanks) {
  const std::vector<std::string> forms = {"Zm9vYmFy", "Zm9v\rYmFy", "Zm9v\nYmFy", "Zm9v\r\nYmFy", " Zm9v YmFy \t"};
  for (const auto& text : forms) EXPECT_EQ(fw::DecodeBase64(text), "foobar") << text;
}

}  // namespace
