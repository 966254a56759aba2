// The list box: rows, cells and columns, the heading, the selection and its
// Change event, the keyboard and the reordering of rows.
#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QTest>
#include <QTreeView>

#include "framework/fw_errors.h"
#include "framework/fw_listbox.h"
#include "framework/fw_testing.h"
#include "support/kavro_test.h"
#include "test_fw_window.h"

namespace {

using kavro::testing::KavroTest;
using Win = fwtest::HookWindow<20>;

class ListboxTest : public KavroTest {
 protected:
  void SetUp() override {
    KavroTest::SetUp();
    Win::Reset();
    Win::hooks.layout = [](fw::Window& w) {
      w.Width(300);
      w.Height(300);
    };
    Win::hooks.createControls = [this](fw::Window& w) {
      auto& list = w.AddControl<fw::Listbox>("list");
      list.SetBounds(10, 10, 200, 250);
      list.Change = [this] { ++changes; };
      if (configure) configure(list);
    };
  }
  void TearDown() override {
    KavroTest::TearDown();
    Win::Reset();
  }

  fw::Listbox& List() { return fw::Shared<Win>().ControlNamed<fw::Listbox>("list"); }
  // The list in the active window, holding the keyboard focus.
  fw::Listbox& FocusedList() {
    fwtest::OpenActive<Win>();
    List().SetFocus();
    return List();
  }
  QTreeView* Tree() { return static_cast<QTreeView*>(List().Widget()); }
  void AddRows(std::initializer_list<const char*> rows) {
    for (const char* r : rows) List().AddRow(r);
  }
  std::vector<std::string> Rows() {
    std::vector<std::string> rows;
    for (int i = 0; i < List().ListCount(); ++i) rows.push_back(List().List(i));
    return rows;
  }
  QPoint RowCentre(int row) { return Tree()->visualRect(Tree()->model()->index(row, 0)).center(); }

  std::function<void(fw::Listbox&)> configure;
  int changes = 0;
};

TEST_F(ListboxTest, RowsAndCellsCountFromZero) {
  fw::Listbox& list = List();
  EXPECT_EQ(list.ListCount(), 0);
  list.ColumnCount(3);
  AddRows({"Bank", "Mail", "Shop"});
  EXPECT_EQ(list.ListCount(), 3);
  EXPECT_EQ(list.LastIndex(), 2);
  EXPECT_EQ(list.Cell(1, 0), "Mail");
  EXPECT_EQ(list.Cell(1, 2), "") << "the other cells of a new row are empty";

  list.Cell(1, 2, "pa55");
  list.Cell(1, 0, "Mail (work)");
  EXPECT_EQ(list.Cell(1, 2), "pa55");
  EXPECT_EQ(list.List(1), "Mail (work)");
  EXPECT_EQ(Tree()->model()->index(1, 0).data(), "Mail (work)") << "what the list shows";

  list.RemoveRow(0);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"Mail (work)", "Shop"}));
  EXPECT_EQ(list.Cell(0, 2), "pa55") << "the cells go with their row";

  for (auto [row, column] : {std::pair{2, 0}, {-1, 0}, {0, 3}, {0, -1}}) {
    EXPECT_THROW(list.Cell(row, column), fw::OutOfBoundsException) << row << "," << column;
    EXPECT_THROW(list.Cell(row, column, "x"), fw::OutOfBoundsException) << row << "," << column;
  }
  EXPECT_THROW(list.RemoveRow(2), fw::OutOfBoundsException);
  EXPECT_EQ(list.ListCount(), 2);
}

TEST_F(ListboxTest, TheColumnCountGrowsAndTheCellsStay) {
  fw::Listbox& list = List();
  EXPECT_EQ(list.ColumnCount(), 1);
  list.AddRow("Bank");
  EXPECT_THROW(list.Cell(0, 1, "alice"), fw::OutOfBoundsException);
  list.ColumnCount(2);
  list.Cell(0, 1, "alice");
  list.ColumnCount(5);
  list.Cell(0, 4, "a note");
  EXPECT_EQ(list.Cell(0, 0), "Bank");
  EXPECT_EQ(list.Cell(0, 1), "alice");
  EXPECT_EQ(list.Cell(0, 4), "a note");
}

