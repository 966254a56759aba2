// The preferences file: the master password is line 4, or line 4 with the
// lines after it joined where a wrapped write is the only reading (after full
// 76-character pieces, into whole Base64). Whatever the reader makes of a
// file, the writer saves it in four lines that read back to the same settings.
#include <tuple>

#include "framework/fw_base64.h"
#include "fuzz/property.h"
#include "mainwindow/store_format.h"

namespace {

auto Fields(const store_format::Prefs& p) {
  return std::tie(p.wTop, p.wLeft, p.wWidth, p.wHeight, p.liWidth, p.whatToCopy, p.clearPswd, p.showPswd,
                  p.pswd);
}

// Whether the master password read is what line 4 gives, alone or joined
// with the lines after it into whole Base64 over full 76-character pieces.
bool IsLineFourOrItsWrappedValue(const std::vector<std::string>& lines, const std::string& pswd) {
  std::string encoded = lines.size() >= 4 ? lines[3] : "";
  if (fw::DecodeBase64(encoded) == pswd) return true;
  for (size_t next = 4; next < lines.size() && lines[next - 1].size() == 76; ++next) {
    encoded += lines[next];
    if (fuzz::IsWholeBase64(encoded) && fw::DecodeBase64(encoded) == pswd) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string file = fuzz::Bytes(data, size);
  for (fw::Encoding encoding : {fw::Encoding::None, fw::Encoding::UTF8}) {
    const std::vector<std::string> lines = fuzz::Lines(file, encoding);
    const store_format::Prefs prefs = store_format::ReadPrefs(lines);
    fuzz::Require(IsLineFourOrItsWrappedValue(lines, prefs.pswd),
                  "the master password is line 4, or its value wrapped over the lines after it");
    const std::string saved = store_format::WritePrefs(prefs);
    const std::vector<std::string> savedLines = fuzz::Lines(saved, encoding);
    fuzz::Require(savedLines.size() == 4, "the preferences file is four lines");
    const store_format::Prefs reread = store_format::ReadPrefs(savedLines);
    fuzz::Require(Fields(reread) == Fields(prefs), "saved settings read back the same");
    fuzz::Require(store_format::WritePrefs(reread) == saved, "saving again writes the same bytes");
  }
  return 0;
}
