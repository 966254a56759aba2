#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/app.h"
#include "dialogs/aboutwin.h"
#include "dialogs/prefswin.h"
#include "dialogs/pswdwin2.h"
#include "framework/fw_date.h"
#include "framework/fw_dialogs.h"
#include "framework/fw_file_dialogs.h"
#include "framework/fw_shared.h"
#include "framework/fw_specialfolder.h"
#include "framework/fw_strings.h"
#include "framework/fw_textstreams.h"
#include "framework/fw_yield.h"
#include "mainwindow/exchange_format.h"
#include "mainwindow/window1.h"

namespace {

std::string CannotImportMessage(const fw::FolderItem& file, const std::string& reason) {
  const std::string cr = fw::Chr(13);
  return "Kavro cannot read the file \"" + file.NativePath() + "\": " + reason + "." + cr + cr +
         "Nothing was imported.";
}

std::string ImportedMessage(int lines) {
  return "OK, import completed with success." + fw::Chr(13) + fw::Str(lines) + " records added.";
}

// Rows go into the list in batches: one change of the list per batch rather
// than one per cell.
constexpr size_t kRowsPerBatch = 1024;

// What the import reads of a file: its bytes without a UTF-8 byte-order mark.
std::string ImportBytes(fw::TextInputStream& file) {
  std::string bytes = file.ReadAll();
  bytes.erase(0, bytes.size() - exchange_format::WithoutByteOrderMark(bytes).size());
  return bytes;
}

// Appends one row per line, the first line included, field 1 in column 0.
// Answers the number of lines.
int AppendLines(fw::TextInputStream& stream, Window1& window) {
  int added = 0;
  std::vector<std::vector<std::string>> rows;
  rows.reserve(kRowsPerBatch);
  do {
    rows.push_back(exchange_format::ImportFields(exchange_format::ImportText(stream.ReadLine())));
    ++added;
    if (rows.size() == kRowsPerBatch) {
      window.AppendEntries(std::move(rows));
      rows.clear();
      rows.reserve(kRowsPerBatch);
    }
    fw::CooperativeYield();
  } while (!stream.EndOfFile());
  window.AppendEntries(std::move(rows));
  return added;
}

// The main window loads the settings and the master password from the
// preferences file as it opens. Chosen from the prompt's menu before the first
// unlock, a new password or setting would be overwritten by that load and the
// change silently lost; building the main window (locked) first loads the
// store, so the change is made on what will be saved.
void LoadStoreBeforeChangingSettings() { fw::Shared<Window1>(); }

}  // namespace

// Each handler does its one call and answers False. A window that is already
// open is the same shared instance, brought to the front.
bool App::FileImport_Action() {
  import();
  return false;
}
bool App::FileChangepassword_Action() {
  LoadStoreBeforeChangingSettings();
  fw::Shared<pswdWin2>().Show();
  return false;
}
bool App::FileAboutKavro_Action() {
  fw::Shared<aboutWin>().Show();
  return false;
}
bool App::FileExport_Action() {
  fw::Shared<Window1>().Export();
  return false;
}
bool App::FilePreferences_Action() {
  LoadStoreBeforeChangingSettings();
  fw::Shared<prefsWin>().Show();
  return false;
}

void App::import() {
  fw::OpenDialog dlg;
  dlg.InitialDirectory = fw::SpecialFolder::Desktop();
  dlg.PromptText = "Select the data file to import:";
  dlg.Title = "Select the file to import";
  dlg.Filter = "text/plain";
  Window1& window = fw::Shared<Window1>();
  std::optional<fw::FolderItem> chosen = dlg.ShowModalWithin(window);
  if (!chosen) return;

  std::unique_ptr<fw::TextInputStream> stream = chosen->OpenAsTextFile();
  if (!stream) {
    fw::MsgBox(CannotImportMessage(*chosen, chosen->LastError()));
    return;
  }
  if (!checkImport(*chosen)) {
    fw::MsgBox("Wrong file type!");
    return;
  }
  fw::TextInputStream lines(ImportBytes(*stream));
  stream->Close();
  const int added = AppendLines(lines, window);
  fw::MsgBox(ImportedMessage(added));
  window.counter->Text(fw::Str(added));
  window.lastUpdated->Text(fw::Date().LongDate());
}

// The file is text the import reads (no UTF-16, no NUL byte: no NUL ever
// reaches the store) and its first line has five fields.
bool App::checkImport(fw::FolderItem file) {
  std::unique_ptr<fw::TextInputStream> stream = file.OpenAsTextFile();
  if (!stream) return false;
  std::string bytes = ImportBytes(*stream);
  if (!exchange_format::IsImportText(bytes)) return false;
  fw::TextInputStream lines(std::move(bytes));
  return exchange_format::IsImportFile(lines.ReadLine());
}
