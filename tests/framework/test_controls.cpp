// Controls: bounds in window coordinates, anchors, the tab order, Return and
// Escape, the text controls, the buttons, help tags and cursors.
#include <QApplication>
#include <QCursor>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "framework/fw_buttons.h"
#include "framework/fw_cursor.h"
#include "framework/fw_picture.h"
#include "framework/fw_testing.h"
#include "framework/fw_text_controls.h"
#include "support/bounds.h"
#include "support/kavro_test.h"
#include "test_fw_window.h"

namespace {

using kavro::testing::Bounds;
using kavro::testing::BoundsOf;
using kavro::testing::KavroTest;
using kavro::testing::ShownAt;
using Win = fwtest::HookWindow<10>;

class ControlsTest : public KavroTest {
 protected:
  void SetUp() override {
    KavroTest::SetUp();
    Win::Reset();
    Win::hooks.layout = [](fw::Window& w) {
      w.Width(400);
      w.Height(300);
    };
  }
  void TearDown() override {
    KavroTest::TearDown();
    Win::Reset();
  }
};

template <class C>
C& Add(fw::Window& w, const char* name, Bounds r, fw::RectControl* parent = nullptr) {
  auto& c = w.AddControl<C>(name);
  c.SetBounds(r.left, r.top, r.width, r.height);
  if (parent) c.Parent(parent);
  return c;
}

TEST_F(ControlsTest, BoundsInsideAGroupBoxAreWindowCoordinates) {
  // The parent given before or after the bounds: the window bounds are the same.
  Win::hooks.createControls = [](fw::Window& w) {
    auto& group = Add<fw::GroupBox>(w, "group", {20, 30, 200, 150});
    Add<fw::TextField>(w, "after", {50, 60, 80, 22}, &group);
    auto& before = w.AddControl<fw::TextField>("before");
    before.Parent(&group);
    before.SetBounds(50, 100, 80, 22);
  };
  Win& w = fw::Shared<Win>();
  auto& group = w.ControlNamed<fw::GroupBox>("group");
  for (const char* name : {"after", "before"}) {
    SCOPED_TRACE(name);
    auto& field = w.ControlNamed<fw::TextField>(name);
    EXPECT_EQ(field.Parent(), &group);
    EXPECT_EQ(field.Widget()->parentWidget(), group.Widget());
    EXPECT_EQ(ShownAt(field), BoundsOf(field));
  }
  EXPECT_EQ(BoundsOf(w.ControlNamed<fw::TextField>("after")), (Bounds{50, 60, 80, 22}));
  EXPECT_EQ(w.ControlNamed<fw::TextField>("after").Widget()->geometry(), QRect(30, 30, 80, 22));
  EXPECT_EQ(BoundsOf(w.ControlNamed<fw::TextField>("before")), (Bounds{50, 100, 80, 22}));

  // Back onto the window: the window bounds stay.
  auto& after = w.ControlNamed<fw::TextField>("after");
  after.Parent(nullptr);
  EXPECT_EQ(after.Widget()->parentWidget(), w.ContentWidget());
  EXPECT_EQ(ShownAt(after), (Bounds{50, 60, 80, 22}));
}

// L T R B as flags.
struct Anchored {
  const char* name;
  const char* parent;
  Bounds bounds;
  bool l, t, r, b;
  Bounds afterGrowth;  // after the window grew by 100 x 50
};

const Anchored kAnchored[] = {
    {"stays", "", {10, 10, 60, 20}, true, true, false, false, {10, 10, 60, 20}},
    {"widens", "", {10, 40, 100, 20}, true, true, true, false, {10, 40, 200, 20}},
    {"moves right", "", {300, 40, 50, 20}, false, true, true, false, {400, 40, 50, 20}},
    {"moves down", "", {10, 250, 50, 20}, true, false, false, true, {10, 300, 50, 20}},
    {"corner", "", {330, 260, 60, 30}, false, false, true, true, {430, 310, 60, 30}},
    {"grows", "", {120, 70, 40, 40}, true, true, true, true, {120, 70, 140, 90}},
    {"group", "", {20, 80, 300, 150}, true, true, true, true, {20, 80, 400, 200}},
    {"in widens", "group", {30, 100, 100, 20}, true, true, true, false, {30, 100, 200, 20}},
    {"in moves right", "group", {250, 130, 40, 20}, false, true, true, false, {350, 130, 40, 20}},
    {"in moves down", "group", {30, 200, 40, 20}, true, false, false, true, {30, 250, 40, 20}},
};

void BuildAnchored(fw::Window& w) {
  for (const Anchored& a : kAnchored) {
    fw::RectControl* parent = std::string(a.parent).empty() ? nullptr : w.FindControl(a.parent);
    fw::RectControl& c = std::string(a.name) == "group"
                             ? static_cast<fw::RectControl&>(Add<fw::GroupBox>(w, a.name, a.bounds, parent))
                             : Add<fw::PushButton>(w, a.name, a.bounds, parent);
    c.SetAnchors(a.l, a.t, a.r, a.b);
  }
}

TEST_F(ControlsTest, AnchorsFollowTheWindowResizedByCodeOrByTheUser) {
  for (const char* by : {"code", "user"}) {
    SCOPED_TRACE(by);
    Win::hooks.createControls = BuildAnchored;
    Win& w = fw::Shared<Win>();
    if (std::string(by) == "code") {
      w.Width(500);
      w.Height(350);
    } else {
      w.TopLevelWidget()->resize(500, 350 + w.ContentWidget()->y());
      QCoreApplication::sendPostedEvents();
    }
    ASSERT_EQ(w.ContentWidget()->size(), QSize(500, 350));
    for (const Anchored& a : kAnchored) {
      SCOPED_TRACE(a.name);
      const fw::RectControl& c = *w.FindControl(a.name);
      EXPECT_EQ(BoundsOf(c), a.afterGrowth);
      EXPECT_EQ(ShownAt(c), a.afterGrowth);
    }
    // Back to the built size: every control is back where it was built.
    w.Width(400);
    w.Height(300);
    for (const Anchored& a : kAnchored) EXPECT_EQ(BoundsOf(*w.FindControl(a.name)), a.bounds) << a.name;
    fw::testing::ResetFramework();
  }
}

TEST_F(ControlsTest, AGroupBoxMovedOrResizedByCodeCarriesItsChildrenByTheirAnchors) {
  Win::hooks.createControls = BuildAnchored;
  Win& w = fw::Shared<Win>();
  fw::RectControl& group = *w.FindControl("group");
  auto at = [&](const char* name) { return BoundsOf(*w.FindControl(name)); };

  group.Left(40);
  group.Top(90);
  EXPECT_EQ(at("in widens"), (Bounds{50, 110, 100, 20}));
  EXPECT_EQ(at("in moves right"), (Bounds{270, 140, 40, 20}));
  EXPECT_EQ(at("in moves down"), (Bounds{50, 210, 40, 20}));
  EXPECT_EQ(ShownAt(*w.FindControl("in moves down")), at("in moves down"));

  group.Width(250);   // 50 narrower
  group.Height(180);  // 30 taller
  EXPECT_EQ(at("in widens"), (Bounds{50, 110, 50, 20}));
  EXPECT_EQ(at("in moves right"), (Bounds{220, 140, 40, 20}));
  EXPECT_EQ(at("in moves down"), (Bounds{50, 240, 40, 20}));
  EXPECT_EQ(ShownAt(*w.FindControl("in moves right")), at("in moves right"));
  // Controls on the window do not follow the group box.
  EXPECT_EQ(at("moves right"), (Bounds{300, 40, 50, 20}));
}

TEST_F(ControlsTest, VisibleAndEnabledReachTheWidgetAndADisabledButtonIgnoresClicks) {
  int pressed = 0;
  Win::hooks.createControls = [&](fw::Window& w) {
    Add<fw::PushButton>(w, "button", {10, 10, 80, 24}).Action = [&] { ++pressed; };
  };
  Win& w = fw::Shared<Win>();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.TopLevelWidget()));
  auto& button = w.ControlNamed<fw::PushButton>("button");

  button.Enabled(false);
  EXPECT_FALSE(button.Enabled());
  EXPECT_FALSE(button.Widget()->isEnabled());
  QTest::mouseClick(button.Widget(), Qt::LeftButton);
  button.Push();
  EXPECT_EQ(pressed, 0);

  button.Enabled(true);
  QTest::mouseClick(button.Widget(), Qt::LeftButton);
  EXPECT_EQ(pressed, 1);

  button.Visible(false);
  EXPECT_FALSE(button.Visible());
  EXPECT_FALSE(button.Widget()->isVisible());
  button.Push();
  EXPECT_EQ(pressed, 1);
  button.Visible(true);
  EXPECT_TRUE(button.Widget()->isVisible());
}

