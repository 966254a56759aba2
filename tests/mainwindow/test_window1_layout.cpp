// The main window as it is built: every control's class, parent, bounds,
// anchors, tab order, text, font and start state; the panes laid out by the
// split view with the group box's children keeping their distances to its
// edges; the anchors as the window is resized; Tab, Return and Escape.
#include <QApplication>
#include <QTest>
#include <QTreeView>
#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "app/menubar1.h"
#include "app/pictures.h"
#include "app/startup.h"
#include "framework/fw_resources.h"
#include "framework/fw_shared.h"
#include "framework/fw_testing.h"
#include "mainwindow/window1.h"
#include "support/bounds.h"
#include "support/kavro_test.h"

namespace {

using kavro::testing::Bounds;
using kavro::testing::BoundsOf;
using kavro::testing::KavroTest;
using kavro::testing::ShownAt;
using Controls = std::vector<fw::RectControl*>;
using TextEdits = std::vector<fw::TextEdit*>;

std::string Anchors(const fw::RectControl& c) {
  std::string s;
  if (c.LockLeft()) s += 'L';
  if (c.LockTop()) s += 'T';
  if (c.LockRight()) s += 'R';
  if (c.LockBottom()) s += 'B';
  return s;
}

// The typed members in creation order.
std::vector<fw::RectControl*> Members(const Window1& w) {
  return {w.Splitview1,  w.ListBox1,    w.GroupBox1,   w.descrFld,    w.userFld,     w.pswdFld,    w.urlFld,
          w.noteFld,     w.StaticText1, w.StaticText2, w.StaticText3, w.StaticText4, w.StaticText5, w.saveBtn,
          w.Canvas1,     w.goBtn,       w.Separator1,  w.lastUpdated, w.counter,     w.StaticText6, w.StaticText7,
          w.Separator2,  w.addbtn,      w.delBtn,      w.lockBtn};
}

struct Built {
  const char* name;
  const char* parent;
  Bounds bounds;
  const char* anchors;
  int tabIndex;
  bool enabled;
};

// The window as built, before the split view lays its panes out.
const Built kBuilt[] = {
    {"Splitview1", "", {20, 60, 580, 331}, "LTRB", 0, true},
    {"ListBox1", "Splitview1", {22, 65, 191, 321}, "LT", 0, false},
    {"GroupBox1", "Splitview1", {241, 65, 345, 321}, "LT", 1, true},
    {"descrFld", "GroupBox1", {343, 100, 225, 22}, "LTR", 0, true},
    {"userFld", "GroupBox1", {343, 134, 225, 22}, "LTR", 1, true},
    {"pswdFld", "GroupBox1", {343, 167, 200, 22}, "LTR", 2, true},
    {"urlFld", "GroupBox1", {343, 202, 225, 22}, "LTR", 3, true},
    {"noteFld", "GroupBox1", {343, 236, 225, 142}, "LTRB", 4, true},
    {"StaticText1", "GroupBox1", {260, 100, 75, 20}, "LT", 5, true},
    {"StaticText2", "GroupBox1", {261, 134, 75, 20}, "LT", 6, true},
    {"StaticText3", "GroupBox1", {260, 168, 75, 20}, "LT", 7, true},
    {"StaticText4", "GroupBox1", {263, 202, 75, 20}, "LT", 8, true},
    {"StaticText5", "GroupBox1", {260, 236, 75, 20}, "LT", 9, true},
    {"saveBtn", "GroupBox1", {252, 354, 79, 20}, "LB", 10, false},
    {"Canvas1", "GroupBox1", {547, 168, 36, 24}, "TR", 11, true},
    {"goBtn", "", {492, 418, 108, 20}, "RB", 0, false},
    {"Separator1", "", {0, 400, 620, 4}, "LRB", 1, true},
    {"lastUpdated", "", {98, 11, 260, 16}, "LT", 0, true},
    {"counter", "", {98, 29, 57, 16}, "LT", 3, true},
    {"StaticText6", "", {22, 11, 70, 16}, "LT", 4, true},
    {"StaticText7", "", {22, 29, 70, 16}, "LT", 5, true},
    {"Separator2", "", {0, 50, 620, 4}, "LTR", 6, true},
    {"addbtn", "", {164, 408, 24, 24}, "LB", 7, false},
    {"delBtn", "", {189, 408, 24, 24}, "LB", 8, false},
    {"lockBtn", "", {20, 408, 97, 36}, "LB", 9, true},
};

const Built& BuiltRow(const std::string& name) {
  for (const Built& b : kBuilt)
    if (name == b.name) return b;
  throw std::out_of_range(name);
}

// Builds the window's contents without opening it: no Open event has run.
class UnopenedWindow1 : public Window1 {
 public:
  void Build() {
    Layout();
    CreateControls();
  }
};

class Window1LayoutTest : public KavroTest {
 protected:
  void SetUp() override {
    KavroTest::SetUp();
    fw::testing::SetResourcesFolder(std::filesystem::path(KAVRO_FIXTURES_DIR) / ".." / ".." / "Resources");
    InitFileTypes();
    NewAppInstance();
  }
  void TearDown() override {
    KavroTest::TearDown();
    ReleaseModuleObjects();
  }

