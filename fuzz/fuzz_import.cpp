// The import reader: a file holding a NUL byte or starting with a UTF-16
// byte-order mark is refused, so no imported cell holds a NUL byte; each line
// becomes UTF-8 text, the first-line test agrees with the line splitting,
// splitting keeps every byte of a line, and an imported line exports back to
// itself.
#include <algorithm>

#include "framework/fw_encoding.h"
#include "fuzz/property.h"
#include "mainwindow/exchange_format.h"

namespace {

std::string Joined(const std::vector<std::string>& fields) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) line += (i > 0 ? "\t" : "") + fields[i];
  return line;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string file = fuzz::Bytes(data, size);
  // As the import reads a file: without a UTF-8 byte-order mark, tested as
  // text, then raw lines, the first one tested as it is, each one made text
  // and split.
  const std::string bytes(exchange_format::WithoutByteOrderMark(file));
  fuzz::Require(bytes.size() == file.size() || file.rfind("\xEF\xBB\xBF", 0) == 0,
                "only a byte-order mark is left out");
  const bool importText = exchange_format::IsImportText(bytes);
  if (file.find('\0') != std::string::npos) fuzz::Require(!importText, "a file holding a NUL byte is refused");
  if (bytes.rfind("\xFF\xFE", 0) == 0 || bytes.rfind("\xFE\xFF", 0) == 0)
    fuzz::Require(!importText, "a file starting with a UTF-16 byte-order mark is refused");
  for (const std::string& raw : fuzz::Lines(bytes, fw::Encoding::None)) {
    const std::string line = exchange_format::ImportText(raw);
    fuzz::Require(fw::IsValidUTF8(line), "an imported line is valid UTF-8");
    if (fw::IsValidUTF8(raw)) fuzz::Require(line == raw, "a UTF-8 line is imported as it is");

    const std::vector<std::string> fields = exchange_format::ImportFields(line);
    if (importText)
      fuzz::Require(std::none_of(fields.begin(), fields.end(),
                                 [](const std::string& f) { return f.find('\0') != std::string::npos; }),
                    "no imported cell holds a NUL byte");
    fuzz::Require(fields.empty() == line.empty(), "only an empty line has no field");
    fuzz::Require(fields.empty() || Joined(fields) == line, "the fields are the whole line, split at its TABs");
    fuzz::Require(std::none_of(fields.begin(), fields.end(),
                               [](const std::string& f) { return f.find('\t') != std::string::npos; }),
                  "no field holds a TAB");
    fuzz::Require(exchange_format::IsImportFile(raw) == (fields.size() == 5),
                  "a first line passes the test exactly when it imports as five fields");
    if (fields.size() == 5) fuzz::Require(exchange_format::ExportLine(fields) == line, "an imported line exports back");

    // Any five cells without TABs or line ends export to a line that imports back.
    std::vector<std::string> cells = fields;
    cells.resize(5);
    fuzz::Require(exchange_format::ImportFields(exchange_format::ExportLine(cells)) == cells,
                  "an exported line imports back to its cells");
  }
  fuzz::Require(exchange_format::IsImportFile(exchange_format::ExportHeader()), "an export file can be imported");
  return 0;
}