TEST_F(ControlsTest, TabMovesTheFocusInTabIndexOrderWithinEachParent) {
  // Creation order differs from the tab order, on the window and in the group box.
  Win::hooks.createControls = [](fw::Window& w) {
    Add<fw::TextField>(w, "a", {10, 10, 80, 22}).TabIndex(2);
    Add<fw::TextField>(w, "b", {10, 40, 80, 22}).TabIndex(0);
    Add<fw::StaticText>(w, "label", {100, 40, 80, 22}).TabIndex(1);
    Add<fw::TextField>(w, "c", {10, 70, 80, 22}).TabIndex(1);
    auto& group = Add<fw::GroupBox>(w, "group", {10, 100, 300, 150});
    group.TabIndex(3);
    Add<fw::TextArea>(w, "x", {20, 120, 200, 60}, &group).TabIndex(1);
    Add<fw::TextField>(w, "y", {20, 200, 80, 22}, &group).TabIndex(0);
    Add<fw::PushButton>(w, "z", {120, 200, 80, 22}, &group).TabIndex(2);
  };
  Win& w = fwtest::OpenActive<Win>();
  w.ControlNamed<fw::TextField>("b").SetFocus();
  ASSERT_EQ(QApplication::focusWidget(), w.FindControl("b")->Widget());

  std::vector<std::string> visited;
  for (int i = 0; i < 6; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    visited.push_back(focus ? focus->objectName().toStdString() : "none");
  }
  EXPECT_EQ(visited, (std::vector<std::string>{"c", "a", "y", "x", "z", "b"}));
  EXPECT_EQ(w.ControlNamed<fw::TextArea>("x").Text(), "") << "Tab in the text area inserts nothing";

  // A TabIndex changed after opening takes effect.
  w.FindControl("a")->TabIndex(0);
  w.FindControl("b")->TabIndex(2);
  w.FindControl("a")->SetFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), w.FindControl("c")->Widget());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), w.FindControl("b")->Widget());
}