  // The shared instance, opened and shown, its split view painted once.
  static Window1& OpenWindow1() {
    Window1& w = fw::Shared<Window1>();
    QWidget* top = w.TopLevelWidget();
    top->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(top));
    Settle();
    return w;
  }

  // Lets the split view repaint, which lays its panes out after a size change.
  static void Settle() {
    for (int i = 0; i < 3; ++i) {
      QApplication::processEvents();
      QTest::qWait(5);
    }
  }
};

TEST_F(Window1LayoutTest, BuildsTheControlsInCreationOrderWithTheirParentsBoundsAndAnchors) {
  auto* w = new UnopenedWindow1();  // the framework's reset destroys it
  w->Build();

  ASSERT_EQ(w->ControlCount(), 25);
  std::vector<fw::RectControl*> members = Members(*w);
  for (int i = 0; i < 25; ++i) {
    const Built& b = kBuilt[i];
    SCOPED_TRACE(b.name);
    fw::RectControl* c = w->Control(i);
    EXPECT_EQ(c->Name(), b.name);
    EXPECT_EQ(members[static_cast<size_t>(i)], c) << "the typed member is the control of that name";
    EXPECT_EQ(c->Parent() ? c->Parent()->Name() : "", b.parent);
    EXPECT_EQ(BoundsOf(*c), b.bounds);
    EXPECT_EQ(ShownAt(*c), b.bounds) << "the toolkit shows it where its bounds say";
    EXPECT_EQ(Anchors(*c), b.anchors);
    EXPECT_EQ(c->TabIndex(), b.tabIndex);
    EXPECT_EQ(c->Enabled(), b.enabled);
    EXPECT_TRUE(c->Visible());
  }
}

TEST_F(Window1LayoutTest, WindowPropertiesAndMenuBar) {
  Window1& w = OpenWindow1();
  EXPECT_EQ(w.Title(), "Kavro2");
  EXPECT_EQ(w.TopLevelWidget()->windowTitle().toStdString(), "Kavro2");
  EXPECT_EQ(w.Width(), 620);
  EXPECT_EQ(w.Height(), 455);
  EXPECT_EQ(w.ContentWidget()->size(), QSize(620, 455));
  EXPECT_EQ(w.MinWidth(), 450);
  EXPECT_EQ(w.MinHeight(), 300);
  EXPECT_EQ(w.Placement(), 2);
  EXPECT_EQ(w.Frame(), 0);
  EXPECT_TRUE(w.Resizeable());
  EXPECT_FALSE(w.HasBackColor());
  EXPECT_TRUE(w.IsShown()) << "the window shows at once";
  EXPECT_EQ(w.MenuBar(), &fw::Shared<MenuBar1>());
  Qt::WindowFlags flags = w.TopLevelWidget()->windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
}

