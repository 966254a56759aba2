#pragma once
#include <string>

namespace fw {

// Base64 of the bytes, standard alphabet with "=" padding. With lineWidth > 0
// the text is broken into lines of at most lineWidth characters joined by
// CR LF, as MIME does; no line break follows the last line. 0: one line.
std::string EncodeBase64(const std::string& bytes, int lineWidth = 0);
// The one-line Base64 of the bytes appended to out: a writer of many values
// makes no string for each.
void AppendBase64(std::string& out, const std::string& bytes);

// The bytes that text encodes; line breaks, blanks and any other character
// outside the Base64 alphabet are skipped.
std::string DecodeBase64(const std::string& text);

}  // namespace fw