TEST_F(ControlsTest, TabReachesTheButtonsOfAWindowAfterAllItsOtherControls) {
  // Buttons numbered before fields, on the window and in a group box that
  // comes later: the fields first, then the buttons, each in TabIndex order.
  Win::hooks.createControls = [](fw::Window& w) {
    Add<fw::TextField>(w, "old", {10, 10, 80, 22}).TabIndex(0);
    Add<fw::PushButton>(w, "ok", {10, 40, 80, 22}).TabIndex(1);
    Add<fw::CheckBox>(w, "box", {100, 40, 80, 22}).TabIndex(2);
    Add<fw::TextField>(w, "new", {10, 70, 80, 22}).TabIndex(3);
    auto& group = Add<fw::GroupBox>(w, "group", {10, 100, 300, 150});
    group.TabIndex(4);
    Add<fw::RadioButton>(w, "radio", {20, 120, 80, 22}, &group).TabIndex(0);
    Add<fw::TextArea>(w, "note", {20, 150, 200, 60}, &group).TabIndex(1);
  };
  Win& w = fwtest::OpenActive<Win>();
  EXPECT_EQ(QApplication::focusWidget(), w.FindControl("old")->Widget()) << "the window opens in its first field";

  std::vector<std::string> visited;
  for (int i = 0; i < 6; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    visited.push_back(focus ? focus->objectName().toStdString() : "none");
  }
  EXPECT_EQ(visited, (std::vector<std::string>{"new", "note", "ok", "box", "radio", "old"}));
}

