#include "mainwindow/store_format.h"

#include <algorithm>
#include <string_view>

#include "framework/fw_base64.h"
#include "framework/fw_encoding.h"
#include "framework/fw_numbers.h"
#include "framework/fw_strings.h"

namespace store_format {
namespace {

const std::string kTab = "\t";
const std::string kCr = "\r";

// Older writers wrapped Base64 at this width, with a line break inside the
// record; every line of a wrapped value but its last is exactly this long.
constexpr size_t kOlderBase64Width = 76;
// The fields the writer writes on each line; a record joined from wrapped
// lines never has more.
constexpr size_t kWrittenFields = 5;

bool IsBase64Letter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' || c == '/';
}

// A line that a wrapped value goes on after: a full width of Base64 letters.
// Padding ends a value, so a piece that holds "=" is its last.
bool IsFullWrappedPiece(std::string_view piece) {
  return piece.size() == kOlderBase64Width && std::all_of(piece.begin(), piece.end(), IsBase64Letter);
}

// Whether text can be a wrapped value's next piece: not empty, letters with
// "=" padding at most.
bool IsBase64Piece(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return IsBase64Letter(c) || c == '='; });
}

// Whether a value joined from wrapped pieces is whole Base64, as a writer
// gives it: groups of four characters, with "=" padding only at its end.
bool IsWholeBase64(std::string_view value) {
  if (value.empty() || value.size() % 4 != 0) return false;
  const size_t letters = value.find_last_not_of('=') + 1;  // 0 when all "="
  return value.size() - letters <= 2 &&
         std::all_of(value.begin(), value.begin() + static_cast<std::ptrdiff_t>(letters), IsBase64Letter);
}

std::string_view FirstField(std::string_view line) { return line.substr(0, line.find('\t')); }

std::string_view LastField(std::string_view line) {
  size_t tab = line.rfind('\t');
  return tab == std::string_view::npos ? line : line.substr(tab + 1);
}

size_t CountTabs(std::string_view text) {
  size_t tabs = 0;
  for (char c : text) tabs += c == '\t';
  return tabs;
}

// Every field of line in one pass, as NthField gives them for 1, 2, ...;
// NthField field by field would take time in the square of a long line.
std::vector<std::string> SplitFields(const std::string& line) {
  std::vector<std::string> fields;
  fields.reserve(CountTabs(line) + 1);
  size_t begin = 0;
  for (size_t tab = line.find('\t'); tab != std::string::npos; tab = line.find('\t', begin)) {
    fields.emplace_back(line, begin, tab - begin);
    begin = tab + 1;
  }
  fields.emplace_back(line, begin);
  return fields;
}

// text on one field of one line: a TAB becomes a blank, and a line break
// (CR LF, CR or LF) becomes lineBreak, so that no value splits a record or
// shifts the fields after it.
void AppendOnOneLine(std::string& out, std::string_view text, char lineBreak) {
  while (!text.empty()) {
    // One pass over the bytes; find_first_of would search its set for each.
    const auto found =
        std::find_if(text.begin(), text.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; });
    const size_t special = static_cast<size_t>(found - text.begin());
    out.append(text.substr(0, special));
    if (found == text.end()) return;
    char c = text[special];
    out += c == '\t' ? ' ' : lineBreak;
    bool crLf = c == '\r' && special + 1 < text.size() && text[special + 1] == '\n';
    text.remove_prefix(special + (crLf ? 2 : 1));
  }
}

// Writes text as UTF-8, whatever its bytes. The copy is made only for the
// rare text that is not UTF-8 already.
template <typename Append>
void WithUTF8(const std::string& text, Append append) {
  if (fw::IsValidUTF8(text)) {
    append(text);
  } else {
    append(fw::ConvertEncoding(text, fw::Encodings::UTF8));
  }
}

