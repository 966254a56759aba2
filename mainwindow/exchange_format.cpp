#include "mainwindow/exchange_format.h"

#include <algorithm>
#include <utility>

#include "framework/fw_encoding.h"
#include "framework/fw_strings.h"

namespace exchange_format {
namespace {

constexpr char kTab = '\t';
constexpr size_t kEntryCells = 5;

constexpr std::string_view kUTF8ByteOrderMark = "\xEF\xBB\xBF";
// Little-endian and big-endian; UTF-32's little-endian mark begins the same.
constexpr std::string_view kUTF16ByteOrderMarks[] = {"\xFF\xFE", "\xFE\xFF"};

}  // namespace

std::string ExportHeader() { return "Description\tUserName\tPassword\tURL\tNote"; }

std::string ExportLine(const std::vector<std::string>& cells) {
  std::string line;
  AppendExportLine(line, cells);
  return line;
}

void AppendExportLine(std::string& text, const std::vector<std::string>& cells) {
  for (size_t i = 0; i < kEntryCells; ++i) {
    if (i > 0) text += kTab;
    if (i < cells.size()) text += cells[i];
  }
}

bool IsImportText(std::string_view bytes) {
  for (std::string_view mark : kUTF16ByteOrderMarks) {
    if (bytes.substr(0, mark.size()) == mark) return false;
  }
  return bytes.find('\0') == std::string_view::npos;
}

std::string_view WithoutByteOrderMark(std::string_view bytes) {
  if (bytes.substr(0, kUTF8ByteOrderMark.size()) == kUTF8ByteOrderMark) bytes.remove_prefix(kUTF8ByteOrderMark.size());
  return bytes;
}

bool IsImportFile(const std::string& firstLine) {
  return fw::CountFields(firstLine, std::string(1, kTab)) == static_cast<int>(kEntryCells);
}

std::vector<std::string> ImportFields(const std::string& line) {
  std::vector<std::string> fields;
  if (line.empty()) return fields;
  fields.reserve(static_cast<size_t>(std::count(line.begin(), line.end(), kTab)) + 1);
  size_t start = 0;
  for (;;) {
    size_t tab = line.find(kTab, start);
    if (tab == std::string::npos) break;
    fields.emplace_back(line, start, tab - start);
    start = tab + 1;
  }
  fields.emplace_back(line, start);
  return fields;
}

std::string ImportText(std::string bytes) {
  // Plain ASCII reads the same in every encoding: most lines need no test.
  const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  return ascii ? std::move(bytes) : fw::ConvertEncoding(bytes, fw::Encoding::UTF8);
}

}  // namespace exchange_format