struct KeyCase {
  bool isDefault, isCancel;
  Qt::Key key;
  int wantOk, wantCancel;
};

TEST_F(ControlsTest, ReturnPushesTheDefaultButtonAndEscapeTheCancelButton) {
  const KeyCase cases[] = {
      {true, true, Qt::Key_Return, 1, 0},  {true, true, Qt::Key_Enter, 1, 0},
      {true, true, Qt::Key_Escape, 0, 1},  {false, false, Qt::Key_Return, 0, 0},
      {false, false, Qt::Key_Escape, 0, 0}, {true, false, Qt::Key_Escape, 0, 0},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << "default " << c.isDefault << ", cancel " << c.isCancel << ", key "
                                      << QKeySequence(c.key).toString().toStdString());
    int ok = 0, cancel = 0;
    Win::hooks.createControls = [&](fw::Window& w) {
      Add<fw::TextField>(w, "field", {10, 10, 100, 22});
      auto& okBtn = Add<fw::PushButton>(w, "ok", {10, 40, 80, 24});
      okBtn.Default(c.isDefault);
      okBtn.Action = [&] { ++ok; };
      auto& cancelBtn = Add<fw::PushButton>(w, "cancel", {100, 40, 80, 24});
      cancelBtn.Cancel(c.isCancel);
      cancelBtn.Action = [&] { ++cancel; };
    };
    Win& w = fwtest::OpenActive<Win>();
    QWidget* field = w.FindControl("field")->Widget();
    field->setFocus();

    QTest::keyClick(field, c.key);

    EXPECT_EQ(ok, c.wantOk);
    EXPECT_EQ(cancel, c.wantCancel);
    fw::testing::ResetFramework();
  }
}

TEST_F(ControlsTest, ReturnInATextAreaIsALineBreakNotTheDefaultButton) {
  int ok = 0;
  Win::hooks.createControls = [&](fw::Window& w) {
    Add<fw::TextArea>(w, "note", {10, 10, 200, 80});
    auto& button = Add<fw::PushButton>(w, "ok", {10, 100, 80, 24});
    button.Default(true);
    button.Action = [&] { ++ok; };
  };
  Win& w = fwtest::OpenActive<Win>();
  auto& note = w.ControlNamed<fw::TextArea>("note");
  note.SetFocus();
  QTest::keyClicks(note.Widget(), "one");
  QTest::keyClick(note.Widget(), Qt::Key_Return);
  QTest::keyClicks(note.Widget(), "two");
  EXPECT_EQ(note.Text(), "one\rtwo");
  EXPECT_EQ(ok, 0);
}

TEST_F(ControlsTest, APasswordFieldMasksWhatItShowsAndKeepsWhatWasTyped) {
  Win::hooks.createControls = [](fw::Window& w) { Add<fw::TextField>(w, "pswd", {10, 10, 100, 22}); };
  Win& w = fwtest::OpenActive<Win>();
  auto& field = w.ControlNamed<fw::TextField>("pswd");
  auto* line = static_cast<QLineEdit*>(field.Widget());
  EXPECT_FALSE(field.Password());
  EXPECT_EQ(line->echoMode(), QLineEdit::Normal);

  field.Password(true);
  field.SetFocus();
  QTest::keyClicks(line, "s3cr3t");
  EXPECT_TRUE(field.Password());
  EXPECT_EQ(line->echoMode(), QLineEdit::Password);
  EXPECT_EQ(line->displayText().toStdString().find("s3cr3t"), std::string::npos);
  EXPECT_EQ(field.Text(), "s3cr3t");

  field.Password(false);
  EXPECT_EQ(line->displayText(), "s3cr3t");
}

