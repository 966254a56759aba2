// Encodings: converting any bytes to UTF-8 gives valid UTF-8 and leaves valid
// UTF-8 alone; text read from MacRoman or Latin-1 converts back to the very
// bytes it was read from.
#include "framework/fw_encoding.h"
#include "fuzz/property.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using fw::Encoding;
  const std::string bytes = fuzz::Bytes(data, size);

  const std::string utf8 = fw::ConvertEncoding(bytes, Encoding::UTF8);
  fuzz::Require(fw::IsValidUTF8(utf8), "converting to UTF-8 gives valid UTF-8");
  if (fw::IsValidUTF8(bytes)) fuzz::Require(utf8 == bytes, "valid UTF-8 is left unchanged");
  else fuzz::Require(utf8 == fw::ToUTF8(bytes, Encoding::MacRoman), "other bytes are read as MacRoman");
  fuzz::Require(fw::ConvertEncoding(bytes, Encoding::None) == bytes, "to None leaves the bytes alone");
  fuzz::Require(fw::ToUTF8(bytes, Encoding::None) == bytes, "from None leaves the bytes alone");

  for (Encoding single : {Encoding::MacRoman, Encoding::Latin1}) {
    const std::string text = fw::ToUTF8(bytes, single);
    fuzz::Require(fw::IsValidUTF8(text), "reading a one-byte encoding gives valid UTF-8");
    fuzz::Require(fw::ConvertEncoding(text, single) == bytes, "a one-byte encoding converts back byte for byte");
    // Any UTF-8 text: characters the encoding lacks become one replacement
    // each, so reading the result back is again valid UTF-8.
    fuzz::Require(fw::IsValidUTF8(fw::ToUTF8(fw::ConvertEncoding(utf8, single), single)),
                  "any text converts to a one-byte encoding and back to valid UTF-8");
  }
  return 0;
}
