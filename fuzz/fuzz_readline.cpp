// ReadLine: every line end (CR, LF, CR LF) ends exactly one line, lines keep
// every other byte in order, and ReadAll gives back what was left.
#include "framework/fw_textstreams.h"
#include "fuzz/property.h"

namespace {

// The lines of the bytes, by an independent count of the line ends.
std::vector<std::string> ExpectedLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < bytes.size(); ++i) {
    char c = bytes[i];
    if (c != '\r' && c != '\n') {
      line += c;
      continue;
    }
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    lines.push_back(line);
    line.clear();
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes = fuzz::Bytes(data, size);
  const std::vector<std::string> expected = ExpectedLines(bytes);

  fw::TextInputStream raw(bytes);
  std::vector<std::string> lines;
  while (!raw.EndOfFile()) {
    lines.push_back(raw.ReadLine());
    fuzz::Require(lines.size() <= expected.size(), "no more lines than line ends");
  }
  fuzz::Require(lines == expected, "each line end ends one line, and lines keep their bytes");
  fuzz::Require(raw.ReadLine().empty(), "past the end a line is empty");

  // In UTF-8 mode every line is valid UTF-8, converted line by line.
  fw::TextInputStream utf8(bytes);
  utf8.Encoding(fw::Encoding::UTF8);
  for (const std::string& line : expected) {
    fuzz::Require(!utf8.EndOfFile(), "the UTF-8 stream has as many lines");
    const std::string read = utf8.ReadLine();
    fuzz::Require(read == fw::ConvertEncoding(line, fw::Encoding::UTF8), "a UTF-8 line is its bytes converted");
  }
  fuzz::Require(utf8.EndOfFile(), "the UTF-8 stream ends with its last line");

  // Half the lines read, the rest comes whole from ReadAll.
  fw::TextInputStream split(bytes);
  size_t consumed = 0;
  for (size_t n = 0; n < expected.size() / 2; ++n) {
    split.ReadLine();
    consumed = bytes.find_first_of("\r\n", consumed);
    if (bytes[consumed] == '\r' && consumed + 1 < bytes.size() && bytes[consumed + 1] == '\n') ++consumed;
    ++consumed;
  }
  fuzz::Require(split.ReadAll() == bytes.substr(consumed), "ReadAll gives what ReadLine left");
  fuzz::Require(split.EndOfFile(), "nothing is left after ReadAll");
  return 0;
}
