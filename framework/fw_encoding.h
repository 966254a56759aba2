#pragma once
#include <string>

namespace fw {

// Text encodings. Text in memory is UTF-8; None means bytes with no encoding.
enum class Encoding { None, UTF8, MacRoman, Latin1 };

namespace Encodings {
inline constexpr Encoding None = Encoding::None;
inline constexpr Encoding UTF8 = Encoding::UTF8;
inline constexpr Encoding MacRoman = Encoding::MacRoman;
inline constexpr Encoding Latin1 = Encoding::Latin1;
}  // namespace Encodings

// Whether text is well-formed UTF-8 (no overlong forms, surrogates or cut sequences).
bool IsValidUTF8(const std::string& text);

// text in the encoding to. Text that is valid UTF-8 is taken as UTF-8; any
// other bytes are taken as MacRoman, the encoding of files from the old Mac
// program. So converting to UTF8 leaves valid UTF-8 unchanged and always
// gives valid UTF-8. Characters that MacRoman or Latin1 cannot hold become
// "?". To None returns text unchanged.
std::string ConvertEncoding(const std::string& text, Encoding to);

// Bytes read in the encoding from, as UTF-8 text. From UTF8 it is
// ConvertEncoding(bytes, UTF8); from None the bytes as they are.
std::string ToUTF8(const std::string& bytes, Encoding from);

}  // namespace fw
