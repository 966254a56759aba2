#include "framework/fw_encoding.h"

#include <iconv.h>

#include <QByteArray>
#include <QStringDecoder>
#include <cerrno>

namespace fw {
namespace {

const char* IconvName(Encoding encoding) {
  switch (encoding) {
    case Encoding::MacRoman: return "MACINTOSH";
    case Encoding::Latin1: return "ISO-8859-1";
    case Encoding::UTF8:
    case Encoding::None: break;
  }
  return "UTF-8";
}

// Converts with glibc's iconv. A byte that cannot be converted becomes "?"
// and the conversion goes on after it.
std::string Iconv(const std::string& bytes, const char* from, const char* to) {
  iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return bytes;
  std::string result;
  char* in = const_cast<char*>(bytes.data());
  size_t inLeft = bytes.size();
  char buffer[1024];
  while (inLeft > 0) {
    char* out = buffer;
    size_t outLeft = sizeof buffer;
    size_t done = iconv(converter, &in, &inLeft, &out, &outLeft);
    result.append(buffer, static_cast<size_t>(out - buffer));
    if (done == static_cast<size_t>(-1) && errno != E2BIG) {
      result += '?';
      ++in;
      --inLeft;
    }
  }
  iconv_close(converter);
  return result;
}

}  // namespace

bool IsValidUTF8(const std::string& text) {
  // ASCII, most text, is UTF-8 as it is: only other text goes to the decoder.
  // One pass that ORs every byte, which the compiler does many bytes at a time.
  unsigned char highBits = 0;
  for (char c : text) highBits |= static_cast<unsigned char>(c);
  if (highBits < 0x80) return true;
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString decoded = decoder(QByteArray::fromRawData(text.data(), static_cast<qsizetype>(text.size())));
  return !decoder.hasError();
}

std::string ConvertEncoding(const std::string& text, Encoding to) {
  if (to == Encoding::None) return text;
  std::string utf8 = IsValidUTF8(text) ? text : ToUTF8(text, Encoding::MacRoman);
  if (to == Encoding::UTF8) return utf8;
  return Iconv(utf8, "UTF-8", (std::string(IconvName(to)) + "//TRANSLIT").c_str());
}

std::string ToUTF8(const std::string& bytes, Encoding from) {
  switch (from) {
    case Encoding::None: return bytes;
    case Encoding::UTF8: return ConvertEncoding(bytes, Encoding::UTF8);
    case Encoding::MacRoman:
    case Encoding::Latin1: break;
  }
  return Iconv(bytes, IconvName(from), "UTF-8");
}

}  // namespace fw
