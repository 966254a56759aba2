#include "framework/fw_strings.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <locale.h>
#include <stdlib.h>

namespace fw {
namespace {

// Characters are found by their lead bytes rather than by decoding through
// QString: decoding would turn bytes that are not UTF-8 into U+FFFD, and
// Left/Mid must hand back the very bytes they were given.
bool StartsCharacter(const std::string& text, size_t i) {
  return i == 0 || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
}

// Byte offset where character index (0-based) begins; text.size() past the end.
size_t OffsetOfCharacter(const std::string& text, int index) {
  if (index <= 0) return 0;
  int seen = 0;
  for (size_t i = 1; i < text.size(); ++i) {
    if (StartsCharacter(text, i) && ++seen == index) return i;
  }
  return text.size();
}

QString ToQString(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToStdString(const QString& text) { return text.toUtf8().toStdString(); }

size_t DigitsFrom(const std::string& text, size_t i) {
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
  return i;
}

// The end of the number that begins at start, or start when there is none.
size_t EndOfLeadingNumber(const std::string& text, size_t start) {
  size_t i = start;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t intEnd = DigitsFrom(text, i);
  size_t digits = intEnd - i;
  i = intEnd;
  if (i < text.size() && text[i] == '.') {
    size_t fracEnd = DigitsFrom(text, i + 1);
    digits += fracEnd - (i + 1);
    i = fracEnd;
  }
  if (digits == 0) return start;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    size_t expEnd = DigitsFrom(text, j);
    if (expEnd > j) i = expEnd;
  }
  return i;
}

}  // namespace

std::string NthField(const std::string& text, const std::string& sep, int n) {
  if (n < 1) return "";
  if (sep.empty()) return n == 1 ? text : "";
  size_t begin = 0;
  for (int field = 1; field < n; ++field) {
    size_t found = text.find(sep, begin);
    if (found == std::string::npos) return "";
    begin = found + sep.size();
  }
  size_t end = text.find(sep, begin);
  return text.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
}

int CountFields(const std::string& text, const std::string& sep) {
  if (text.empty()) return 0;
  if (sep.empty()) return 1;
  int count = 1;
  for (size_t at = text.find(sep); at != std::string::npos; at = text.find(sep, at + sep.size())) ++count;
  return count;
}

std::string Left(const std::string& text, int n) { return text.substr(0, OffsetOfCharacter(text, n)); }

std::string Right(const std::string& text, int n) {
  if (n <= 0) return "";
  int skip = Len(text) - n;
  return skip <= 0 ? text : text.substr(OffsetOfCharacter(text, skip));
}

std::string Mid(const std::string& text, int start, int len) {
  std::string rest = text.substr(OffsetOfCharacter(text, start - 1));
  return len < 0 ? rest : Left(rest, len);
}

int Len(const std::string& text) {
  int count = 0;
  for (size_t i = 0; i < text.size(); ++i) count += StartsCharacter(text, i) ? 1 : 0;
  return count;
}

std::string Lowercase(const std::string& text) { return ToStdString(ToQString(text).toLower()); }

std::string Uppercase(const std::string& text) { return ToStdString(ToQString(text).toUpper()); }

std::string Str(int64_t value) { return std::to_string(value); }

double Val(const std::string& text) {
  size_t start = text.find_first_not_of(" \t");
  if (start == std::string::npos) return 0;
  size_t end = EndOfLeadingNumber(text, start);
  if (end == start) return 0;
  // Plain strtod would follow the user's locale (Qt installs it at start-up)
  // and take "," for the decimal point; QByteArray::toDouble gives 0 for a
  // number too large, where BASIC gives infinity.
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
  return strtod_l(text.substr(start, end - start).c_str(), nullptr, cLocale);
}

std::string ReplaceAll(const std::string& text, const std::string& find, const std::string& replacement) {
  if (find.empty()) return text;
  std::string result;
  size_t begin = 0;
  for (size_t at = text.find(find); at != std::string::npos; at = text.find(find, begin)) {
    result.append(text, begin, at - begin).append(replacement);
    begin = at + find.size();
  }
  return result.append(text, begin);
}

std::string Chr(int codepoint) {
  bool surrogate = codepoint >= 0xD800 && codepoint <= 0xDFFF;
  if (codepoint < 0 || codepoint > 0x10FFFF || surrogate) return "";
  char32_t character = static_cast<char32_t>(codepoint);
  return ToStdString(QString::fromUcs4(&character, 1));
}

int Asc(const std::string& text) {
  if (text.empty()) return 0;
  QList<uint> codepoints = ToQString(text.substr(0, OffsetOfCharacter(text, 1))).toUcs4();
  return codepoints.isEmpty() ? 0 : static_cast<int>(codepoints.first());
}

int InStr(const std::string& text, const std::string& find) {
  if (find.empty()) return 0;
  size_t at = text.find(find);
  return at == std::string::npos ? 0 : Len(text.substr(0, at)) + 1;
}

std::string Trim(const std::string& text) {
  return QByteArray::fromRawData(text.data(), static_cast<qsizetype>(text.size())).trimmed().toStdString();
}

}  // namespace fw
