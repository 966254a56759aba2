// List(row) answers from a copy of the first column; every way the rows change
// must show in it at once.
#include <QTreeView>

#include "framework/fw_listbox.h"
#include "framework/fw_shared.h"
#include "support/kavro_test.h"

namespace {

using kavro::testing::KavroTest;

class ListWindow : public fw::Window {
 protected:
  void CreateControls() override {
    auto& list = AddControl<fw::Listbox>("list");
    list.ColumnCount(2);
    list.SetBounds(0, 0, 200, 200);
  }
};

class ListFirstColumnTest : public KavroTest {
 protected:
  fw::Listbox& List() { return fw::Shared<ListWindow>().ControlNamed<fw::Listbox>("list"); }
  std::vector<std::string> Texts() {
    std::vector<std::string> texts;
    for (int i = 0; i < List().ListCount(); ++i) texts.push_back(List().List(i));
    return texts;
  }
};

TEST_F(ListFirstColumnTest, FollowsEveryChangeOfTheRows) {
  fw::Listbox& list = List();
  list.AddRow("b");
  list.AddRow("c");
  EXPECT_EQ(Texts(), (std::vector<std::string>{"b", "c"}));
  list.AddRow("a");
  EXPECT_EQ(Texts(), (std::vector<std::string>{"b", "c", "a"}));
  list.Cell(0, 0, "B\xC3\xA9");
  list.Cell(1, 1, "hidden column");
  EXPECT_EQ(Texts(), (std::vector<std::string>{"B\xC3\xA9", "c", "a"}));
  list.RemoveRow(1);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"B\xC3\xA9", "a"}));

  // A row moved to another place through the view's model.
  ASSERT_TRUE(static_cast<QTreeView*>(list.Widget())->model()->moveRow(QModelIndex(), 1, QModelIndex(), 0));
  EXPECT_EQ(Texts(), (std::vector<std::string>{"a", "B\xC3\xA9"}));

  list.DeleteAllRows();
  EXPECT_TRUE(Texts().empty());
  EXPECT_THROW(list.List(0), fw::OutOfBoundsException);
}

}  // namespace