TEST_F(Window1LayoutTest, StartState) {
  Window1& w = OpenWindow1();

  for (fw::RectControl* c : Controls{w.ListBox1, w.saveBtn, w.goBtn, w.addbtn, w.delBtn}) {
    EXPECT_FALSE(c->Enabled()) << c->Name();
    EXPECT_FALSE(c->Widget()->isEnabled()) << c->Name();
  }
  EXPECT_TRUE(w.lockBtn->Enabled());
  EXPECT_EQ(w.lockBtn->Caption(), "Unlock");
  EXPECT_TRUE(w.IsLocked());
  ASSERT_NE(locked(), nullptr) << "the pictures are found";
  EXPECT_EQ(w.lockBtn->Icon(), locked());
  EXPECT_EQ(w.Canvas1->Backdrop(), eye());
  EXPECT_TRUE(w.Canvas1->Visible());

  EXPECT_TRUE(w.pswdFld->Password());
  for (fw::TextEdit* field : TextEdits{w.descrFld, w.userFld, w.pswdFld, w.urlFld, w.noteFld}) {
    EXPECT_EQ(field->Text(), "") << field->Name();
    EXPECT_FALSE(field->ReadOnly()) << field->Name();
  }
  EXPECT_FALSE(w.descrFld->Password());
  EXPECT_EQ(w.lastUpdated->Text(), "...");
  EXPECT_EQ(w.counter->Text(), "0");
  EXPECT_EQ(w.GroupBox1->Caption(), "Edit");
  EXPECT_EQ(w.saveBtn->Caption(), "Save");
  EXPECT_EQ(w.goBtn->Caption(), "Go");
  EXPECT_EQ(w.addbtn->Caption(), "+");
  EXPECT_EQ(w.delBtn->Caption(), "-");
  const std::pair<fw::StaticText*, const char*> labels[] = {
      {w.StaticText1, "Description"}, {w.StaticText2, "User name"},  {w.StaticText3, "Password"},
      {w.StaticText4, "URL"},         {w.StaticText5, "Note"},       {w.StaticText6, "Last update:"},
      {w.StaticText7, "Records:"},
  };
  for (auto [label, text] : labels) EXPECT_EQ(label->Text(), text);
}

TEST_F(Window1LayoutTest, EveryTextFitsTheBoundsItWasLaidOutFor) {
  Window1& w = OpenWindow1();
  for (fw::StaticText* label : {w.StaticText1, w.StaticText2, w.StaticText3, w.StaticText4, w.StaticText5,
                                w.StaticText6, w.StaticText7, w.lastUpdated, w.counter}) {
    QFontMetrics metrics(label->Widget()->font());
    EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(label->Text())), label->Width()) << label->Name();
    EXPECT_LE(metrics.height(), label->Height() + 2) << label->Name();
  }
}

TEST_F(Window1LayoutTest, AScreenReaderNamesEachEntryFieldByItsLabel) {
  Window1& w = OpenWindow1();
  const std::pair<fw::TextEdit*, const char*> fields[] = {
      {w.descrFld, "Description"}, {w.userFld, "User name"}, {w.pswdFld, "Password"},
      {w.urlFld, "URL"},           {w.noteFld, "Note"},
  };
  for (auto [field, name] : fields) EXPECT_EQ(field->Widget()->accessibleName().toStdString(), name);
}

TEST_F(Window1LayoutTest, TheListShowsOnlyTheDescriptionUnderItsHeadingAndRowsCanBeDragged) {
  Window1& w = OpenWindow1();
  TypeAheadListBox& list = *w.ListBox1;
  auto* tree = static_cast<QTreeView*>(list.Widget());

  EXPECT_EQ(list.ListCount(), 0);
  EXPECT_EQ(list.ColumnCount(), 5);
  EXPECT_TRUE(list.HasHeading());
  EXPECT_EQ(list.Heading(0), "Password list");
  EXPECT_EQ(list.HeadingIndex(), -1);
  EXPECT_FALSE(tree->isColumnHidden(0));
  EXPECT_EQ(tree->columnWidth(0), tree->viewport()->width()) << "the description takes the whole width";
  for (int c = 1; c < 5; ++c) EXPECT_TRUE(tree->isColumnHidden(c)) << "column " << c;
  EXPECT_TRUE(list.EnableDragReorder());
  EXPECT_EQ(tree->dragDropMode(), QAbstractItemView::InternalMove) << "the user drags rows to new places";

  // The hidden columns still hold the entry's other fields.
  list.AddRow("Bank");
  for (int c = 1; c < 5; ++c) list.Cell(0, c, "field " + std::to_string(c));
  EXPECT_EQ(list.Cell(0, 4), "field 4");
}

