#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/fw_dialogs.h"
#include "framework/fw_file_dialogs.h"
#include "framework/fw_specialfolder.h"
#include "framework/fw_strings.h"
#include "framework/fw_textstreams.h"
#include "framework/fw_yield.h"
#include "mainwindow/exchange_format.h"
#include "mainwindow/window1.h"

namespace {

// The export file's lines end with LF, the platform's line end.
constexpr char kLineEnd = '\n';
constexpr int kEntryCells = 5;
constexpr size_t kBlockSize = 64 * 1024;

std::string CannotExportMessage(const fw::FolderItem& file, const std::string& reason) {
  const std::string cr = fw::Chr(13);
  return "Kavro cannot write the file \"" + file.NativePath() + "\": " + reason + "." + cr + cr +
         "Nothing was exported.";
}

std::string ExportedMessage(int rows) {
  const std::string cr = fw::Chr(13);
  return "Kavro - Export" + cr + cr + "OK, export completed with success." + cr + fw::Str(rows) +
         " records written.";
}

}  // namespace

void Window1::Export() {
  fw::SaveAsDialog dlg;
  dlg.InitialDirectory = fw::SpecialFolder::Desktop();
  dlg.PromptText = "Filename for the exported data file:";
  dlg.SuggestedFileName = "Kavro exported file";
  dlg.Title = "Export your data file";
  std::optional<fw::FolderItem> chosen = dlg.ShowModalWithin(*this);
  if (!chosen) return;

  // Every password is in the file in plain text: the owner alone may read it.
  std::unique_ptr<fw::TextOutputStream> out = chosen->CreateTextFile(/*ownerOnly=*/true);
  if (!out) {
    fw::MsgBox(CannotExportMessage(*chosen, chosen->LastError()));
    return;
  }
  // Lines are gathered into blocks: a write per line would cost a system
  // call per row, and one block reused stays in the processor's cache.
  std::string text = exchange_format::ExportHeader() + kLineEnd;
  const int last = ListBox1->ListCount() - 1;
  std::vector<std::string> cells;
  for (int row = 0; row <= last; ++row) {
    ListBox1->RowCells(row, kEntryCells, cells);
    exchange_format::AppendExportLine(text, cells);
    text += kLineEnd;
    if (text.size() >= kBlockSize) {
      out->Write(text);
      text.clear();
    }
    fw::CooperativeYield();
  }
  out->Write(text);
  // A failed write or commit leaves any earlier file of that name as it was.
  if (!out->Close()) {
    fw::MsgBox(CannotExportMessage(*chosen, out->LastError()));
    return;
  }
  fw::MsgBox(ExportedMessage(last + 1));
}
