#include "framework/fw_listbox.h"

#include <QAbstractItemModel>
#include <QDropEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPersistentModelIndex>
#include <QTreeView>
#include <algorithm>
#include <utility>

#include "framework/fw_dispatch.h"
#include "framework/fw_errors.h"
#include "framework/fw_qt_p.h"

namespace fw {
namespace {

// Rows take no drops, so a dragged row lands between rows and the list stays flat.
constexpr Qt::ItemFlags kRowFlags =
    Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled | Qt::ItemNeverHasChildren;

}  // namespace

// The rows as a flat table. A row holds at least its first cell; a cell past
// the end of its row reads as empty, so that widening the list touches no row.
class ListRows : public QAbstractItemModel {
 public:
  using Row = std::vector<std::string>;

  explicit ListRows(QTreeView* view) : QAbstractItemModel(view), view_(view) { SetColumnCount(1); }

  int Count() const { return static_cast<int>(rows_.size()); }
  int Columns() const { return columns_; }

  const std::string& Cell(int row, int column) const {
    static const std::string empty;
    const Row& cells = rows_[static_cast<size_t>(row)];
    return static_cast<size_t>(column) < cells.size() ? cells[static_cast<size_t>(column)] : empty;
  }

  void SetCell(int row, int column, const std::string& text) {
    Row& cells = rows_[static_cast<size_t>(row)];
    if (static_cast<size_t>(column) >= cells.size()) cells.resize(static_cast<size_t>(column) + 1);
    cells[static_cast<size_t>(column)] = text;
    const QModelIndex changed = createIndex(row, column);
    emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
  }

  // Appends the rows in one change of the model; an empty row gets its first cell.
  void Append(std::vector<Row>&& rows) {
    if (rows.empty()) return;
    for (Row& cells : rows)
      if (cells.empty()) cells.emplace_back();
    beginInsertRows(QModelIndex(), Count(), Count() + static_cast<int>(rows.size()) - 1);
    if (rows_.empty()) {
      rows_ = std::move(rows);
    } else {
      rows_.insert(rows_.end(), std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    }
    endInsertRows();
  }

  void Insert(int row, Row cells) {
    if (cells.empty()) cells.emplace_back();
    beginInsertRows(QModelIndex(), row, row);
    rows_.insert(rows_.begin() + row, std::move(cells));
    endInsertRows();
  }

  Row Take(int row) {
    beginRemoveRows(QModelIndex(), row, row);
    Row cells = std::move(rows_[static_cast<size_t>(row)]);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
    return cells;
  }

  void Clear() {
    beginResetModel();
    rows_ = {};
    endResetModel();
  }

  // A new column is headed by its number until given a heading; columns
  // taken away keep their cells in the rows.
  void SetColumnCount(int count) {
    if (count == columns_) return;
    if (count < columns_) {
      beginRemoveColumns(QModelIndex(), count, columns_ - 1);
      columns_ = count;
      headings_.resize(static_cast<size_t>(count));
      endRemoveColumns();
      return;
    }
    beginInsertColumns(QModelIndex(), columns_, count - 1);
    for (int column = columns_; column < count; ++column) headings_.push_back(std::to_string(column + 1));
    columns_ = count;
    endInsertColumns();
  }

  const std::vector<Row>& Rows() const { return rows_; }

  std::string Heading(int column) const {
    return column >= 0 && column < columns_ ? headings_[static_cast<size_t>(column)] : std::string();
  }

  void SetHeading(int column, const std::string& text) {
    headings_[static_cast<size_t>(column)] = text;
    emit headerDataChanged(Qt::Horizontal, column, column);
  }

  QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override {
    if (parent.isValid() || row < 0 || row >= Count() || column < 0 || column >= columns_) return {};
    return createIndex(row, column);
  }
  QModelIndex parent(const QModelIndex&) const override { return {}; }
  int rowCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : Count(); }
  int columnCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : columns_;
  }

