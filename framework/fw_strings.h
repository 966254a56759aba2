#pragma once
#include <cstdint>
#include <string>

// Text functions on UTF-8 strings. Positions and lengths count characters
// (code points), not bytes; comparisons are exact and case-sensitive.
namespace fw {

// Field n (counted from 1) of text split at every sep; empty for n < 1 or past
// the last field. With an empty sep the whole text is field 1.
std::string NthField(const std::string& text, const std::string& sep, int n);

// How many fields NthField finds: one more than the separators in text, and 0
// for an empty text, so that a loop from 1 to CountFields visits no field
// of an empty line. With an empty sep a non-empty text is one field.
int CountFields(const std::string& text, const std::string& sep);

// The first / last n characters; the whole text when it is shorter, empty for n <= 0.
std::string Left(const std::string& text, int n);
std::string Right(const std::string& text, int n);
// len characters from character start (counted from 1; below 1 counts as 1);
// a negative len takes the rest of the text.
std::string Mid(const std::string& text, int start, int len = -1);
// The number of characters.
int Len(const std::string& text);

std::string Lowercase(const std::string& text);
std::string Uppercase(const std::string& text);

// Decimal digits, a minus sign first when negative.
std::string Str(int64_t value);
// The number that text begins with, after blanks and tabs: an optional sign,
// digits with an optional decimal point (always "."), an optional exponent.
// "12abc" gives 12, " -3" gives -3; 0 when text does not begin with a number.
double Val(const std::string& text);

// text with every occurrence of find replaced; text itself when find is empty.
std::string ReplaceAll(const std::string& text, const std::string& find, const std::string& replacement);

// The character with that code point, as UTF-8; empty when it is no character.
std::string Chr(int codepoint);
// The code point of the first character; 0 for an empty text.
int Asc(const std::string& text);

// Position (counted from 1, in characters) of the first occurrence of find,
// exact match; 0 when absent or when find is empty.
int InStr(const std::string& text, const std::string& find);

// text without leading and trailing blanks, tabs and line ends.
std::string Trim(const std::string& text);

}  // namespace fw
