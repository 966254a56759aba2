#pragma once
// The two store files' lines, as pure functions: text to records and back.
// No window and no file here, so that every byte can be checked and fuzzed.
//
// Both files: fields split by TAB, every line ended by CR (the last one too),
// numbers as decimal text, Base64 written on one line. The readers also take
// the Base64 that older writers wrapped at 76 characters over several lines,
// but join a line to the one before only where such a wrapped write is the
// only reading: the piece before is exactly 76 characters, the joined value is
// whole Base64 and a joined data record has no more than five fields.
#include <cstdint>
#include <string>
#include <vector>

namespace store_format {

// What the preferences file holds, the words as they are held.
struct Prefs {
  int32_t wTop = 0, wLeft = 0, wWidth = 0, wHeight = 0;
  int32_t liWidth = 0;
  std::string whatToCopy, clearPswd, showPswd;
  std::string pswd;
  friend bool operator==(const Prefs&, const Prefs&) = default;
};

// The whole preferences file: four CR-ended lines (geometry; list width; the
// three settings; the master password in Base64). A TAB, CR or LF in a
// setting is written as a blank, so that every line keeps its place.
std::string WritePrefs(const Prefs& prefs);
// The preferences from the file's lines as ReadLine gives them: pass every
// line to the end of the file, not only four, since a long master password
// from an older writer goes on over lines 5, 6 ... Missing lines and fields
// read as empty, numbers that are not numbers as 0, and any other line past
// the fourth is ignored.
Prefs ReadPrefs(const std::vector<std::string>& lines);

// One data-file line for an entry's cells 0 to 4 (description, user name,
// password, URL, note; missing cells are empty), CR-ended. A TAB in the
// description, URL or note and a line break in the description or URL are
// written as a blank; the note's line breaks (CR, LF or CR LF) as "^".
std::string WriteDataLine(const std::vector<std::string>& cells);
// The cells of one data-file line (without its line end): as many as the line
// has fields and at least five, user name and password decoded and the note's
// "^" turned back into CRs. Fields past the fifth are kept as they are.
std::vector<std::string> ReadDataLine(const std::string& line);

// The whole data file for the list's rows (cells 0 to 4 of each); no rows
// give an empty text.
std::string WriteData(const std::vector<std::vector<std::string>>& rows);
// The records of a data file, given all its lines as ReadLine gives them:
// each line that is not empty, except that a record an older writer wrapped
// over several lines (Base64 longer than 76 characters) is joined back into
// one line.
std::vector<std::string> DataRecords(const std::vector<std::string>& lines);
// The rows of a data file: ReadDataLine of each of its DataRecords.
std::vector<std::vector<std::string>> ReadData(const std::vector<std::string>& lines);

}  // namespace store_format