  // The cells of hidden columns show nowhere: not in the view and not to
  // screen readers or any other accessibility client, which read them from
  // here (the main window keeps the passwords there, also while the store is
  // locked). The list itself reads its cells with Cell.
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    if (view_->isColumnHidden(index.column())) return {};
    return qt::ToQ(Cell(index.row(), index.column()));
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    if (section < 0 || section >= columns_) return {};
    return qt::ToQ(Heading(section));
  }

  Qt::ItemFlags flags(const QModelIndex& index) const override {
    return index.isValid() ? kRowFlags : Qt::ItemIsDropEnabled;
  }

  Qt::DropActions supportedDropActions() const override { return Qt::CopyAction | Qt::MoveAction; }

  bool moveRows(const QModelIndex& from, int first, int count, const QModelIndex& to, int at) override {
    if (from.isValid() || to.isValid() || count <= 0 || first < 0 || first + count > Count() || at < 0 ||
        at > Count() || (at >= first && at <= first + count))
      return false;
    beginMoveRows(from, first, first + count - 1, to, at);
    const auto begin = rows_.begin() + first, end = begin + count;
    if (at < first) {
      std::rotate(rows_.begin() + at, begin, end);
    } else {
      std::rotate(begin, end, rows_.begin() + at);
    }
    endMoveRows();
    return true;
  }

 private:
  const QTreeView* view_;
  std::vector<Row> rows_;
  std::vector<std::string> headings_;
  int columns_ = 0;
};

namespace {

class ListWidget : public QTreeView {
 public:
  explicit ListWidget(Listbox* owner) : owner_(owner) {
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
  }

  // The list's own key handling is the owner's KeyDown; the toolkit's
  // type-to-search would move the selection behind its back.
  void keyboardSearch(const QString&) override {}

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    std::string key = qt::KeyText(*e);
    if (!key.empty() && owner_->RaiseKeyDown(key)) return;
    if (!key.empty() && owner_->KeyDownChoseSelection()) {
      // The toolkit would select its current row on Space, or the first or
      // last row on Home and End; the handler's choice, no row included, stands.
      setSelectionMode(QAbstractItemView::NoSelection);
      QTreeView::keyPressEvent(e);
      setSelectionMode(QAbstractItemView::SingleSelection);
      return;
    }
    QTreeView::keyPressEvent(e);
  }

  // A row dragged within the list is taken out and put back where it was
  // dropped, with all its cells (the hidden ones would not survive the drag's
  // data, which holds the shown columns only). Taking out the selected row
  // moves the selection on as removing it would.
  void dropEvent(QDropEvent* e) override {
    if (e->source() == this && !e->isAccepted() &&
        (e->dropAction() == Qt::MoveAction || dragDropMode() == QAbstractItemView::InternalMove)) {
      auto* rows = static_cast<ListRows*>(model());
      const int to = DropRow(*e);
      const int from = owner_->ListIndex();
      if (from >= 0) {
        // Taking the row out shifts the rows below it.
        const QPersistentModelIndex before = rows->index(to, 0);
        ListRows::Row taken = rows->Take(from);
        const int at = to < 0 ? rows->Count() : std::min(before.isValid() ? before.row() : to, rows->Count());
        rows->Insert(at, std::move(taken));
      }
      e->accept();
      // Moved already: the drag must not remove the row from its old place.
      e->setDropAction(Qt::CopyAction);
    }
    QTreeView::dropEvent(e);
  }

 private:
  // The row a drop at the event's point goes before; -1 after the last row.
  // The top and bottom edges of a row go before and after it, its middle by
  // which half it is in, and a point on no row at the end.
  int DropRow(const QDropEvent& e) const {
    const QPoint at = e.position().toPoint();
    if (!viewport()->rect().contains(at)) return -1;
    const QModelIndex index = indexAt(at);
    const QRect rect = visualRect(index);
    if (!index.isValid() || !rect.contains(at)) return -1;
    const int margin = std::clamp(qRound(rect.height() / 5.5), 2, 12);
    if (at.y() - rect.top() < margin) return index.row();
    if (rect.bottom() - at.y() < margin) return index.row() + 1;
    if (!rect.contains(at, true)) return -1;
    return at.y() < rect.center().y() ? index.row() : index.row() + 1;
  }