// A value decoded from Base64, as UTF-8 text again.
std::string DecodedText(const std::string& base64) {
  std::string bytes = fw::DecodeBase64(base64);
  return fw::IsValidUTF8(bytes) ? bytes : fw::ConvertEncoding(bytes, fw::Encodings::UTF8);
}

const std::string& CellOrEmpty(const std::vector<std::string>& cells, size_t i) {
  static const std::string empty;
  return i < cells.size() ? cells[i] : empty;
}

void AppendDataLine(std::string& out, const std::vector<std::string>& cells) {
  auto plain = [&out](char lineBreak) {
    return [&out, lineBreak](const std::string& text) { AppendOnOneLine(out, text, lineBreak); };
  };
  auto base64 = [&out](const std::string& text) { fw::AppendBase64(out, text); };
  WithUTF8(CellOrEmpty(cells, 0), plain(' '));
  out += '\t';
  WithUTF8(CellOrEmpty(cells, 1), base64);
  out += '\t';
  WithUTF8(CellOrEmpty(cells, 2), base64);
  out += '\t';
  WithUTF8(CellOrEmpty(cells, 3), plain(' '));
  out += '\t';
  WithUTF8(CellOrEmpty(cells, 4), plain('^'));
  out += '\r';
}

// Room for the file at once: Base64 takes 4 bytes for 3, and a few more per row.
size_t SizeOfData(const std::vector<std::vector<std::string>>& rows) {
  size_t size = 0;
  for (const auto& row : rows) {
    for (size_t i = 0; i < 5; ++i) size += CellOrEmpty(row, i).size() * 4 / 3 + 4;
  }
  return size;
}

std::string OnOneLine(const std::string& text) {
  std::string line;
  AppendOnOneLine(line, text, ' ');
  return line;
}

// Whether nextLine may carry on a record whose lines so far end in lastLine,
// as an older writer's wrapped Base64 made it: only while the record's last
// field is its user name (field 2) or password (field 3), lastLine ends in a
// full wrapped piece and nextLine begins with Base64.
bool GoesOn(size_t fieldsSoFar, std::string_view lastLine, std::string_view nextLine) {
  return IsFullWrappedPiece(LastField(lastLine)) && (fieldsSoFar == 2 || fieldsSoFar == 3) &&
         IsBase64Piece(FirstField(nextLine));
}

// How many lines, from lines[first] on, make one record. More than one only
// where a wrapped write is the only reading of them: each line carries on a
// full 76-character piece, every value it completes is whole Base64 and the
// record has no more fields than the writer writes. A line that breaks one of
// these rules begins a record of its own, as the format reads it.
size_t RecordLines(const std::vector<std::string>& lines, size_t first) {
  size_t next = first + 1;
  // Most lines end in a short field: no need to count their fields.
  if (next == lines.size() || !IsFullWrappedPiece(LastField(lines[first]))) return 1;
  size_t fields = CountTabs(lines[first]) + 1;
  // The record's last field so far, over the lines it was wrapped across.
  std::string value(LastField(lines[first]));
  for (; next < lines.size() && GoesOn(fields, lines[next - 1], lines[next]); ++next) {
    const std::string_view line = lines[next];
    fields += CountTabs(line);
    value += FirstField(line);
    if (fields > kWrittenFields || !IsWholeBase64(value)) break;
    if (line.find('\t') != std::string_view::npos) value = LastField(line);
  }
  return next - first;
}

std::string JoinedLines(const std::vector<std::string>& lines, size_t first, size_t count) {
  std::string record;
  for (size_t i = first; i < first + count; ++i) record += lines[i];
  return record;
}

// The Base64 of the master password: line 4, and the lines after it that
// carry on a wrapped value, as long as the value stays whole Base64. Any other
// line past the fourth is no part of the file.
std::string MasterPasswordBase64(const std::vector<std::string>& lines) {
  std::string encoded = lines.size() >= 4 ? lines[3] : "";
  for (size_t next = 4; next < lines.size() && IsFullWrappedPiece(lines[next - 1]) && IsBase64Piece(lines[next]);
       ++next) {
    if (!IsWholeBase64(encoded + lines[next])) break;
    encoded += lines[next];
  }
  return encoded;
}