TEST_F(ListboxTest, RowsGoInAndComeOutWholeWithTheirCells) {
  fw::Listbox& list = List();
  list.ColumnCount(3);
  list.AddRow("first");
  list.ListIndex(0);
  changes = 0;

  list.AddRows({{"Bank", "anna", "s3cret"}, {}, {"Caf\xC3\xA9", "\xE2\x82\xAC"}});

  EXPECT_EQ(Rows(), (std::vector<std::string>{"first", "Bank", "", "Caf\xC3\xA9"}));
  EXPECT_EQ(list.LastIndex(), 3);
  EXPECT_EQ(list.ListIndex(), 0);
  EXPECT_EQ(changes, 0) << "adding rows leaves the selection alone";
  // Cells are read back over whatever the strings held before; columns past
  // the list's own are empty.
  std::vector<std::string> cells = {"left over from before", "x", "y", "z", "w"};
  list.RowCells(3, 4, cells);
  EXPECT_EQ(cells, (std::vector<std::string>{"Caf\xC3\xA9", "\xE2\x82\xAC", "", ""}));
  list.RowCells(1, 2, cells);
  EXPECT_EQ(cells, (std::vector<std::string>{"Bank", "anna"}));

  EXPECT_THROW(list.RowCells(4, 3, cells), fw::OutOfBoundsException);
  EXPECT_THROW(list.AddRows({{"a", "b", "c", "d"}}), fw::OutOfBoundsException);
  EXPECT_EQ(list.ListCount(), 4) << "a row that does not fit adds nothing";
}

TEST_F(ListboxTest, ColumnWidthsStarAndZerosShowOnlyColumnZeroAcrossTheWidth) {
  // Both orders of setting the count and the widths.
  for (bool widthsFirst : {false, true}) {
    SCOPED_TRACE(widthsFirst ? "widths first" : "count first");
    configure = [widthsFirst](fw::Listbox& list) {
      if (widthsFirst) list.ColumnWidths("*,0,0,0,0");
      list.ColumnCount(5);
      if (!widthsFirst) list.ColumnWidths("*,0,0,0,0");
    };
    fw::Listbox& list = List();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Tree()->window()));
    list.AddRow("Bank");
    for (int c = 1; c < 5; ++c) list.Cell(0, c, "field " + std::to_string(c));

    EXPECT_FALSE(Tree()->isColumnHidden(0));
    for (int c = 1; c < 5; ++c) {
      EXPECT_TRUE(Tree()->isColumnHidden(c)) << c;
      EXPECT_EQ(list.Cell(0, c), "field " + std::to_string(c));
    }
    EXPECT_EQ(Tree()->header()->sectionSize(0), Tree()->viewport()->width());

    // The first column follows the list's width.
    list.Width(150);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(Tree()->header()->sectionSize(0), Tree()->viewport()->width());
    fw::testing::ResetFramework();
  }
}

TEST_F(ListboxTest, AHeadingTakesTheFirstLineOfTheInitialValue) {
  configure = [](fw::Listbox& list) {
    list.ColumnCount(5);
    list.HasHeading(true);
    list.InitialValue("Password list");
  };
  fw::Listbox& list = List();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Tree()->window()));
  EXPECT_TRUE(list.HasHeading());
  EXPECT_TRUE(Tree()->header()->isVisible());
  EXPECT_EQ(list.Heading(0), "Password list");
  EXPECT_EQ(Tree()->model()->headerData(0, Qt::Horizontal), "Password list");
  EXPECT_EQ(list.ListCount(), 0);
  EXPECT_EQ(list.ListIndex(), -1);
  EXPECT_EQ(list.LastIndex(), -1);
}

TEST_F(ListboxTest, WithoutAHeadingTheInitialValueIsRowsOfTabSeparatedCells) {
  configure = [](fw::Listbox& list) {
    list.ColumnCount(2);
    list.InitialValue("Bank\talice\rMail\tbob");
  };
  fw::Listbox& list = List();
  EXPECT_FALSE(list.HasHeading());
  EXPECT_EQ(Rows(), (std::vector<std::string>{"Bank", "Mail"}));
  EXPECT_EQ(list.Cell(1, 1), "bob");
}

// Each step assigns ListIndex; the Change events it raises.
struct SelectionStep {
  int assign;
  int wantChanges;
};

TEST_F(ListboxTest, EveryAssignmentThatChangesTheSelectionRaisesChangeOnce) {
  const SelectionStep steps[] = {
      {-1, 0},  // nothing was selected
      {0, 1},  {0, 0},  // the same row again changes nothing
      {2, 1},  {1, 1}, {-1, 1}, {-1, 0}, {1, 1},
  };
  fw::Listbox& list = List();
  AddRows({"Alpha", "garden", "Gate"});
  EXPECT_EQ(list.ListIndex(), -1);
  for (const SelectionStep& s : steps) {
    SCOPED_TRACE(s.assign);
    changes = 0;
    int seenInChange = -2;
    list.Change = [&] {
      ++changes;
      seenInChange = list.ListIndex();
    };
    list.ListIndex(s.assign);
    EXPECT_EQ(list.ListIndex(), s.assign);
    EXPECT_EQ(changes, s.wantChanges);
    if (s.wantChanges > 0) {
      EXPECT_EQ(seenInChange, s.assign) << "Change sees the new selection";
    }
  }
  EXPECT_THROW(list.ListIndex(3), fw::OutOfBoundsException);
  EXPECT_THROW(list.ListIndex(-2), fw::OutOfBoundsException);
  EXPECT_EQ(list.ListIndex(), 1);
}

