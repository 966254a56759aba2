// Building a window from a table of controls: every kind of control takes the
// row's text where it shows it, a child keeps window coordinates inside its
// parent, anchors and the enabled state come from the row, and a parent name
// that no earlier row created is an error, not a control left on the window.
#include <span>

#include "framework/fw_control_table.h"
#include "framework/fw_errors.h"
#include "framework/fw_shared.h"
#include "support/kavro_test.h"

namespace {

using fw::Create;

class TableWindow : public fw::Window {
 public:
  fw::GroupBox* group = nullptr;
  fw::PushButton* push = nullptr;
  fw::BevelButton* bevel = nullptr;
  fw::CheckBox* check = nullptr;
  fw::RadioButton* radio = nullptr;
  fw::TextField* field = nullptr;
  fw::TextArea* area = nullptr;
  fw::StaticText* label = nullptr;
  fw::Canvas* canvas = nullptr;

  static inline std::span<const fw::ControlRow> rows;

 protected:
  void Layout() override {
    Width(400);
    Height(300);
  }
  void CreateControls() override { fw::CreateFromTable(*this, rows); }
};

// clang-format off
const fw::ControlRow kAllKinds[] = {
  {"group",  Create<&TableWindow::group>,  "",      10,  10,  300, 200, 0, "Group",  {"System", 14},        "LTRB"},
  {"push",   Create<&TableWindow::push>,   "group", 20,  40,  80,  20,  0, "Push",   {"Monaco", 12, true}},
  {"bevel",  Create<&TableWindow::bevel>,  "group", 110, 40,  80,  20,  1, "Bevel",  fw::kSystemFont},
  {"check",  Create<&TableWindow::check>,  "group", 20,  70,  80,  20,  2, "Check",  fw::kSystemFont},
  {"radio",  Create<&TableWindow::radio>,  "group", 110, 70,  80,  20,  3, "Radio",  fw::kSystemFont},
  {"field",  Create<&TableWindow::field>,  "group", 20,  100, 200, 22,  4, "Field",  fw::kSystemFont, "LTR"},
  {"area",   Create<&TableWindow::area>,   "group", 20,  130, 200, 60,  5, "Area",   fw::kSystemFont, "LTRB"},
  {"label",  Create<&TableWindow::label>,  "",      10,  220, 100, 20,  1, "Label",  {"System", 11, false, true}},
  {"canvas", Create<&TableWindow::canvas>, "",      350, 250, 40,  40,  2, nullptr,  fw::kNoText,     "RB", false},
};
// clang-format on

class ControlTableTest : public kavro::testing::KavroTest {};

TEST_F(ControlTableTest, EachKindOfControlTakesItsRowsTextPlaceFontAndAnchors) {
  TableWindow::rows = kAllKinds;
  TableWindow& w = fw::Shared<TableWindow>();

  ASSERT_EQ(w.ControlCount(), 9);
  EXPECT_EQ(w.Control(0), w.group);
  EXPECT_EQ(w.Control(8), w.canvas);
  EXPECT_EQ(w.group->Caption(), "Group");
  EXPECT_EQ(w.push->Caption(), "Push");
  EXPECT_EQ(w.bevel->Caption(), "Bevel");
  EXPECT_EQ(w.check->Caption(), "Check");
  EXPECT_EQ(w.radio->Caption(), "Radio");
  EXPECT_EQ(w.field->Text(), "Field");
  EXPECT_EQ(w.area->Text(), "Area");
  EXPECT_EQ(w.label->Text(), "Label");

  EXPECT_EQ(w.push->Parent(), w.group);
  EXPECT_EQ(w.label->Parent(), nullptr);
  EXPECT_EQ(w.push->Left(), 20);
  EXPECT_EQ(w.push->Top(), 40);
  EXPECT_EQ(w.push->TextFont(), "Monaco");
  EXPECT_EQ(w.push->TextSize(), 12);
  EXPECT_TRUE(w.push->Bold());
  EXPECT_TRUE(w.label->Italic());
  EXPECT_TRUE(w.push->Enabled());
  EXPECT_FALSE(w.canvas->Enabled());

  // The window grows by 100 x 50: so does the group, and inside it each
  // control follows the edges its row locks.
  w.Width(500);
  w.Height(350);
  EXPECT_EQ(w.group->Width(), 400);
  EXPECT_EQ(w.group->Height(), 250);
  EXPECT_EQ(w.push->Left(), 20);
  EXPECT_EQ(w.push->Width(), 80);
  EXPECT_EQ(w.field->Width(), 300);
  EXPECT_EQ(w.field->Height(), 22);
  EXPECT_EQ(w.area->Width(), 300);
  EXPECT_EQ(w.area->Height(), 110);
  EXPECT_EQ(w.label->Top(), 220);
  EXPECT_EQ(w.canvas->Left(), 450);
  EXPECT_EQ(w.canvas->Top(), 300);
}

TEST_F(ControlTableTest, AParentNameNoEarlierRowCreatedIsAnError) {
  // clang-format off
  const fw::ControlRow rows[] = {
    {"push",  Create<&TableWindow::push>,  "group", 20, 40, 80,  20,  0, "Push", fw::kSystemFont},
    {"group", Create<&TableWindow::group>, "",      10, 10, 300, 200, 1, "Group", fw::kSystemFont},
  };
  // clang-format on
  TableWindow w;
  EXPECT_THROW(fw::CreateFromTable(w, rows), fw::NilObjectException);
}

}  // namespace
