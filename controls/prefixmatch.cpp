#include "controls/prefixmatch.h"

#include "framework/fw_strings.h"

namespace {

bool IsAscii(unsigned char c) { return c < 0x80; }

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

PrefixMatch::PrefixMatch(const std::string& prefix)
    : lowerPrefix_(fw::Lowercase(prefix)), length_(fw::Len(prefix)), asciiPrefix_(true) {
  for (char c : prefix) asciiPrefix_ = asciiPrefix_ && IsAscii(static_cast<unsigned char>(c));
}

bool PrefixMatch::MatchesExactly(const std::string& text) const {
  return fw::Lowercase(fw::Left(text, length_)) == lowerPrefix_;
}

// A type-ahead search asks every row, so the common case of plain ASCII text
// skips the full Unicode lowercasing. It gives the same answer: ASCII letters
// lowercase to ASCII letters, and any row whose leading characters are not
// all ASCII (a Kelvin sign lowercases to "k") takes the exact comparison.
bool PrefixMatch::Matches(const std::string& text) const {
  if (!asciiPrefix_) return MatchesExactly(text);
  const size_t n = lowerPrefix_.size();
  const size_t leading = text.size() < n ? text.size() : n;
  for (size_t i = 0; i < leading; ++i)
    if (!IsAscii(static_cast<unsigned char>(text[i]))) return MatchesExactly(text);
  if (text.size() < n) return false;
  for (size_t i = 0; i < n; ++i)
    if (AsciiLower(text[i]) != lowerPrefix_[i]) return false;
  return true;
}