// Calls take with each record of a data file's lines, in order. A record on
// one line, as the writer gives it, is taken where it lies.
template <typename Take>
void ForEachRecord(const std::vector<std::string>& lines, Take take) {
  for (size_t next = 0; next < lines.size();) {
    if (lines[next].empty()) {
      ++next;
      continue;
    }
    const size_t count = RecordLines(lines, next);
    if (count == 1) {
      take(lines[next]);
    } else {
      take(JoinedLines(lines, next, count));
    }
    next += count;
  }
}

int32_t NumberOf(const std::string& text) { return fw::ToInt32(fw::Val(text)); }

}  // namespace

std::string WritePrefs(const Prefs& prefs) {
  std::string file;
  file += fw::Str(prefs.wTop) + kTab + fw::Str(prefs.wLeft) + kTab + fw::Str(prefs.wWidth) + kTab +
          fw::Str(prefs.wHeight) + kCr;
  file += fw::Str(prefs.liWidth) + kCr;
  file += OnOneLine(prefs.whatToCopy) + kTab + OnOneLine(prefs.clearPswd) + kTab + OnOneLine(prefs.showPswd) +
          kCr;
  file += fw::EncodeBase64(prefs.pswd, 0) + kCr;
  return file;
}

Prefs ReadPrefs(const std::vector<std::string>& lines) {
  auto line = [&lines](size_t number) -> std::string {
    return number <= lines.size() ? lines[number - 1] : "";
  };
  Prefs prefs;
  std::string geometry = line(1);
  prefs.wTop = NumberOf(fw::NthField(geometry, kTab, 1));
  prefs.wLeft = NumberOf(fw::NthField(geometry, kTab, 2));
  prefs.wWidth = NumberOf(fw::NthField(geometry, kTab, 3));
  prefs.wHeight = NumberOf(fw::NthField(geometry, kTab, 4));
  prefs.liWidth = NumberOf(line(2));
  std::string settings = line(3);
  prefs.whatToCopy = fw::NthField(settings, kTab, 1);
  prefs.clearPswd = fw::NthField(settings, kTab, 2);
  prefs.showPswd = fw::NthField(settings, kTab, 3);
  // A long master password from an older writer goes on over lines 5, 6 ...
  prefs.pswd = fw::DecodeBase64(MasterPasswordBase64(lines));
  return prefs;
}

std::string WriteDataLine(const std::vector<std::string>& cells) {
  std::string line;
  AppendDataLine(line, cells);
  return line;
}

std::vector<std::string> ReadDataLine(const std::string& line) {
  std::vector<std::string> cells = SplitFields(line);
  if (cells.size() < 5) cells.resize(5);
  cells[1] = DecodedText(cells[1]);
  cells[2] = DecodedText(cells[2]);
  std::replace(cells[4].begin(), cells[4].end(), '^', '\r');
  return cells;
}

std::string WriteData(const std::vector<std::vector<std::string>>& rows) {
  std::string file;
  file.reserve(SizeOfData(rows));
  for (const auto& row : rows) AppendDataLine(file, row);
  return file;
}

std::vector<std::string> DataRecords(const std::vector<std::string>& lines) {
  std::vector<std::string> records;
  ForEachRecord(lines, [&records](const std::string& record) { records.push_back(record); });
  return records;
}

std::vector<std::vector<std::string>> ReadData(const std::vector<std::string>& lines) {
  std::vector<std::vector<std::string>> rows;
  rows.reserve(lines.size());
  ForEachRecord(lines, [&rows](const std::string& record) { rows.push_back(ReadDataLine(record)); });
  return rows;
}

}  // namespace store_format
