#pragma once
// What a fuzz target checks beyond "no crash": a property that fails aborts,
// so libFuzzer reports the input and saves it.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/fw_textstreams.h"

namespace fuzz {

inline void Require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property failed: %s\n", property);
  std::abort();
}

inline std::string Bytes(const uint8_t* data, size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// Whether text is Base64 as a writer gives it: groups of four of its
// letters, with "=" padding (at most two) only at its end.
inline bool IsWholeBase64(const std::string& text) {
  auto letter = [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' || c == '/';
  };
  if (text.empty() || text.size() % 4 != 0) return false;
  size_t letters = text.size();
  while (letters > 0 && text[letters - 1] == '=') --letters;
  if (text.size() - letters > 2) return false;
  for (size_t i = 0; i < letters; ++i)
    if (!letter(text[i])) return false;
  return true;
}

// The lines of a file as the program's readers get them from ReadLine.
inline std::vector<std::string> Lines(const std::string& bytes, fw::Encoding encoding) {
  fw::TextInputStream stream(bytes);
  stream.Encoding(encoding);
  std::vector<std::string> lines;
  while (!stream.EndOfFile()) lines.push_back(stream.ReadLine());
  return lines;
}

}  // namespace fuzz
