// The preferences file: whatever the reader makes of a file, the writer saves
// it in four lines that read back to the same settings.
#include <tuple>

#include "fuzz/property.h"
#include "mainwindow/store_format.h"

namespace {

auto Fields(const store_format::Prefs& p) {
  return std::tie(p.wTop, p.wLeft, p.wWidth, p.wHeight, p.liWidth, p.whatToCopy, p.clearPswd, p.showPswd,
                  p.pswd);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string file = fuzz::Bytes(data, size);
  for (fw::Encoding encoding : {fw::Encoding::None, fw::Encoding::UTF8}) {
    const store_format::Prefs prefs = store_format::ReadPrefs(fuzz::Lines(file, encoding));
    const std::string saved = store_format::WritePrefs(prefs);
    const std::vector<std::string> savedLines = fuzz::Lines(saved, encoding);
    fuzz::Require(savedLines.size() == 4, "the preferences file is four lines");
    const store_format::Prefs reread = store_format::ReadPrefs(savedLines);
    fuzz::Require(Fields(reread) == Fields(prefs), "saved settings read back the same");
    fuzz::Require(store_format::WritePrefs(reread) == saved, "saving again writes the same bytes");
  }
  return 0;
}
