// Text from files of the old Mac program arrives in MacRoman; converting to
// UTF-8 must repair it while leaving real UTF-8 alone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/fw_encoding.h"

namespace {

TEST(Encoding, ValidUtf8IsRecognised) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"", true},
      {"plain ascii", true},
      {"h\xC3\xA9llo \xE6\x97\xA5 \xF0\x9F\x98\x80", true},
      {"caf\x8E", false},          // MacRoman é
      {"\xC0\xAF", false},         // overlong "/"
      {"\xED\xA0\x80", false},     // a surrogate
      {"\xE6\x97", false},         // cut short
      {"\xF4\x90\x80\x80", false}, // past U+10FFFF
  };
  for (const auto& [text, valid] : cases) EXPECT_EQ(fw::IsValidUTF8(text), valid) << text;
}

TEST(Encoding, ConvertingUtf8ToUtf8ChangesNothing) {
  const std::string text = "Bank \xC2\xAB\xC3\xA9\xC2\xBB \xE6\x97\xA5\xE6\x9C\xAC";
  EXPECT_EQ(fw::ConvertEncoding(text, fw::Encodings::UTF8), text);
}

TEST(Encoding, BytesThatAreNotUtf8AreReadAsMacRoman) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"caf\x8E", "café"},
      {"\x80\x85\x86", "ÄÖÜ"},
      {"\xC7quote\xC8", "«quote»"},
      {"\xDB", "€"},
      {"mot \xA5 de passe", "mot • de passe"},
  };
  for (const auto& [macRoman, utf8] : cases) {
    std::string converted = fw::ConvertEncoding(macRoman, fw::Encodings::UTF8);
    EXPECT_EQ(converted, utf8);
    EXPECT_TRUE(fw::IsValidUTF8(converted));
  }
}

TEST(Encoding, EveryByteConvertsToValidUtf8) {
  std::string bytes;
  for (int b = 1; b < 256; ++b) bytes += static_cast<char>(b);
  std::string converted = fw::ConvertEncoding(bytes, fw::Encodings::UTF8);
  EXPECT_TRUE(fw::IsValidUTF8(converted));
  EXPECT_EQ(converted.substr(0, 127), bytes.substr(0, 127));
}

TEST(Encoding, ToSingleByteEncodings) {
  EXPECT_EQ(fw::ConvertEncoding("café", fw::Encodings::MacRoman), "caf\x8E");
  EXPECT_EQ(fw::ConvertEncoding("café", fw::Encodings::Latin1), "caf\xE9");
  EXPECT_EQ(fw::ConvertEncoding("a\xE6\x97\xA5z", fw::Encodings::Latin1), "a?z");
  EXPECT_EQ(fw::ConvertEncoding("caf\x8E", fw::Encodings::None), "caf\x8E");
}

TEST(Encoding, ToUtf8ReadsTheNamedEncoding) {
  EXPECT_EQ(fw::ToUTF8("caf\xE9", fw::Encodings::Latin1), "café");
  EXPECT_EQ(fw::ToUTF8("caf\x8E", fw::Encodings::MacRoman), "café");
  EXPECT_EQ(fw::ToUTF8("caf\x8E", fw::Encodings::UTF8), "café");
  EXPECT_EQ(fw::ToUTF8("caf\x8E", fw::Encodings::None), "caf\x8E");
}

}  // namespace
