#include <optional>
#include <string>
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

// The list shows the description alone, however many columns it holds.
std::string DescriptionOnlyWidths(int columns) {
  std::string widths = "*";
  for (int column = 1; column < columns; ++column) widths += ",0";
  return widths;
}

// Appends one row per line, the first line included; a line with more fields
// than the list has columns widens the list. Answers the number of lines.
int AppendLines(fw::TextInputStream& stream, fw::Listbox& list) {
  int added = 0;
  do {
    std::vector<std::string> fields = exchange_format::ImportFields(exchange_format::ImportText(stream.ReadLine()));
    const int count = static_cast<int>(fields.size());
    if (list.ColumnCount() < count) {
      list.ColumnCount(count);
      list.ColumnWidths(DescriptionOnlyWidths(count));
    }
    list.AddRow(count > 0 ? fields[0] : "");
    ++added;
    const int row = list.LastIndex();
    for (int i = 1; i < count; ++i) {
      list.Cell(row, i, fields[static_cast<size_t>(i)]);
      fw::CooperativeYield();
    }
    fw::CooperativeYield();
  } while (!stream.EndOfFile());
  return added;
}

}  // namespace

// Each handler does its one call and answers False. A window that is already
// open is the same shared instance, brought to the front.
bool App::FileImport_Action() {
  import();
  return false;
}
bool App::FileChangepassword_Action() {
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
  const int added = AppendLines(*stream, *window.ListBox1);
  stream->Close();
  fw::MsgBox(ImportedMessage(added));
  window.counter->Text(fw::Str(added));
  window.lastUpdated->Text(fw::Date().LongDate());
}

bool App::checkImport(fw::FolderItem file) {
  std::unique_ptr<fw::TextInputStream> stream = file.OpenAsTextFile();
  return stream && exchange_format::IsImportFile(stream->ReadLine());
}
