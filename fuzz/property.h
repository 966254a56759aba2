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

// The lines of a file as the program's readers get them from ReadLine.
inline std::vector<std::string> Lines(const std::string& bytes, fw::Encoding encoding) {
  fw::TextInputStream stream(bytes);
  stream.Encoding(encoding);
  std::vector<std::string> lines;
  while (!stream.EndOfFile()) lines.push_back(stream.ReadLine());
  return lines;
}

}  // namespace fuzz