TEST_F(ListboxTest, RemovingTheSelectedRowOrAllRowsIsASelectionChange) {
  fw::Listbox& list = List();
  AddRows({"Alpha", "garden", "Gate"});

  list.ListIndex(1);
  changes = 0;
  list.RemoveRow(1);
  EXPECT_EQ(list.ListIndex(), -1);
  EXPECT_EQ(changes, 1);

  list.ListIndex(0);
  changes = 0;
  list.RemoveRow(1);  // not the selected row
  EXPECT_EQ(list.ListIndex(), 0);
  EXPECT_EQ(changes, 0);

  list.DeleteAllRows();
  EXPECT_EQ(list.ListCount(), 0);
  EXPECT_EQ(list.ListIndex(), -1);
  EXPECT_EQ(changes, 1);

  // The current row, no longer selected, removed: still no selection.
  AddRows({"one", "two"});
  list.ListIndex(0);
  list.ListIndex(-1);
  changes = 0;
  list.RemoveRow(0);
  EXPECT_EQ(list.ListIndex(), -1);
  EXPECT_EQ(changes, 0);
}

TEST_F(ListboxTest, AClickSelectsTheRowAndRaisesChangeOnce) {
  fw::Listbox& list = FocusedList();
  AddRows({"Alpha", "garden", "Gate"});
  changes = 0;
  QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, {}, RowCentre(2));
  EXPECT_EQ(list.ListIndex(), 2);
  EXPECT_EQ(changes, 1);
  QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, {}, RowCentre(2));
  EXPECT_EQ(list.ListIndex(), 2);
  EXPECT_EQ(changes, 1) << "a click on the selected row changes nothing";
  QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, {}, RowCentre(0));
  EXPECT_EQ(list.ListIndex(), 0);
  EXPECT_EQ(changes, 2);
}

TEST_F(ListboxTest, ArrowKeysMoveTheSelectionAndKeyDownSeesEachKey) {
  std::vector<std::string> keys;
  configure = [&](fw::Listbox& list) {
    list.KeyDown = [&](const std::string& key) {
      keys.push_back(key);
      return false;
    };
  };
  fw::Listbox& list = FocusedList();
  AddRows({"Alpha", "garden", "Gate"});
  list.ListIndex(0);
  changes = 0;

  QTest::keyClick(Tree(), Qt::Key_Down);
  EXPECT_EQ(list.ListIndex(), 1);
  QTest::keyClick(Tree(), Qt::Key_Down);
  EXPECT_EQ(list.ListIndex(), 2);
  QTest::keyClick(Tree(), Qt::Key_Up);
  EXPECT_EQ(list.ListIndex(), 1);
  EXPECT_EQ(changes, 3);

  // Letters go to KeyDown and do not search the list.
  QTest::keyClicks(Tree(), "ga");
  EXPECT_EQ(list.ListIndex(), 1);
  QTest::keyClick(Tree(), Qt::Key_A);
  EXPECT_EQ(list.ListIndex(), 1);
  EXPECT_EQ(changes, 3);

  EXPECT_EQ(keys, (std::vector<std::string>{std::string(1, 31), std::string(1, 31), std::string(1, 30), "g", "a", "a"}));
}

TEST_F(ListboxTest, AKeyDownThatAnswersTrueSwallowsTheKey) {
  configure = [&](fw::Listbox& list) {
    list.KeyDown = [](const std::string& key) { return key == std::string(1, 31); };
  };
  fw::Listbox& list = FocusedList();
  AddRows({"Alpha", "garden", "Gate"});
  list.ListIndex(0);
  changes = 0;
  QTest::keyClick(Tree(), Qt::Key_Down);
  EXPECT_EQ(list.ListIndex(), 0);
  EXPECT_EQ(changes, 0);
  list.ListIndex(2);
  QTest::keyClick(Tree(), Qt::Key_Up);
  EXPECT_EQ(list.ListIndex(), 1) << "a key answered false takes its usual course";
}