TEST_F(Window1LayoutTest, FontsAndHelpTags) {
  Window1& w = OpenWindow1();
  struct FontCase {
    fw::RectControl* control;
    const char* font;
    double size;
    bool bold, italic;
  };
  const FontCase fonts[] = {
      {w.ListBox1, "System", 12, false, false},    {w.GroupBox1, "System", 14, false, false},
      {w.descrFld, "System", 14, true, false},     {w.userFld, "Monaco", 12, false, false},
      {w.pswdFld, "Monaco", 12, false, false},     {w.urlFld, "System", 0, false, false},
      {w.noteFld, "Monaco", 14, false, false},     {w.StaticText1, "System", 0, false, false},
      {w.saveBtn, "System", 0, false, false},      {w.goBtn, "System", 0, false, false},
      {w.lastUpdated, "System", 11, false, true},  {w.counter, "System", 11, false, true},
      {w.StaticText6, "System", 11, false, false}, {w.StaticText7, "System", 11, false, false},
      {w.addbtn, "System", 14, true, false},       {w.delBtn, "System", 14, true, false},
      {w.lockBtn, "System", 12, false, false},
  };
  for (const FontCase& f : fonts) {
    SCOPED_TRACE(f.control->Name());
    EXPECT_EQ(f.control->TextFont(), f.font);
    EXPECT_EQ(f.control->TextSize(), f.size);
    EXPECT_EQ(f.control->Bold(), f.bold);
    EXPECT_EQ(f.control->Italic(), f.italic);
    EXPECT_FALSE(f.control->Underline());
    QFont shown = f.control->Widget()->font();
    EXPECT_EQ(shown.bold(), f.bold);
    EXPECT_EQ(shown.italic(), f.italic);
    if (f.size > 0) { EXPECT_EQ(shown.pixelSize(), f.size) << "one point per pixel"; }
  }
  EXPECT_EQ(w.urlFld->Widget()->font().pointSizeF(), QApplication::font().pointSizeF())
      << "the URL field keeps the default size";
  EXPECT_NE(w.userFld->Widget()->font().family(), w.descrFld->Widget()->font().family())
      << "the user name is in the fixed-width font";

  EXPECT_EQ(w.ListBox1->HelpTag(),
            "Use the Up and Down arrow keys to move up and down in the list.\r"
            "Or, to move to a specific entry, simply type the first letters of the entry name.");
  EXPECT_EQ(w.ListBox1->Widget()->toolTip().count('\n'), 1) << "the tag shows on two lines";
  EXPECT_EQ(w.addbtn->HelpTag(), "Click the plus button to add an entry");
  EXPECT_EQ(w.delBtn->HelpTag(), "Click the minus button to delete the selected entry");
  for (int i = 0; i < w.ControlCount(); ++i) {
    fw::RectControl* c = w.Control(i);
    if (c != w.ListBox1 && c != w.addbtn && c != w.delBtn) { EXPECT_EQ(c->HelpTag(), "") << c->Name(); }
  }
}

// The distances of a control to its group box's edges, by the edges it is anchored to.
struct EdgeDistances {
  int left, top, right, bottom;
};

EdgeDistances DistancesInside(const Bounds& box, const Bounds& c) {
  return {c.left - box.left, c.top - box.top, (box.left + box.width) - (c.left + c.width),
          (box.top + box.height) - (c.top + c.height)};
}