  Listbox* owner_;
};

}  // namespace

Listbox::Listbox(Window& window, const std::string& name)
    : RectControl(window, name, new ListWidget(this)), rows_(new ListRows(static_cast<QTreeView*>(Widget()))) {
  Tree()->setModel(rows_);
  QObject::connect(Tree()->selectionModel(), &QItemSelectionModel::selectionChanged, Tree(),
                   [this] { RaiseChange(); });
  Tree()->header()->hide();
  ApplyColumnWidths();
}

QTreeView* Listbox::Tree() const { return static_cast<QTreeView*>(Widget()); }

int Listbox::ColumnCount() const { return rows_->Columns(); }

void Listbox::ColumnCount(int count) {
  rows_->SetColumnCount(std::max(count, 1));
  ApplyColumnWidths();
}

void Listbox::ColumnWidths(const std::string& widths) {
  columnWidths_ = widths;
  ApplyColumnWidths();
}

void Listbox::ApplyColumnWidths() {
  QStringList widths = qt::ToQ(columnWidths_).split(',');
  QHeaderView* header = Tree()->header();
  bool anyStretch = false;
  for (int c = 0; c < ColumnCount(); ++c) {
    QString w = c < widths.size() ? widths[c].trimmed() : QString();
    Tree()->setColumnHidden(c, w == "0");
    if (w == "*" || (w.isEmpty() && c == 0)) {
      header->setSectionResizeMode(c, QHeaderView::Stretch);
      anyStretch = true;
    } else if (!w.isEmpty() && w != "0") {
      header->setSectionResizeMode(c, QHeaderView::Interactive);
      Tree()->setColumnWidth(c, w.toInt());
    }
  }
  header->setStretchLastSection(!anyStretch);
}

bool Listbox::HasHeading() const { return !Tree()->header()->isHidden(); }
void Listbox::HasHeading(bool value) { Tree()->header()->setVisible(value); }

void Listbox::Heading(int column, const std::string& text) {
  if (column < 0) return;
  if (column >= ColumnCount()) ColumnCount(column + 1);
  rows_->SetHeading(column, text);
}

std::string Listbox::Heading(int column) const { return rows_->Heading(column); }

void Listbox::InitialValue(const std::string& text) {
  QStringList lines = qt::ForDisplay(text).split('\n');
  int first = 0;
  if (HasHeading() && !lines.isEmpty()) {
    QStringList headings = lines[0].split('\t');
    for (int c = 0; c < headings.size(); ++c) Heading(c, qt::FromQ(headings[c]));
    first = 1;
  }
  for (int i = first; i < lines.size(); ++i) {
    if (lines[i].isEmpty()) continue;
    QStringList cells = lines[i].split('\t');
    AddRow(qt::FromQ(cells[0]));
    for (int c = 1; c < cells.size() && c < ColumnCount(); ++c) Cell(LastIndex(), c, qt::FromQ(cells[c]));
  }
}

void Listbox::AddRow(const std::string& text) {
  rows_->Insert(ListCount(), {text});
  lastIndex_ = ListCount() - 1;
}

void Listbox::AddRows(const std::vector<std::vector<std::string>>& rows) {
  AddRows(std::vector<std::vector<std::string>>(rows));
}

void Listbox::AddRows(std::vector<std::vector<std::string>>&& rows) {
  const size_t columns = static_cast<size_t>(ColumnCount());
  for (const auto& cells : rows)
    if (cells.size() > columns) throw OutOfBoundsException("cell index out of bounds");
  if (rows.empty()) return;
  rows_->Append(std::move(rows));
  lastIndex_ = ListCount() - 1;
}

