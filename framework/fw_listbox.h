#pragma once
#include <functional>
#include <string>
#include <vector>

#include "framework/fw_rectcontrol.h"

class QTreeView;

namespace fw {

class ListRows;

// A list of rows with one or more text columns. Rows and columns count from 0;
// every change of the selection, by the user or by assigning ListIndex, raises Change.
class Listbox : public RectControl {
 public:
  Listbox(Window& window, const std::string& name);

  int ColumnCount() const;
  void ColumnCount(int count);
  // Comma-separated widths: pixels, "*" for the rest of the width; 0 hides a column.
  void ColumnWidths(const std::string& widths);
  bool HasHeading() const;
  void HasHeading(bool value);
  void Heading(int column, const std::string& text);
  std::string Heading(int column) const;
  // Lines of TAB-separated cells; with a heading, the first line holds the headings.
  void InitialValue(const std::string& text);
  // -1: no column marked as the sort column.
  void HeadingIndex(int column) { headingIndex_ = column; }
  int HeadingIndex() const { return headingIndex_; }

  void AddRow(const std::string& text);
  // Appends rows with their cells from column 0 on, all at once: one change of
  // the list rather than one per row and cell. An empty row has an empty first
  // cell; a row with more cells than the list has columns is out of bounds.
  void AddRows(const std::vector<std::vector<std::string>>& rows);
  // The same, taking the rows' strings over instead of copying them.
  void AddRows(std::vector<std::vector<std::string>>&& rows);
  int LastIndex() const { return lastIndex_; }
  void RemoveRow(int row);
  void DeleteAllRows();
  int ListCount() const;
  // The text of the row's first column.
  const std::string& List(int row) const;
  std::string Cell(int row, int column) const;
  // Columns 0 to columns - 1 of the row into cells, a column past the list's
  // own empty. The strings already in cells are written over, so that a loop
  // over many rows reuses their storage instead of allocating for every cell.
  void RowCells(int row, int columns, std::vector<std::string>& cells) const;
  void Cell(int row, int column, const std::string& text);
  // Every row's cells, for reading all of them at once without a copy. A row
  // may hold fewer cells than the list has columns: the missing ones are empty.
  const std::vector<std::vector<std::string>>& Rows() const;

  int ListIndex() const;
  void ListIndex(int row);

  bool EnableDragReorder() const { return dragReorder_; }
  void EnableDragReorder(bool value);
  // 0 none, 1 thin dotted, 2 thin solid, 3 thick.
  void GridLinesHorizontal(int style);

  std::function<void()> Change;
  std::function<bool(const std::string&)> KeyDown;

  // Called by the framework's widget.
  void RaiseChange();
  bool RaiseKeyDown(const std::string& key);
  // Whether the last KeyDown handler assigned ListIndex: the selection it left
  // is then that key's answer, which the list's own key handling keeps.
  bool KeyDownChoseSelection() const { return keyDownChoseSelection_; }

 protected:
  virtual void Event_Change();
  virtual bool Event_KeyDown(const std::string& key);

 private:
  QTreeView* Tree() const;
  void ApplyColumnWidths();
  void CheckCell(int row, int column) const;

  // The rows' cells as the program's strings: the view shows them through
  // this model, and reading or searching them converts nothing.
  ListRows* rows_;

  bool inKeyDown_ = false;
  bool keyDownChoseSelection_ = false;
  int lastIndex_ = -1;
  int headingIndex_ = -1;
  bool dragReorder_ = false;
  std::string columnWidths_;
};

}  // namespace fw
