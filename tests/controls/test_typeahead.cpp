// Typing into the type-ahead list box: real key presses, the settable clock,
// and the selection changes the owner sees.
#include <QTest>
#include <string>
#include <vector>

#include "controls/typeaheadlistbox.h"
#include "framework/fw_clock.h"
#include "framework/fw_window.h"
#include "support/kavro_test.h"

namespace {

class ListWindow : public fw::Window {
 public:
  std::vector<std::string> rows{"Alpha", "garden", "Gate"};
  // ListIndex at every Change, in order.
  std::vector<int> changes;

  TypeAheadListBox& List() const { return *list_; }

 protected:
  void CreateControls() override {
    list_ = &AddControl<TypeAheadListBox>("ListBox1");
    list_->SetBounds(10, 10, 200, 250);
    list_->Change = [this] { changes.push_back(list_->ListIndex()); };
  }
  void Event_Open() override {
    for (const std::string& row : rows) list_->AddRow(row);
  }

 private:
  TypeAheadListBox* list_ = nullptr;
};

// A key and the ticks elapsed since the previous one.
struct Stroke {
  std::string text;  // one character, or "down" / "up" for the arrows
  int32_t after = 5;
};

class TypeAhead : public kavro::testing::KavroTest {
 protected:
  ListWindow& Open(std::vector<std::string> rows) {
    auto* w = new ListWindow();  // the framework's reset at tear-down destroys it
    w->rows = std::move(rows);
    w->OpenWindow();
    return *w;
  }

  static void Type(ListWindow& w, const std::vector<Stroke>& strokes) {
    for (const Stroke& s : strokes) {
      fw::testing::AdvanceTicks(s.after);
      QWidget* widget = w.List().Widget();
      if (s.text == "down") QTest::keyClick(widget, Qt::Key_Down);
      else if (s.text == "up") QTest::keyClick(widget, Qt::Key_Up);
      else TypeText(widget, QString::fromStdString(s.text));
    }
  }

  // QTest's own typing knows ASCII only; other letters go as key events with
  // their text, as a keyboard layout that has them sends them.
  static void TypeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
      if (c.unicode() < 128) QTest::keyClick(widget, c.toLatin1());
      else QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
  }
};

struct TypeCase {
  const char* name;
  std::vector<std::string> rows;
  std::vector<Stroke> strokes;
  std::string prefix;
  int selected;
};
void PrintTo(const TypeCase& c, std::ostream* os) { *os << c.name; }

class Selects : public TypeAhead, public ::testing::WithParamInterface<TypeCase> {};

TEST_P(Selects, TheFirstRowStartingWithThePrefix) {
  const TypeCase& c = GetParam();
  ListWindow& w = Open(c.rows);
  Type(w, c.strokes);
  EXPECT_EQ(w.List().lastKeyPressed, c.prefix);
  EXPECT_EQ(w.List().ListIndex(), c.selected);
}

const std::vector<std::string> kRows{"Alpha", "garden", "Gate"};

