// Base64: any bytes survive encoding and decoding, on one line or wrapped, and
// the decoder skips whatever lies outside the alphabet.
#include <cstring>

#include "framework/fw_base64.h"
#include "fuzz/property.h"

namespace {

bool InAlphabet(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' || c == '/' ||
         c == '=';
}

std::string AlphabetOnly(const std::string& text) {
  std::string kept;
  for (char c : text)
    if (InAlphabet(c)) kept += c;
  return kept;
}

// The text with a blank, a TAB or a line end after every step characters.
std::string Scatter(const std::string& text, size_t step, const std::string& noise) {
  std::string scattered;
  for (size_t i = 0; i < text.size(); ++i) {
    scattered += text[i];
    if ((i + 1) % step == 0) scattered += noise;
  }
  return scattered;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes = fuzz::Bytes(data, size);

  const std::string oneLine = fw::EncodeBase64(bytes);
  fuzz::Require(oneLine.size() == (bytes.size() + 2) / 3 * 4, "one-line Base64 is 4 characters per 3 bytes");
  fuzz::Require(AlphabetOnly(oneLine) == oneLine, "Base64 holds only its alphabet");
  fuzz::Require(fw::DecodeBase64(oneLine) == bytes, "Base64 of any bytes decodes to them");

  const int width = size > 0 ? 1 + data[0] % 80 : 76;
  const std::string wrapped = fw::EncodeBase64(bytes, width);
  fuzz::Require(AlphabetOnly(wrapped) == oneLine, "wrapping only adds line ends");
  fuzz::Require(fw::DecodeBase64(wrapped) == bytes, "wrapped Base64 decodes to the bytes");

  const char* noises[] = {"\r", "\n", "\r\n", " ", "\t", "\n\n"};
  const std::string noise = noises[size > 1 ? data[1] % 6 : 0];
  const size_t step = size > 2 ? 1 + data[2] % 64 : 4;
  fuzz::Require(fw::DecodeBase64(Scatter(oneLine, step, noise)) == bytes,
                "blanks and line breaks inside Base64 are skipped");

  // The input as text: whatever it holds beside the alphabet is skipped.
  fuzz::Require(fw::DecodeBase64(bytes) == fw::DecodeBase64(AlphabetOnly(bytes)),
                "characters outside the alphabet do not change what decodes");
  return 0;
}
