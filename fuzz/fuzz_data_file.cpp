// The data file: whatever the reader makes of a file, the writer saves one
// record per line, and reading that back gives the same entries (as UTF-8
// text: the writer saves text, so bytes read raw come back converted).
#include "framework/fw_encoding.h"
#include "fuzz/property.h"
#include "mainwindow/store_format.h"

namespace {

using Cells = std::vector<std::string>;
using Rows = std::vector<Cells>;

// The five cells an entry is saved with, as the text the writer saves.
Rows SavedCells(const Rows& rows) {
  Rows saved;
  for (const auto& row : rows) {
    Cells& cells = saved.emplace_back();
    for (size_t i = 0; i < 5; ++i) cells.push_back(fw::ConvertEncoding(row[i], fw::Encoding::UTF8));
  }
  return saved;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string file = fuzz::Bytes(data, size);
  for (fw::Encoding encoding : {fw::Encoding::None, fw::Encoding::UTF8}) {
    const Rows rows = store_format::ReadData(fuzz::Lines(file, encoding));
    for (const auto& row : rows) fuzz::Require(row.size() >= 5, "every entry has at least five cells");

    const std::string saved = store_format::WriteData(rows);
    const std::vector<std::string> savedLines = fuzz::Lines(saved, encoding);
    fuzz::Require(savedLines.size() == rows.size(), "the writer puts each entry on one line");
    fuzz::Require(fw::IsValidUTF8(saved), "the data file is written in UTF-8");
    const Rows reread = store_format::ReadData(savedLines);
    for (const auto& row : reread) fuzz::Require(row.size() == 5, "an entry read back has its five cells");
    fuzz::Require(reread == SavedCells(rows),
                  "a data file written from what the reader produced reads back to the same entries");
    fuzz::Require(store_format::WriteData(reread) == saved, "saving again writes the same bytes");

    for (const auto& row : rows) {
      const std::string line = store_format::WriteDataLine(row);
      fuzz::Require(!line.empty() && line.back() == '\r', "a data line ends with CR");
      const Cells cells = store_format::ReadDataLine(line.substr(0, line.size() - 1));
      fuzz::Require(SavedCells({cells}) == SavedCells({row}) && cells.size() == 5,
                    "one entry's line reads back to its five cells");
    }
  }
  return 0;
}