INSTANTIATE_TEST_SUITE_P(
    TypeAhead, Selects,
    ::testing::Values(
        TypeCase{"G", kRows, {{"g"}}, "g", 1},
        TypeCase{"Ga", kRows, {{"g"}, {"a"}}, "ga", 1},
        TypeCase{"Gat", kRows, {{"g"}, {"a"}, {"t"}}, "gat", 2},
        TypeCase{"UppercaseGat", kRows, {{"G"}, {"A"}, {"T"}}, "GAT", 2},
        TypeCase{"JustInsideTheWindow", kRows, {{"g"}, {"a", 29}}, "ga", 1},
        TypeCase{"AtTheWindowStartsAfresh", kRows, {{"g"}, {"a", 30}}, "a", 0},
        TypeCase{"TheWindowRunsFromThePreviousKey", kRows, {{"g"}, {"a", 20}, {"t", 20}}, "gat", 2},
        TypeCase{"ArrowsLeaveThePrefixAlone", {"ab", "abx", "abc"}, {{"a"}, {"b"}, {"down", 10}, {"c", 10}}, "abc", 2},
        TypeCase{"ARowShorterThanThePrefixNeverMatches", {"Ga", "Gate"}, {{"g"}, {"a"}, {"t"}}, "gat", 1},
        TypeCase{"NoRowMatches", kRows, {{"x"}}, "x", -1},
        TypeCase{"AnEmptyList", {}, {{"g"}}, "g", -1},
        TypeCase{"CaseBeyondAscii", {"Zebra", "ärmel", "Ärger"}, {{"Ä"}, {"r"}, {"g"}}, "Ärg", 2},
        TypeCase{"PrefixCountsCharactersNotBytes", {"Ölung", "öl"}, {{"ö"}, {"L"}}, "öL", 0},
        TypeCase{"AnAccentAfterAPlainLetterDiffers", {"Gâteau", "Gateau"}, {{"g"}, {"a"}}, "ga", 1},
        // The Kelvin sign lowercases to a plain k.
        TypeCase{"PlainKeysFindALetterThatLowercasesToThem", {"\u212Aelvin", "kilo"}, {{"k"}}, "k", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TypeAhead, TheArrowsStillMoveTheSelection) {
  ListWindow& w = Open({"ab", "abx", "abc"});
  Type(w, {{"a"}, {"down"}});
  EXPECT_EQ(w.List().ListIndex(), 1);
  Type(w, {{"up"}});
  EXPECT_EQ(w.List().ListIndex(), 0);
}

TEST_F(TypeAhead, TheArrowsKeepThePrefixTime) {
  ListWindow& w = Open(kRows);
  Type(w, {{"g"}});
  const int32_t typedAt = w.List().lastKeyPressedAt;
  Type(w, {{"down", 10}, {"up", 10}});
  EXPECT_EQ(w.List().lastKeyPressedAt, typedAt);
  EXPECT_EQ(w.List().lastKeyPressed, "g");
}

TEST_F(TypeAhead, TheOwnerSeesTheSelectionClearedBeforeEverySearch) {
  ListWindow& w = Open(kRows);
  Type(w, {{"g"}});
  EXPECT_EQ(w.changes, (std::vector<int>{1}));
  w.changes.clear();
  Type(w, {{"a"}});  // garden again: cleared, then set again
  EXPECT_EQ(w.changes, (std::vector<int>{-1, 1}));
  w.changes.clear();
  // Return is a control character: it enters the prefix, and nothing matches.
  QTest::keyClick(w.List().Widget(), Qt::Key_Return);
  EXPECT_EQ(w.changes, (std::vector<int>{-1}));
  EXPECT_EQ(w.List().lastKeyPressed, "ga\r");
  EXPECT_EQ(w.List().ListIndex(), -1);
}

// After a key that matched no row, the list's own handling of that key must
// not bring a row back: the toolkit would select its current row on Space and
// the first or last row on Home, End and the page keys.
struct KeyCase {
  const char* name;
  Qt::Key key;
};
void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class AfterAFailedMatch : public TypeAhead, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(AfterAFailedMatch, TheKeyLeavesNoRowSelected) {
  ListWindow& w = Open(kRows);
  Type(w, {{"g"}});  // garden becomes the list's current row
  Type(w, {{"x", 30}});
  ASSERT_EQ(w.List().ListIndex(), -1);
  w.changes.clear();

  for (int32_t pause : {5, 30}) {
    SCOPED_TRACE(pause);
    fw::testing::AdvanceTicks(pause);
    QTest::keyClick(w.List().Widget(), GetParam().key);
    EXPECT_EQ(w.List().ListIndex(), -1);
    EXPECT_TRUE(w.changes.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(TypeAhead, AfterAFailedMatch,
                         ::testing::Values(KeyCase{"Space", Qt::Key_Space}, KeyCase{"Home", Qt::Key_Home},
                                           KeyCase{"End", Qt::Key_End}, KeyCase{"Return", Qt::Key_Return},
                                           KeyCase{"PageUp", Qt::Key_PageUp},
                                           KeyCase{"PageDown", Qt::Key_PageDown}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TypeAhead, ABlankInThePrefixStillFindsItsRow) {
  ListWindow& w = Open({"New", "New York", "Newark"});
  Type(w, {{"n"}, {"e"}, {"w"}, {" "}});
  EXPECT_EQ(w.List().ListIndex(), 1);
  Type(w, {{"y"}});
  EXPECT_EQ(w.List().ListIndex(), 1);
}

TEST_F(TypeAhead, TheArrowsMoveOnFromTheCurrentRowAfterAFailedMatch) {
  ListWindow& w = Open(kRows);
  Type(w, {{"g"}, {"x", 30}});
  Type(w, {{"down"}});
  EXPECT_EQ(w.List().ListIndex(), 2);
}

}  // namespace
