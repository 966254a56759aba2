#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "framework/fw_date.h"
#include "framework/fw_dialogs.h"
#include "framework/fw_strings.h"
#include "mainwindow/window1.h"

namespace {

// The cells of an entry's row, in the order the fields show them.
enum Column { kDescription = 0, kUserName = 1, kPassword = 2, kUrl = 3, kNote = 4 };

constexpr int32_t kMinPaneSize = 130;

std::string RemoveQuestion(const std::string& description) {
  const std::string cr = fw::Chr(13);
  return "Remove an entry" + cr + cr + "Are you sure to remove the password:" + cr + "\u00AB" + description +
         "\u00BB ?" + cr;
}

// The time of the last change in memory, and how many entries there are.
void RefreshLabels(Window1& w) {
  const fw::Date now;
  w.lastUpdated->Text(now.LongDate() + ", " + now.LongTime());
  w.counter->Text(fw::Str(w.ListBox1->ListCount()));
}

// Column 0 takes the whole width and every other column is hidden.
std::string DescriptionOnlyWidths(int columns) {
  std::string widths = "*";
  for (int column = 1; column < columns; ++column) widths += ",0";
  return widths;
}

}  // namespace

void Window1::AppendEntries(std::vector<std::vector<std::string>>&& rows) {
  size_t widest = 0;
  for (const std::vector<std::string>& cells : rows) widest = std::max(widest, cells.size());
  if (ListBox1->ColumnCount() < static_cast<int>(widest)) {
    ListBox1->ColumnCount(static_cast<int>(widest));
    ListBox1->ColumnWidths(DescriptionOnlyWidths(static_cast<int>(widest)));
  }
  ListBox1->AddRows(std::move(rows));
}

void Window1::Splitview1_Open() { Splitview1->Vertical(true); }

// Only the list may collapse: the editor pane always keeps its fields in reach.
bool Window1::Splitview1_CanCollapseSubview(fw::RectControl& subview) {
  return dynamic_cast<fw::Listbox*>(&subview) != nullptr;
}

bool Window1::Splitview1_MinSizeOfSubview(fw::RectControl& subview, int32_t& size) {
  (void)subview;
  size = kMinPaneSize;
  return true;
}

// The fields show the selected row; unsaved edits give way to it.
void Window1::ListBox1_Change() {
  const int row = ListBox1->ListIndex();
  if (row > -1) {
    descrFld->Text(ListBox1->Cell(row, kDescription));
    userFld->Text(ListBox1->Cell(row, kUserName));
    pswdFld->Text(ListBox1->Cell(row, kPassword));
    urlFld->Text(ListBox1->Cell(row, kUrl));
    noteFld->Text(ListBox1->Cell(row, kNote));
    delBtn->Enabled(true);
  } else {
    descrFld->Text("");
    userFld->Text("");
    pswdFld->Text("");
    urlFld->Text("");
    noteFld->Text("");
    delBtn->Enabled(false);
  }
}

void Window1::descrFld_TextChange() { saveBtn->Enabled(descrFld->Text() != ""); }

void Window1::saveBtn_Action() {
  const int row = ListBox1->ListIndex();
  if (row == -1) return;
  ListBox1->Cell(row, kDescription, descrFld->Text());
  ListBox1->Cell(row, kUserName, userFld->Text());
  ListBox1->Cell(row, kPassword, pswdFld->Text());
  ListBox1->Cell(row, kUrl, urlFld->Text());
  ListBox1->Cell(row, kNote, noteFld->Text());
  RefreshLabels(*this);
}

void Window1::addbtn_Action() {
  ListBox1->AddRow("New");
  const int row = ListBox1->LastIndex();
  ListBox1->Cell(row, kUserName, "");
  ListBox1->Cell(row, kPassword, "");
  ListBox1->Cell(row, kUrl, "http://");
  ListBox1->Cell(row, kNote, "");
  ListBox1->ListIndex(row);
  RefreshLabels(*this);
}

// The question names the stored description, whatever the field shows now.
void Window1::delBtn_Action() {
  if (!(ListBox1->ListIndex() > -1)) return;
  const std::string question = RemoveQuestion(ListBox1->Cell(ListBox1->ListIndex(), kDescription));
  if (fw::MsgBox(question, fw::MsgBoxYesNo + fw::MsgBoxQuestionIcon, "") != fw::AnswerYes) return;
  ListBox1->RemoveRow(ListBox1->ListIndex());
  RefreshLabels(*this);
}

void Window1::Canvas1_MouseEnter() { pswdFld->Password(false); }
void Window1::Canvas1_MouseExit() { pswdFld->Password(true); }