// Each control inside GroupBox1 keeps, to each edge it is anchored to, the
// distance it was built with.
void ExpectGroupChildrenKeepTheirAnchoredDistances(const Window1& w) {
  const Bounds builtBox = BuiltRow("GroupBox1").bounds;
  const Bounds box = BoundsOf(*w.GroupBox1);
  for (int i = 0; i < w.ControlCount(); ++i) {
    fw::RectControl* c = w.Control(i);
    if (c->Parent() != w.GroupBox1) continue;
    SCOPED_TRACE(c->Name());
    EdgeDistances built = DistancesInside(builtBox, BuiltRow(c->Name()).bounds);
    EdgeDistances now = DistancesInside(box, BoundsOf(*c));
    if (c->LockLeft()) { EXPECT_EQ(now.left, built.left); }
    if (c->LockTop()) { EXPECT_EQ(now.top, built.top); }
    if (c->LockRight()) { EXPECT_EQ(now.right, built.right); }
    if (c->LockBottom()) { EXPECT_EQ(now.bottom, built.bottom); }
    if (!(c->LockLeft() && c->LockRight())) { EXPECT_EQ(c->Width(), BuiltRow(c->Name()).bounds.width); }
    if (!(c->LockTop() && c->LockBottom())) { EXPECT_EQ(c->Height(), BuiltRow(c->Name()).bounds.height); }
    EXPECT_EQ(ShownAt(*c), BoundsOf(*c));
  }
}

TEST_F(Window1LayoutTest, TheSplitViewLaysOutItsPanesAndTheGroupBoxCarriesItsControls) {
  Window1& w = OpenWindow1();

  // Side by side across the split view, list first, the default 24-pixel divider between.
  EXPECT_EQ(w.Splitview1->Subviews(), (std::vector<fw::RectControl*>{w.ListBox1, w.GroupBox1}));
  EXPECT_EQ(BoundsOf(*w.ListBox1), (Bounds{20, 60, 191, 331}));
  EXPECT_EQ(BoundsOf(*w.GroupBox1), (Bounds{20 + 191 + 24, 60, 580 - 191 - 24, 331}));
  {
    SCOPED_TRACE("first layout");
    ExpectGroupChildrenKeepTheirAnchoredDistances(w);
  }
  EXPECT_EQ(BoundsOf(*w.descrFld), (Bounds{343 - 6, 100 - 5, 225 + 20, 22}));

  // A divider drag: the list grows by 60 and the group box gives them up.
  Splitview& split = *w.Splitview1;
  const int dividerX = 191 + 12;  // local to the split view
  QTest::mousePress(split.Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(dividerX, 100));
  QTest::mouseMove(split.Widget(), QPoint(dividerX + 60, 100));
  QTest::mouseRelease(split.Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(dividerX + 60, 100));
  Settle();
  EXPECT_EQ(BoundsOf(*w.ListBox1), (Bounds{20, 60, 251, 331}));
  EXPECT_EQ(BoundsOf(*w.GroupBox1), (Bounds{20 + 251 + 24, 60, 580 - 251 - 24, 331}));
  {
    SCOPED_TRACE("after a divider drag");
    ExpectGroupChildrenKeepTheirAnchoredDistances(w);
  }

  // Collapsing the list gives the group box the whole width; expanding it back halves the pair.
  split.CollapseView(*w.ListBox1);
  Settle();
  EXPECT_EQ(BoundsOf(*w.GroupBox1).width, 580 - 24);
  {
    SCOPED_TRACE("list collapsed");
    ExpectGroupChildrenKeepTheirAnchoredDistances(w);
  }
  split.ExpandView(*w.ListBox1);
  Settle();
  {
    SCOPED_TRACE("list expanded");
    ExpectGroupChildrenKeepTheirAnchoredDistances(w);
  }
}

struct ResizeCase {
  const char* name;
  int width, height;
};

