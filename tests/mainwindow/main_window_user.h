#pragma once
// The main window as a user works it: entries in the data file before the
// program starts, clicks on rows and buttons, keys into the fields.
#include <QTest>
#include <QTreeView>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "framework/fw_text_controls.h"
#include "mainwindow/store_format.h"
#include "mainwindow/window1.h"

namespace kavro::testing {

// An entry's five cells: description, user name, password, URL, note.
using Entry = std::vector<std::string>;

inline void WriteDataFile(const std::filesystem::path& file, const std::vector<Entry>& entries) {
  std::ofstream(file, std::ios::binary) << store_format::WriteData(entries);
}

// Every row of the list, all five cells.
inline std::vector<Entry> Rows(const Window1& w) {
  std::vector<Entry> rows;
  for (int row = 0; row < w.ListBox1->ListCount(); ++row) {
    Entry cells;
    for (int column = 0; column < 5; ++column) cells.push_back(w.ListBox1->Cell(row, column));
    rows.push_back(cells);
  }
  return rows;
}

// What the five fields show.
inline Entry Fields(const Window1& w) {
  return {w.descrFld->Text(), w.userFld->Text(), w.pswdFld->Text(), w.urlFld->Text(), w.noteFld->Text()};
}

inline void ClickRow(const Window1& w, int row) {
  auto* tree = static_cast<QTreeView*>(w.ListBox1->Widget());
  const QModelIndex item = tree->model()->index(row, 0);
  tree->scrollTo(item);
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(item).center());
}

// Replaces what the field holds as a user does: select all, delete, type.
inline void Retype(fw::TextEdit& field, const std::string& text) {
  field.SetFocus();
  QWidget* widget = field.Widget();
  QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(widget, Qt::Key_Backspace);
  QTest::keyClicks(widget, QString::fromStdString(text));
}

// Types into the list, as the type-ahead search takes it.
inline void TypeIntoList(const Window1& w, const std::string& text) {
  w.ListBox1->SetFocus();
  QTest::keyClicks(w.ListBox1->Widget(), QString::fromStdString(text));
}

}  // namespace kavro::testing
