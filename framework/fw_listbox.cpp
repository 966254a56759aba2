#include "framework/fw_listbox.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStringEncoder>
#include <QTreeWidget>
#include <algorithm>

#include "framework/fw_dispatch.h"
#include "framework/fw_errors.h"
#include "framework/fw_qt_p.h"

namespace fw {
namespace {

class ListWidget : public QTreeWidget {
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
    setColumnCount(1);
    connect(this, &QTreeWidget::itemSelectionChanged, this, [this] { owner_->RaiseChange(); });
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
      QTreeWidget::keyPressEvent(e);
      setSelectionMode(QAbstractItemView::SingleSelection);
      return;
    }
    QTreeWidget::keyPressEvent(e);
  }

 private:
  Listbox* owner_;
};

// text as UTF-8 into out, reusing out's storage. Most cells are ASCII,
// copied character by character; any other text goes through the encoder.
void AssignUtf8(std::string& out, const QString& text) {
  const qsizetype length = text.size();
  const QChar* chars = text.constData();
  out.resize(static_cast<size_t>(length));
  for (qsizetype i = 0; i < length; ++i) {
    if (chars[i].unicode() >= 0x80) {
      QStringEncoder toUtf8(QStringEncoder::Utf8);
      out.resize(static_cast<size_t>(toUtf8.requiredSpace(length)));
      char* end = toUtf8.appendToBuffer(out.data(), text);
      out.resize(static_cast<size_t>(end - out.data()));
      return;
    }
    out[static_cast<size_t>(i)] = static_cast<char>(chars[i].unicode());
  }
}

constexpr Qt::ItemFlags kRowFlags = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled;

// A row whose cells in hidden columns show nowhere: not in the view and not to
// screen readers or any other accessibility client, which would otherwise read
// them from the toolkit's model (the main window keeps the passwords there,
// also while the store is locked). The list itself reads them with CellText.
class RowItem : public QTreeWidgetItem {
 public:
  using QTreeWidgetItem::QTreeWidgetItem;
  QVariant data(int column, int role) const override {
    const QTreeWidget* tree = treeWidget();
    if (tree != nullptr && tree->isColumnHidden(column)) return {};
    return QTreeWidgetItem::data(column, role);
  }
};

QString CellText(const QTreeWidgetItem* item, int column) {
  return item->QTreeWidgetItem::data(column, Qt::DisplayRole).toString();
}

}  // namespace

Listbox::Listbox(Window& window, const std::string& name)
    : RectControl(window, name, new ListWidget(this)) {
  Tree()->header()->hide();
  QAbstractItemModel* model = Tree()->model();
  auto invalidate = [this] { firstColumnValid_ = false; };
  QObject::connect(model, &QAbstractItemModel::dataChanged, Tree(), invalidate);
  QObject::connect(model, &QAbstractItemModel::rowsInserted, Tree(), invalidate);
  QObject::connect(model, &QAbstractItemModel::rowsRemoved, Tree(), invalidate);
  QObject::connect(model, &QAbstractItemModel::rowsMoved, Tree(), invalidate);
  QObject::connect(model, &QAbstractItemModel::modelReset, Tree(), invalidate);
  QObject::connect(model, &QAbstractItemModel::layoutChanged, Tree(), invalidate);
  ApplyColumnWidths();
}

QTreeWidget* Listbox::Tree() const { return static_cast<QTreeWidget*>(Widget()); }

int Listbox::ColumnCount() const { return Tree()->columnCount(); }

void Listbox::ColumnCount(int count) {
  Tree()->setColumnCount(std::max(count, 1));
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
  if (column >= ColumnCount()) ColumnCount(column + 1);
  Tree()->headerItem()->setText(column, qt::ToQ(text));
}

std::string Listbox::Heading(int column) const { return qt::FromQ(Tree()->headerItem()->text(column)); }

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
  auto* item = new RowItem(QStringList{qt::ToQ(text)});
  item->setFlags(kRowFlags);
  Tree()->addTopLevelItem(item);
  lastIndex_ = Tree()->topLevelItemCount() - 1;
}

