// The data file: each record the reader takes is one line, or lines that
// follow each other joined where a wrapped write is the only reading (no more
// fields than written, every joined value whole Base64). Whatever the reader
// makes of a file, the writer saves one record per line, and reading that
// back gives the same entries (as UTF-8 text: the writer saves text, so bytes
// read raw come back converted). And whatever a user typed into the cells
// (the input cut at NULs), the writer never splits a record or shifts its
// fields.
#include <algorithm>

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

// The input cut at NULs into cells, five to a row.
Rows TypedRows(const std::string& bytes) {
  Rows rows;
  size_t cell = 0;
  for (size_t begin = 0; begin <= bytes.size(); ++cell) {
    size_t end = std::min(bytes.find('\0', begin), bytes.size());
    if (cell % 5 == 0) rows.emplace_back();
    rows.back().push_back(bytes.substr(begin, end - begin));
    begin = end + 1;
  }
  rows.back().resize(5);
  return rows;
}

// text with each TAB a blank and each line break (CR LF, CR, LF) lineBreak.
std::string OnOneLine(const std::string& text, const std::string& lineBreak) {
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\t') line += ' ';
    else if (text[i] == '\r' || text[i] == '\n') {
      line += lineBreak;
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else line += text[i];
  }
  return line;
}

// What the reader gives back for cells a user typed: user name and password
// exactly, the plain fields on one line, the note's line breaks as CRs (and
// "^", the file's note line break, too).
Cells AsReadBack(const Cells& typed) {
  Cells cells = SavedCells({typed})[0];
  cells[0] = OnOneLine(cells[0], " ");
  cells[3] = OnOneLine(cells[3], " ");
  std::string note = OnOneLine(cells[4], "\r");
  std::replace(note.begin(), note.end(), '^', '\r');
  cells[4] = note;
  return cells;
}

size_t CountTabs(const std::string& text) { return static_cast<size_t>(std::count(text.begin(), text.end(), '\t')); }

std::string LastField(const std::string& line) {
  size_t tab = line.rfind('\t');
  return tab == std::string::npos ? line : line.substr(tab + 1);
}

// The field of record (0 for the first) that holds the byte at offset.
size_t FieldAt(const std::string& record, size_t offset) {
  return static_cast<size_t>(std::count(record.begin(), record.begin() + static_cast<std::ptrdiff_t>(offset), '\t'));
}

std::string Field(const std::string& record, size_t field) {
  size_t begin = 0;
  for (size_t i = 0; i < field; ++i) begin = record.find('\t', begin) + 1;
  return record.substr(begin, record.find('\t', begin) - begin);
}

// Each record is the next lines that are not empty, one or more joined; a
// join only carries on a wrapped user name or password, after a full
// 76-character piece, into a value of whole Base64 and a record of five
// fields at most.
void CheckRecords(const std::vector<std::string>& lines) {
  const std::vector<std::string> records = store_format::DataRecords(lines);
  size_t next = 0;
  for (const std::string& record : records) {
    while (next < lines.size() && lines[next].empty()) ++next;
    fuzz::Require(next < lines.size(), "every record comes from the file's lines");
    std::string joined = lines[next++];
    size_t joins = 0;
    for (; joined.size() < record.size() && next < lines.size() && !lines[next].empty(); ++joins) {
      const size_t at = joined.size();
      fuzz::Require(LastField(lines[next - 1]).size() == 76, "a line is joined on only after a 76-character piece");
      const size_t field = FieldAt(joined, at);
      fuzz::Require(field == 1 || field == 2, "only a user name or a password is joined");
      joined += lines[next++];
      fuzz::Require(fuzz::IsWholeBase64(Field(joined, field)), "a joined value is whole Base64");
    }
    fuzz::Require(joined == record, "a record is the file's next line, or its next lines joined");
    if (joins > 0) fuzz::Require(CountTabs(record) + 1 <= 5, "a joined record never has more fields than written");
  }
  while (next < lines.size() && lines[next].empty()) ++next;
  fuzz::Require(next == lines.size(), "every line that is not empty is in a record");

  Rows rows;
  for (const std::string& record : records) rows.push_back(store_format::ReadDataLine(record));
  fuzz::Require(store_format::ReadData(lines) == rows, "the rows are the records' cells");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string file = fuzz::Bytes(data, size);
  for (fw::Encoding encoding : {fw::Encoding::None, fw::Encoding::UTF8}) {
    CheckRecords(fuzz::Lines(file, encoding));
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

  const Rows typed = TypedRows(file);
  const std::string saved = store_format::WriteData(typed);
  const Rows reread = store_format::ReadData(fuzz::Lines(saved, fw::Encoding::UTF8));
  fuzz::Require(reread.size() == typed.size(), "the writer never splits a record");
  for (size_t i = 0; i < typed.size(); ++i)
    fuzz::Require(reread[i] == AsReadBack(typed[i]), "typed cells read back in their fields");
  return 0;
}
