#pragma once
// The export and import files' lines, as pure functions: no window and no
// file here, so that every byte can be checked and the reader fuzzed.
#include <string>
#include <string_view>
#include <vector>

namespace exchange_format {

// The first line of an export file, without its line end.
std::string ExportHeader();

// The export line of one row: cells 0 to 4 joined by TAB, as they are held
// (no quoting: a TAB or a line break in a cell stays in the line). Cells
// past the fifth are left out; missing ones are empty. No line end.
std::string ExportLine(const std::vector<std::string>& cells);
// ExportLine(cells) appended to text, with no string of its own in between.
void AppendExportLine(std::string& text, const std::vector<std::string>& cells);

// Whether a file's bytes are text that the import reads (UTF-8 or Mac
// Roman): neither starting with a UTF-16 byte-order mark nor holding a NUL
// byte anywhere, as UTF-16 and UTF-32 text does.
bool IsImportText(std::string_view bytes);
// A file's bytes as its lines are read: a UTF-8 byte-order mark at the start
// is no part of the first line.
std::string_view WithoutByteOrderMark(std::string_view bytes);

// Whether a file whose first line (without its line end) is firstLine can be
// imported: the line has exactly five TAB-separated fields.
bool IsImportFile(const std::string& firstLine);

// The fields of one imported line (without its line end), split at every TAB:
// field 1 goes to cell 0 and so on. An empty line has no field.
std::vector<std::string> ImportFields(const std::string& line);

// Imported bytes as UTF-8 text. Bytes that are valid UTF-8 are kept as they
// are; any other bytes come from the old Mac program and are read as Mac Roman.
std::string ImportText(std::string bytes);

}  // namespace exchange_format
