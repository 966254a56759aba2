// The Base64 codec is written out for speed; it must give what Qt's codec
// gives (older files were written by it, and its lenient decoder defined what
// reads back) for any bytes and for text with anything in between.
#include <QByteArray>
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "framework/fw_base64.h"

namespace {

QByteArray Raw(const std::string& bytes) { return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())); }

std::string QtEncoded(const std::string& bytes) { return Raw(bytes).toBase64().toStdString(); }
std::string QtDecoded(const std::string& text) { return QByteArray::fromBase64(Raw(text)).toStdString(); }

TEST(Base64Codec, EncodesAnyBytesAsQtDoes) {
  std::mt19937 random(7);
  for (size_t size = 0; size < 200; ++size) {
    std::string bytes(size, '\0');
    for (char& b : bytes) b = static_cast<char>(random());
    ASSERT_EQ(fw::EncodeBase64(bytes), QtEncoded(bytes)) << size << " bytes";
    // Appended after what a line already holds, as the store's writer does.
    std::string line = "Bank\t";
    fw::AppendBase64(line, bytes);
    ASSERT_EQ(line, "Bank\t" + QtEncoded(bytes)) << size << " bytes";
  }
}

TEST(Base64Codec, DecodesOddTextAsQtsLenientDecoderDoes) {
  const std::string texts[] = {
      "",          "=",           "====",       "Zg",        "Zg=",        "Zg==",       "Zm8",
      "Zm9v=Zm9v", "Zm=9v",       "Z",          "Zm9vY",     "Zm9vYm",     "==Zm9v",     "Zm9v\r\nYmFy",
      "Zm9v YmFy", "Zm-9_v",      "Zm9v\xC3\xA9YmFy", "@#$%",    "+/+/",       "////",      
      "AAAA",      "Zm9vYmFy====", "Zm\tv\n=",
  };
  for (const std::string& text : texts) EXPECT_EQ(fw::DecodeBase64(text), QtDecoded(text)) << text;

  // And text made of random characters, mostly from the alphabet.
  std::mt19937 random(11);
  const std::string pool = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/= \r\n\t-_*";
  for (int round = 0; round < 500; ++round) {
    std::string text(random() % 40, ' ');
    for (char& c : text) c = pool[random() % pool.size()];
    ASSERT_EQ(fw::DecodeBase64(text), QtDecoded(text)) << text;
  }
}

}  // namespace