TEST_F(ControlsTest, TextChangeIsRaisedForEachTypedKeyAndEachAssignment) {
  int fieldChanges = 0, areaChanges = 0;
  Win::hooks.createControls = [&](fw::Window& w) {
    Add<fw::TextField>(w, "field", {10, 10, 100, 22}).TextChange = [&] { ++fieldChanges; };
    Add<fw::TextArea>(w, "area", {10, 40, 200, 80}).TextChange = [&] { ++areaChanges; };
  };
  Win& w = fwtest::OpenActive<Win>();
  auto& field = w.ControlNamed<fw::TextField>("field");
  auto& area = w.ControlNamed<fw::TextArea>("area");

  field.SetFocus();
  QTest::keyClicks(field.Widget(), "abc");
  EXPECT_EQ(fieldChanges, 3);
  field.Text("New");
  EXPECT_EQ(fieldChanges, 4);
  EXPECT_EQ(field.Text(), "New");

  area.SetFocus();
  QTest::keyClicks(area.Widget(), "xy");
  EXPECT_EQ(areaChanges, 2);
  area.Text("line 1\rline 2");
  EXPECT_GE(areaChanges, 3);
  EXPECT_EQ(static_cast<QPlainTextEdit*>(area.Widget())->toPlainText(), "line 1\nline 2");
  EXPECT_EQ(area.Text(), "line 1\rline 2");
}

TEST_F(ControlsTest, StaticTextShowsLinesAndItsAlignment) {
  Win::hooks.createControls = [](fw::Window& w) { Add<fw::StaticText>(w, "label", {10, 10, 200, 60}); };
  Win& w = fw::Shared<Win>();
  auto& text = w.ControlNamed<fw::StaticText>("label");
  auto* label = static_cast<QLabel*>(text.Widget());

  text.Multiline(true);
  text.Text("Remove an entry\r\rAre you sure?");
  EXPECT_EQ(label->text(), "Remove an entry\n\nAre you sure?");
  EXPECT_EQ(text.Text(), "Remove an entry\r\rAre you sure?");
  EXPECT_TRUE(label->wordWrap());
  text.Text("<b>not markup</b>");
  EXPECT_EQ(label->textFormat(), Qt::PlainText);

  const std::pair<int, Qt::Alignment> aligns[] = {
      {0, Qt::AlignLeft}, {1, Qt::AlignLeft}, {2, Qt::AlignHCenter}, {3, Qt::AlignRight}};
  for (auto [code, want] : aligns) {
    text.TextAlign(code);
    EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, want) << code;
  }
  EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
}

TEST_F(ControlsTest, RadioButtonsExcludeEachOtherOnlyWithinTheirParent) {
  std::vector<std::string> actions;
  Win::hooks.createControls = [&](fw::Window& w) {
    auto& group = Add<fw::GroupBox>(w, "group", {10, 10, 200, 100});
    for (auto [name, top, parent] : {std::tuple{"g1", 30, &group}, std::tuple{"g2", 60, &group},
                                     std::tuple{"w1", 130, (fw::GroupBox*)nullptr},
                                     std::tuple{"w2", 160, (fw::GroupBox*)nullptr}}) {
      auto& radio = Add<fw::RadioButton>(w, name, {20, top, 150, 20}, parent);
      radio.Caption(name);
      radio.Action = [&actions, name = std::string(name)] { actions.push_back(name); };
    }
  };
  Win& w = fw::Shared<Win>();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.TopLevelWidget()));
  auto value = [&](const char* name) { return w.ControlNamed<fw::RadioButton>(name).Value(); };

  w.ControlNamed<fw::RadioButton>("g1").Value(true);
  w.ControlNamed<fw::RadioButton>("w1").Value(true);
  EXPECT_TRUE(value("g1"));
  EXPECT_TRUE(value("w1"));

  w.ControlNamed<fw::RadioButton>("g2").Value(true);
  EXPECT_FALSE(value("g1"));
  EXPECT_TRUE(value("g2"));
  EXPECT_TRUE(value("w1"));

  QWidget* w2 = w.FindControl("w2")->Widget();
  QTest::mouseClick(w2, Qt::LeftButton, {}, QPoint(8, w2->height() / 2));
  EXPECT_TRUE(value("w2"));
  EXPECT_FALSE(value("w1"));
  EXPECT_TRUE(value("g2"));
  EXPECT_EQ(actions, std::vector<std::string>{"w2"});
}