void Listbox::AddRows(const std::vector<std::vector<std::string>>& rows) {
  const size_t columns = static_cast<size_t>(ColumnCount());
  for (const auto& cells : rows)
    if (cells.size() > columns) throw OutOfBoundsException("cell index out of bounds");
  QList<QTreeWidgetItem*> items;
  items.reserve(static_cast<qsizetype>(rows.size()));
  for (const auto& cells : rows) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(std::max<size_t>(cells.size(), 1)));
    for (const std::string& cell : cells) texts << qt::ToQ(cell);
    if (texts.isEmpty()) texts << QString();
    auto* item = new RowItem(texts);
    item->setFlags(kRowFlags);
    items << item;
  }
  if (items.isEmpty()) return;
  Tree()->addTopLevelItems(items);
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
  delete Tree()->takeTopLevelItem(row);
}

void Listbox::DeleteAllRows() { Tree()->clear(); }

int Listbox::ListCount() const { return Tree()->topLevelItemCount(); }

const std::string& Listbox::List(int row) const {
  const auto& texts = FirstColumn();
  if (row < 0 || row >= static_cast<int>(texts.size())) throw OutOfBoundsException("row index out of bounds");
  return texts[static_cast<size_t>(row)];
}

const std::vector<std::string>& Listbox::FirstColumn() const {
  if (!firstColumnValid_) {
    int count = ListCount();
    firstColumn_.clear();
    firstColumn_.reserve(static_cast<size_t>(count));
    for (int row = 0; row < count; ++row) firstColumn_.push_back(qt::FromQ(CellText(Tree()->topLevelItem(row), 0)));
    firstColumnValid_ = true;
  }
  return firstColumn_;
}

std::string Listbox::Cell(int row, int column) const {
  if (row < 0 || row >= ListCount() || column < 0 || column >= ColumnCount())
    throw OutOfBoundsException("cell index out of bounds");
  return qt::FromQ(CellText(Tree()->topLevelItem(row), column));
}

void Listbox::RowCells(int row, int columns, std::vector<std::string>& cells) const {
  if (row < 0 || row >= ListCount()) throw OutOfBoundsException("row index out of bounds");
  const QTreeWidgetItem* item = Tree()->topLevelItem(row);
  const int held = std::min(columns, ColumnCount());
  cells.resize(static_cast<size_t>(std::max(columns, 0)));
  for (int column = 0; column < columns; ++column) {
    std::string& cell = cells[static_cast<size_t>(column)];
    if (column >= held) {
      cell.clear();
      continue;
    }
    AssignUtf8(cell, CellText(item, column));
  }
}

void Listbox::Cell(int row, int column, const std::string& text) {
  if (row < 0 || row >= ListCount() || column < 0 || column >= ColumnCount())
    throw OutOfBoundsException("cell index out of bounds");
  Tree()->topLevelItem(row)->setText(column, qt::ToQ(text));
}

int Listbox::ListIndex() const {
  const auto selected = Tree()->selectedItems();
  return selected.isEmpty() ? -1 : Tree()->indexOfTopLevelItem(selected.first());
}

void Listbox::ListIndex(int row) {
  if (row < -1 || row >= ListCount()) throw OutOfBoundsException("row index out of bounds");
  if (inKeyDown_) keyDownChoseSelection_ = true;
  if (row == -1) {
    Tree()->clearSelection();
    return;
  }
  // One assignment is one selection change, so one Change event.
  QModelIndex index = Tree()->model()->index(row, 0);
  Tree()->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
  Tree()->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  Tree()->scrollTo(index);
}

void Listbox::EnableDragReorder(bool value) {
  dragReorder_ = value;
  Tree()->setDragEnabled(value);
  Tree()->setDragDropMode(value ? QAbstractItemView::InternalMove : QAbstractItemView::NoDragDrop);
  Tree()->setDefaultDropAction(Qt::MoveAction);
  // Rows take no drops, so a dragged row lands between rows and the list stays flat.
  Tree()->invisibleRootItem()->setFlags(Tree()->invisibleRootItem()->flags() | Qt::ItemIsDropEnabled);
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