TEST_F(Window1LayoutTest, TheControlsFollowTheWindowByTheirAnchors) {
  Window1& w = OpenWindow1();

  // The smallest window the user can make.
  w.TopLevelWidget()->resize(200, 100);
  w.Width(300);
  w.Height(200);
  Settle();
  ASSERT_EQ(w.Width(), 450);
  ASSERT_EQ(w.Height(), 300);
  EXPECT_EQ(w.Splitview1->Width(), 410);
  EXPECT_EQ(w.Splitview1->Height(), 176);
  EXPECT_EQ(w.goBtn->Left(), 322);
  EXPECT_EQ(w.goBtn->Top(), 263);

  const ResizeCase cases[] = {{"wider", 450 + 137, 300}, {"taller", 450, 300 + 91}, {"both", 450 + 137, 300 + 91}};
  for (const ResizeCase& c : cases) {
    SCOPED_TRACE(c.name);
    w.Width(450);
    w.Height(300);
    Settle();
    std::map<const fw::RectControl*, Bounds> before;
    for (fw::RectControl* ctl : Members(w)) before[ctl] = BoundsOf(*ctl);
    auto was = [&](const fw::RectControl* ctl) { return before.at(ctl); };

    w.Width(c.width);
    w.Height(c.height);
    Settle();
    const int dw = c.width - 450, dh = c.height - 300;

    auto expect = [&](fw::RectControl* ctl, Bounds want) {
      EXPECT_EQ(BoundsOf(*ctl), want) << ctl->Name();
      EXPECT_EQ(ShownAt(*ctl), want) << ctl->Name();
    };
    Bounds split = was(w.Splitview1);
    expect(w.Splitview1, {split.left, split.top, split.width + dw, split.height + dh});
    for (fw::RectControl* sep : Controls{w.Separator1, w.Separator2}) {
      Bounds r = was(sep);
      expect(sep, {r.left, sep == w.Separator1 ? r.top + dh : r.top, r.width + dw, r.height});
    }
    Bounds go = was(w.goBtn);
    expect(w.goBtn, {go.left + dw, go.top + dh, go.width, go.height});
    for (fw::RectControl* b : Controls{w.lockBtn, w.addbtn, w.delBtn}) {
      Bounds r = was(b);
      expect(b, {r.left, r.top + dh, r.width, r.height});
    }
    for (fw::RectControl* label : {w.lastUpdated, w.counter, w.StaticText6, w.StaticText7}) expect(label, was(label));
    // The split view gives the whole growth to the group box.
    Bounds list = was(w.ListBox1), box = was(w.GroupBox1);
    expect(w.ListBox1, {list.left, list.top, list.width, list.height + dh});
    expect(w.GroupBox1, {box.left, box.top, box.width + dw, box.height + dh});
  }
}

TEST_F(Window1LayoutTest, TabLeadsFromTheListThroughTheEntryFieldsToSave) {
  Window1& w = OpenWindow1();
  // Unlocked, the list and Save take the focus.
  w.ListBox1->Enabled(true);
  w.saveBtn->Enabled(true);
  w.goBtn->Enabled(true);
  w.ListBox1->SetFocus();
  ASSERT_EQ(QApplication::focusWidget(), w.ListBox1->Widget());

  std::vector<std::string> visited;
  for (int i = 0; i < 6; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    visited.push_back(focus ? focus->objectName().toStdString() : "none");
  }
  EXPECT_EQ(visited, (std::vector<std::string>{"descrFld", "userFld", "pswdFld", "urlFld", "noteFld", "saveBtn"}));
  EXPECT_EQ(w.noteFld->Text(), "") << "Tab in the note moves on and inserts nothing";

  // Nothing that has no tab stop takes the focus on the way round.
  for (int i = 0; i < 12; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    for (fw::RectControl* c : Controls{w.Splitview1, w.Canvas1, w.addbtn, w.delBtn, w.lockBtn})
      EXPECT_NE(focus, c->Widget()) << c->Name();
  }
}

TEST_F(Window1LayoutTest, ReturnAndEscapeTriggerNeitherSaveNorGo) {
  Window1& w = OpenWindow1();
  int saves = 0, goes = 0;
  w.saveBtn->Enabled(true);
  w.goBtn->Enabled(true);
  w.ListBox1->Enabled(true);
  w.saveBtn->Action = [&] { ++saves; };
  w.goBtn->Action = [&] { ++goes; };

  for (fw::RectControl* focus : Controls{w.descrFld, w.pswdFld, w.urlFld, w.ListBox1, w.saveBtn}) {
    SCOPED_TRACE(focus->Name());
    focus->SetFocus();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
      QTest::keyClick(QApplication::focusWidget(), key);
  }
  EXPECT_EQ(saves, 0);
  EXPECT_EQ(goes, 0);
  EXPECT_TRUE(w.IsShown()) << "Escape does not close the window";

  // The buttons themselves still answer a click.
  QTest::mouseClick(w.saveBtn->Widget(), Qt::LeftButton);
  QTest::mouseClick(w.goBtn->Widget(), Qt::LeftButton);
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(goes, 1);
}

}  // namespace
