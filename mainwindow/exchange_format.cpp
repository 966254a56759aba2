#include "mainwindow/exchange_format.h"

#include "framework/fw_encoding.h"
#include "framework/fw_strings.h"

namespace exchange_format {
namespace {

constexpr char kTab = '\t';
constexpr size_t kEntryCells = 5;

}  // namespace

std::string ExportHeader() { return "Description\tUserName\tPassword\tURL\tNote"; }

std::string ExportLine(const std::vector<std::string>& cells) {
  std::string line;
  for (size_t i = 0; i < kEntryCells; ++i) {
    if (i > 0) line += kTab;
    if (i < cells.size()) line += cells[i];
  }
  return line;
}

bool IsImportFile(const std::string& firstLine) {
  return fw::CountFields(firstLine, std::string(1, kTab)) == static_cast<int>(kEntryCells);
}

std::vector<std::string> ImportFields(const std::string& line) {
  std::vector<std::string> fields;
  if (line.empty()) return fields;
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

std::string ImportText(const std::string& bytes) { return fw::ConvertEncoding(bytes, fw::Encoding::UTF8); }

}  // namespace exchange_format