void Listbox::RemoveRow(int row) {
  if (row < 0 || row >= ListCount()) throw OutOfBoundsException("row index out of bounds");
  // Removing the current row would make Qt select the next one; the list is
  // left with no selection instead (one Change when the row was selected).
  QItemSelectionModel* selection = Tree()->selectionModel();
  if (selection->currentIndex().isValid() && selection->currentIndex().row() == row)
    selection->setCurrentIndex(QModelIndex(), ListIndex() == row ? QItemSelectionModel::Clear
                                                                 : QItemSelectionModel::NoUpdate);
  rows_->Take(row);
}

void Listbox::DeleteAllRows() {
  Tree()->selectionModel()->clear();
  rows_->Clear();
}

int Listbox::ListCount() const { return rows_->Count(); }

const std::string& Listbox::List(int row) const {
  if (row < 0 || row >= ListCount()) throw OutOfBoundsException("row index out of bounds");
  return rows_->Cell(row, 0);
}

void Listbox::CheckCell(int row, int column) const {
  if (row < 0 || row >= ListCount() || column < 0 || column >= ColumnCount())
    throw OutOfBoundsException("cell index out of bounds");
}

std::string Listbox::Cell(int row, int column) const {
  CheckCell(row, column);
  return rows_->Cell(row, column);
}

void Listbox::RowCells(int row, int columns, std::vector<std::string>& cells) const {
  if (row < 0 || row >= ListCount()) throw OutOfBoundsException("row index out of bounds");
  const int held = std::min(columns, ColumnCount());
  cells.resize(static_cast<size_t>(std::max(columns, 0)));
  for (int column = 0; column < columns; ++column) {
    std::string& cell = cells[static_cast<size_t>(column)];
    if (column < held) {
      cell = rows_->Cell(row, column);
    } else {
      cell.clear();
    }
  }
}

void Listbox::Cell(int row, int column, const std::string& text) {
  CheckCell(row, column);
  rows_->SetCell(row, column, text);
}

const std::vector<std::vector<std::string>>& Listbox::Rows() const { return rows_->Rows(); }

int Listbox::ListIndex() const {
  for (const QItemSelectionRange& range : Tree()->selectionModel()->selection())
    if (range.isValid()) return range.top();
  return -1;
}

void Listbox::ListIndex(int row) {
  if (row < -1 || row >= ListCount()) throw OutOfBoundsException("row index out of bounds");
  if (inKeyDown_) keyDownChoseSelection_ = true;
  if (row == -1) {
    Tree()->clearSelection();
    return;
  }
  // One assignment is one selection change, so one Change event.
  QModelIndex index = rows_->index(row, 0);
  Tree()->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
  Tree()->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  Tree()->scrollTo(index);
}

void Listbox::EnableDragReorder(bool value) {
  dragReorder_ = value;
  Tree()->setDragEnabled(value);
  Tree()->setDragDropMode(value ? QAbstractItemView::InternalMove : QAbstractItemView::NoDragDrop);
  Tree()->setDefaultDropAction(Qt::MoveAction);
}

void Listbox::GridLinesHorizontal(int style) {
  // A style sheet for the items takes over their whole look: without the
  // selected state's own rule, an unfocused list draws its selected row's
  // text in the highlight's text colour on no highlight, white on white.
  Tree()->setStyleSheet(style == 0 ? QString()
                                   : QStringLiteral("QTreeView::item { border-bottom: 1px solid #d8d8d8; }"
                                                    "QTreeView::item:selected { background: palette(highlight);"
                                                    " color: palette(highlighted-text); }"));
}

void Listbox::RaiseChange() {
  Dispatch([this] { Event_Change(); });
}

bool Listbox::RaiseKeyDown(const std::string& key) {
  inKeyDown_ = true;
  keyDownChoseSelection_ = false;
  const bool handled = DispatchWithResult([&] { return Event_KeyDown(key); }, false);
  inKeyDown_ = false;
  return handled;
}

void Listbox::Event_Change() {
  if (Change) Change();
}

bool Listbox::Event_KeyDown(const std::string& key) { return KeyDown ? KeyDown(key) : false; }

}  // namespace fw
