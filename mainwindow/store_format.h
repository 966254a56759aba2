#pragma once
// The two store files' lines, as pure functions: text to records and back.
// No window and no file here, so that every byte can be checked and fuzzed.
#include <cstdint>
#include <string>
#include <vector>

namespace store_format {

// One account: description, user name, password, URL, note (CRs for its line
// breaks). Further fields of a line, past the fifth, are kept so that the list
// can grow its column count as the reader finds them.
struct Entry {
  std::vector<std::string> cells;  // at least five
};

// What the preferences file holds, the words as they are held.
struct Prefs {
  int32_t wTop = 0, wLeft = 0, wWidth = 0, wHeight = 0;
  int32_t liWidth = 0;
  std::string whatToCopy, clearPswd, showPswd;
  std::string pswd;
};

// The whole preferences file: four CR-ended lines.
std::string WritePrefs(const Prefs& prefs);
// The four lines as ReadLine gives them (missing lines empty).
Prefs ReadPrefs(const std::vector<std::string>& lines);

// One data-file line for an entry's five cells, CR-ended.
std::string WriteDataLine(const std::vector<std::string>& cells);
// The cells of one data-file line (without its line end); the count is that
// of the line's fields (at least five), user name and password decoded and
// the note's "^" turned back into CRs.
std::vector<std::string> ReadDataLine(const std::string& line);

// The whole data file for the list's rows (cells 0 to 4 of each).
std::string WriteData(const std::vector<std::vector<std::string>>& rows);
// The rows of a data file, given its lines as ReadLine gives them: empty lines
// add no row, and a record that an older writer wrapped over several lines
// (long Base64) is joined back into one.
std::vector<std::vector<std::string>> ReadData(const std::vector<std::string>& lines);

}  // namespace store_format