TEST_F(ControlsTest, ACheckBoxHoldsItsValueAndAClickTogglesIt) {
  int actions = 0;
  Win::hooks.createControls = [&](fw::Window& w) {
    auto& box = Add<fw::CheckBox>(w, "box", {10, 10, 250, 20});
    box.Caption("On exit, clear the Clipboard");
    box.Action = [&] { ++actions; };
  };
  Win& w = fw::Shared<Win>();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.TopLevelWidget()));
  auto& box = w.ControlNamed<fw::CheckBox>("box");
  EXPECT_EQ(box.Caption(), "On exit, clear the Clipboard");
  EXPECT_FALSE(box.Value());
  box.Value(true);
  EXPECT_TRUE(box.Value());
  QTest::mouseClick(box.Widget(), Qt::LeftButton, {}, QPoint(8, box.Widget()->height() / 2));
  EXPECT_FALSE(box.Value());
  EXPECT_EQ(actions, 1);
}

TEST_F(ControlsTest, ABevelButtonShowsItsCaptionAndIconAndTakesNoFocus) {
  int actions = 0;
  Win::hooks.createControls = [&](fw::Window& w) {
    auto& button = Add<fw::BevelButton>(w, "lock", {10, 10, 97, 36});
    button.Caption("Unlock");
    button.Action = [&] { ++actions; };
  };
  Win& w = fwtest::OpenActive<Win>();
  auto& button = w.ControlNamed<fw::BevelButton>("lock");
  auto* tool = static_cast<QToolButton*>(button.Widget());
  EXPECT_EQ(button.Caption(), "Unlock");
  EXPECT_EQ(tool->text(), "Unlock");
  EXPECT_TRUE(tool->icon().isNull());

  auto picture = std::make_shared<fw::Picture>(16, 12);
  button.Icon(picture);
  EXPECT_EQ(button.Icon(), picture);
  EXPECT_FALSE(tool->icon().isNull());
  EXPECT_EQ(tool->iconSize(), QSize(16, 12));
  button.Icon(nullptr);
  EXPECT_TRUE(tool->icon().isNull());

  QTest::mouseClick(tool, Qt::LeftButton);
  EXPECT_EQ(actions, 1);
  EXPECT_FALSE(button.HasFocus());
  EXPECT_EQ(tool->focusPolicy(), Qt::NoFocus);
}

TEST_F(ControlsTest, AHelpTagIsTheTooltipWithItsLineBreaks) {
  Win::hooks.createControls = [](fw::Window& w) { Add<fw::PushButton>(w, "b", {10, 10, 80, 24}); };
  Win& w = fw::Shared<Win>();
  fw::RectControl& b = *w.FindControl("b");
  b.HelpTag("Use the arrow keys.\rOr type the first letters.");
  EXPECT_EQ(b.HelpTag(), "Use the arrow keys.\rOr type the first letters.");
  EXPECT_EQ(b.Widget()->toolTip(), "Use the arrow keys.\nOr type the first letters.");
}

TEST_F(ControlsTest, MouseCursorSetsTheShapeAndNullGivesTheDefaultBack) {
  Win::hooks.createControls = [](fw::Window& w) { Add<fw::PushButton>(w, "b", {10, 10, 80, 24}); };
  Win& w = fw::Shared<Win>();
  fw::RectControl& b = *w.FindControl("b");
  const std::pair<const fw::Cursor*, Qt::CursorShape> cursors[] = {
      {&fw::Cursors::IBeam, Qt::IBeamCursor},
      {&fw::Cursors::SplitterEastWest, Qt::SplitHCursor},
      {&fw::Cursors::SplitterNorthSouth, Qt::SplitVCursor},
      {&fw::Cursors::FingerPointer, Qt::PointingHandCursor},
      {&fw::Cursors::StandardPointer, Qt::ArrowCursor},
  };
  for (auto [cursor, shape] : cursors) {
    b.MouseCursor(cursor);
    EXPECT_EQ(b.MouseCursor(), cursor);
    EXPECT_TRUE(b.Widget()->testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(b.Widget()->cursor().shape(), shape);
  }
  b.MouseCursor(nullptr);
  EXPECT_EQ(b.MouseCursor(), nullptr);
  EXPECT_FALSE(b.Widget()->testAttribute(Qt::WA_SetCursor)) << "the parent's cursor shows again";
}

}  // namespace
