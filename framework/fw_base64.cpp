#include "framework/fw_base64.h"

#include <QByteArray>

namespace fw {
namespace {

QByteArray RawBytes(const std::string& bytes) {
  return QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string BreakIntoLines(const std::string& text, size_t width) {
  std::string lines;
  for (size_t begin = 0; begin < text.size(); begin += width) {
    if (begin > 0) lines += "\r\n";
    lines.append(text, begin, width);
  }
  return lines;
}

}  // namespace

std::string EncodeBase64(const std::string& bytes, int lineWidth) {
  std::string oneLine = RawBytes(bytes).toBase64().toStdString();
  if (lineWidth <= 0) return oneLine;
  return BreakIntoLines(oneLine, static_cast<size_t>(lineWidth));
}

std::string DecodeBase64(const std::string& text) {
  // Qt's lenient mode is the one that skips the line breaks of wrapped text.
  return QByteArray::fromBase64(RawBytes(text)).toStdString();
}

}  // namespace fw
