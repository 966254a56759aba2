#include "framework/fw_base64.h"

#include <array>

namespace fw {
namespace {

std::string BreakIntoLines(const std::string& text, size_t width) {
  std::string lines;
  for (size_t begin = 0; begin < text.size(); begin += width) {
    if (begin > 0) lines += "\r\n";
    lines.append(text, begin, width);
  }
  return lines;
}

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Each byte's value as a Base64 letter; -1 for a byte outside the alphabet.
constexpr std::array<signed char, 256> kValues = [] {
  std::array<signed char, 256> values{};
  values.fill(-1);
  for (int i = 0; i < 64; ++i) values[static_cast<unsigned char>(kAlphabet[i])] = static_cast<signed char>(i);
  return values;
}();

}  // namespace

// Straight into the string: the store encodes two values per entry, and a
// QByteArray in between would cost two allocations and a copy for each.
void AppendBase64(std::string& out, const std::string& bytes) {
  const size_t start = out.size();
  out.resize(start + (bytes.size() + 2) / 3 * 4, '=');
  const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
  char* text = out.data() + start;
  size_t left = bytes.size();
  for (; left >= 3; left -= 3, in += 3, text += 4) {
    const unsigned group = unsigned(in[0]) << 16 | unsigned(in[1]) << 8 | in[2];
    text[0] = kAlphabet[group >> 18];
    text[1] = kAlphabet[(group >> 12) & 63];
    text[2] = kAlphabet[(group >> 6) & 63];
    text[3] = kAlphabet[group & 63];
  }
  if (left > 0) {
    const unsigned group = unsigned(in[0]) << 16 | (left == 2 ? unsigned(in[1]) << 8 : 0u);
    text[0] = kAlphabet[group >> 18];
    text[1] = kAlphabet[(group >> 12) & 63];
    if (left == 2) text[2] = kAlphabet[(group >> 6) & 63];
  }
}

std::string EncodeBase64(const std::string& bytes, int lineWidth) {
  std::string oneLine;
  AppendBase64(oneLine, bytes);
  if (lineWidth <= 0) return oneLine;
  return BreakIntoLines(oneLine, static_cast<size_t>(lineWidth));
}

std::string DecodeBase64(const std::string& text) {
  // As Qt's lenient decoder: every character outside the alphabet ("=" and
  // line breaks included) is skipped, and the bits left over at the end are
  // dropped. Written out here to decode straight into the string.
  std::string bytes(text.size() / 4 * 3 + 3, '\0');
  const auto* in = reinterpret_cast<const unsigned char*>(text.data());
  const size_t size = text.size();
  size_t i = 0, out = 0;
  unsigned bits = 0;
  int held = 0;
  while (true) {
    // Whole groups of four letters, nearly all of the text, three bytes at once.
    while (held == 0 && i + 4 <= size) {
      const int a = kValues[in[i]], b = kValues[in[i + 1]], c = kValues[in[i + 2]], d = kValues[in[i + 3]];
      if ((a | b | c | d) < 0) break;
      const unsigned group = unsigned(a) << 18 | unsigned(b) << 12 | unsigned(c) << 6 | unsigned(d);
      bytes[out] = static_cast<char>(group >> 16);
      bytes[out + 1] = static_cast<char>(group >> 8);
      bytes[out + 2] = static_cast<char>(group);
      out += 3;
      i += 4;
    }
    if (i >= size) break;
    const int value = kValues[in[i++]];
    if (value < 0) continue;
    bits = (bits << 6) | static_cast<unsigned>(value);
    held += 6;
    if (held >= 8) {
      held -= 8;
      bytes[out++] = static_cast<char>(bits >> held);
      bits &= (1u << held) - 1;
    }
  }
  bytes.resize(out);
  return bytes;
}

}  // namespace fw
