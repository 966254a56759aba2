#include "framework/fw_base64.h"

#include <QByteArray>

namespace fw {
namespace {

QByteArray RawBytes(const std::string& bytes) {
  return QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string BreakIntoLines(const std::string& text, size_t width) {
  std::string lines;
  for (size_t begin = 0; begin < text.size(); begin += width) {
    if (begin > 0) lines += "\r\n";
    lines.append(text, begin, width);
  }
  return lines;
}

// Straight into the string: the store encodes two values per entry, and a
// QByteArray in between would cost two allocations and a copy for each.
std::string OneLine(const std::string& bytes) {
  static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string text((bytes.size() + 2) / 3 * 4, '=');
  const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
  char* out = text.data();
  size_t left = bytes.size();
  for (; left >= 3; left -= 3, in += 3, out += 4) {
    const unsigned group = unsigned(in[0]) << 16 | unsigned(in[1]) << 8 | in[2];
    out[0] = kAlphabet[group >> 18];
    out[1] = kAlphabet[(group >> 12) & 63];
    out[2] = kAlphabet[(group >> 6) & 63];
    out[3] = kAlphabet[group & 63];
  }
  if (left > 0) {
    const unsigned group = unsigned(in[0]) << 16 | (left == 2 ? unsigned(in[1]) << 8 : 0u);
    out[0] = kAlphabet[group >> 18];
    out[1] = kAlphabet[(group >> 12) & 63];
    if (left == 2) out[2] = kAlphabet[(group >> 6) & 63];
  }
  return text;
}

}  // namespace

std::string EncodeBase64(const std::string& bytes, int lineWidth) {
  std::string oneLine = OneLine(bytes);
  if (lineWidth <= 0) return oneLine;
  return BreakIntoLines(oneLine, static_cast<size_t>(lineWidth));
}

std::string DecodeBase64(const std::string& text) {
  // Qt's lenient mode is the one that skips the line breaks of wrapped text.
  return QByteArray::fromBase64(RawBytes(text)).toStdString();
}

}  // namespace fw