// A real drag does not run under the offscreen platform (QDrag's loop does not
// end on QTest's events), so this checks what the view's drop rules rest on.
TEST_F(ListboxTest, DragReorderMovesRowsBetweenRowsOnlySoTheListStaysFlat) {
  fw::Listbox& list = List();
  AddRows({"Alpha", "garden"});
  EXPECT_EQ(Tree()->dragDropMode(), QAbstractItemView::NoDragDrop);

  list.EnableDragReorder(true);
  EXPECT_TRUE(list.EnableDragReorder());
  EXPECT_EQ(Tree()->dragDropMode(), QAbstractItemView::InternalMove);
  EXPECT_EQ(Tree()->defaultDropAction(), Qt::MoveAction);
  list.AddRow("Gate");
  QAbstractItemModel* model = Tree()->model();
  for (int row = 0; row < list.ListCount(); ++row) {
    Qt::ItemFlags flags = model->flags(model->index(row, 0));
    EXPECT_TRUE(flags & Qt::ItemIsDragEnabled) << row;
    EXPECT_FALSE(flags & Qt::ItemIsDropEnabled) << row << ": a row takes no row inside it";
  }
  EXPECT_TRUE(model->flags(QModelIndex()) & Qt::ItemIsDropEnabled) << "drops land between rows";

  list.EnableDragReorder(false);
  EXPECT_EQ(Tree()->dragDropMode(), QAbstractItemView::NoDragDrop);
}

}  // namespace

namespace {

// The selected row's text stands out from its background, with the list
// focused or not, grid lines or none: the user sees which entry is selected.
TEST_F(ListboxTest, TheSelectedRowStaysReadable) {
  for (int gridLines : {0, 2}) {
    for (bool focused : {true, false}) {
      SCOPED_TRACE("grid lines " + std::to_string(gridLines) + (focused ? ", focused" : ", not focused"));
      configure = [gridLines](fw::Listbox& list) { list.GridLinesHorizontal(gridLines); };
      fw::Listbox& list = FocusedList();
      AddRows({"Bank", "Mail"});
      list.ListIndex(1);
      if (!focused) Tree()->clearFocus();

      QRect row = Tree()->visualRect(Tree()->model()->index(1, 0)).adjusted(0, 0, 0, -2);
      QImage shot = Tree()->viewport()->grab(row).toImage();
      QColor back = shot.pixelColor(shot.width() - 1, 0);
      int inked = 0;
      for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
          if (shot.pixelColor(x, y) != back) ++inked;
      EXPECT_GT(inked, 20) << "the selected row shows no text";
      EXPECT_NE(back, Tree()->palette().color(QPalette::Base)) << "the selected row is not marked";
      fw::testing::ResetFramework();
    }
  }
}

}  // namespace

namespace {

// The cells of hidden columns (the main window keeps user names and passwords
// there) reach the program through Cell but no screen reader or other
// accessibility client; the shown column reads as always.
TEST_F(ListboxTest, HiddenColumnsGiveAccessibilityNothingToRead) {
  configure = [](fw::Listbox& list) {
    list.ColumnCount(3);
    list.ColumnWidths("*,0,0");
  };
  fw::Listbox& list = List();
  list.AddRow("Bank");
  list.Cell(0, 1, "ann");
  list.Cell(0, 2, "s3cret");
  list.AddRows({{"Mail", "bob", "hunter2"}});
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Tree()->window()));

  QAccessibleInterface* view = QAccessible::queryAccessibleInterface(Tree());
  ASSERT_NE(view, nullptr);
  QAccessibleTableInterface* table = view->tableInterface();
  ASSERT_NE(table, nullptr);
  for (int row = 0; row < 2; ++row) {
    SCOPED_TRACE(row);
    QAccessibleInterface* shown = table->cellAt(row, 0);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->text(QAccessible::Name), row == 0 ? "Bank" : "Mail");
    for (int column = 1; column < 3; ++column) {
      if (QAccessibleInterface* hidden = table->cellAt(row, column)) {
        EXPECT_EQ(hidden->text(QAccessible::Name), "") << column;
        EXPECT_EQ(hidden->text(QAccessible::Description), "") << column;
      }
      EXPECT_FALSE(Tree()->model()->index(row, column).data(Qt::DisplayRole).isValid()) << column;
    }
  }
  EXPECT_EQ(list.Cell(0, 2), "s3cret");
  EXPECT_EQ(list.Cell(1, 1), "bob");
  std::vector<std::string> cells;
  list.RowCells(1, 3, cells);
  EXPECT_EQ(cells, (std::vector<std::string>{"Mail", "bob", "hunter2"}));
}

}  // namespace
