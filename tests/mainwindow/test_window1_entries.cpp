// The entry commands of the main window, driven with real clicks and keys:
// selecting, editing, Save, add, delete and its question, the labels, the
// eye over the password, and the split view's limits.
#include <QTest>
#include <QWidget>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "framework/fw_date.h"
#include "framework/fw_strings.h"
#include "mainwindow/window1.h"
#include "mainwindow/main_window_user.h"
#include "support/program_fixture.h"

namespace {

using kavro::testing::ClickRow;
using kavro::testing::Entry;
using kavro::testing::Fields;
using kavro::testing::ProgramTest;
using kavro::testing::Retype;
using kavro::testing::Rows;
using kavro::testing::ScriptedDialogs;
using kavro::testing::TypeIntoList;

const std::vector<Entry> kStore{
    {"Bank", "jane", "s3cret pä55", "https://bank.example/login", "PIN in the drawer\rsecond line"},
    {"Mail", "jane@mail.example", "hunter2", "http://mail.example/", ""},
    {"Shop", "janed", "", "http://shop.example/", "gift cards"},
};

const Entry kEmpty{"", "", "", "", ""};
const Entry kNewEntry{"New", "", "", "http://", ""};

std::string LastUpdateText(const fw::Date& d) { return d.LongDate() + ", " + d.LongTime(); }

std::vector<Entry> Without(std::vector<Entry> rows, size_t row) {
  rows.erase(rows.begin() + static_cast<long>(row));
  return rows;
}

std::vector<Entry> With(std::vector<Entry> rows, size_t row, Entry entry) {
  rows[row] = std::move(entry);
  return rows;
}

class EntriesTest : public ProgramTest {
 protected:
  // The store of the last run, then start-up and the master password.
  Window1& OpenStore(const std::vector<Entry>& entries = kStore) {
    kavro::testing::WriteDataFile(DataFile(), entries);
    // Saved long ago, so that "Last update:" shows whether a command refreshed it.
    std::filesystem::last_write_time(DataFile(), std::filesystem::file_time_type::clock::now() - std::chrono::days(400));
    StartProgram();
    Unlock();
    return Main();
  }
};

struct CommandCase {
  const char* name;
  // What the user does in the unlocked window holding kStore.
  std::function<void(Window1&, ScriptedDialogs&)> act;
  std::vector<Entry> rows;
  int selected;
  Entry fields;
  bool deleteEnabled;
  bool saveEnabled;
  // Whether "Last update:" and "Records:" were refreshed.
  bool labelsRefreshed;
  std::vector<std::string> questions;
};
void PrintTo(const CommandCase& c, std::ostream* os) { *os << c.name; }

class Command : public EntriesTest, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(Command, LeavesTheListFieldsButtonsAndLabelsAsAUserExpects) {
  const CommandCase& c = GetParam();
  Window1& w = OpenStore();
  const std::string lastUpdatedBefore = w.lastUpdated->Text();
  const std::string counterBefore = w.counter->Text();
  const size_t messagesBefore = dialogs.messages.size();

  const fw::Date startedAt;
  c.act(w, dialogs);
  const fw::Date endedAt;

  EXPECT_EQ(Rows(w), c.rows);
  EXPECT_EQ(w.ListBox1->ListIndex(), c.selected);
  EXPECT_EQ(Fields(w), c.fields);
  EXPECT_EQ(w.delBtn->Enabled(), c.deleteEnabled);
  EXPECT_EQ(w.saveBtn->Enabled(), c.saveEnabled);
  if (c.labelsRefreshed) {
    EXPECT_EQ(w.counter->Text(), fw::Str(static_cast<int64_t>(c.rows.size())));
    // The moment of the change: the clock may have turned a second meanwhile.
    const std::string shown = w.lastUpdated->Text();
    EXPECT_TRUE(shown == LastUpdateText(startedAt) || shown == LastUpdateText(endedAt))
        << shown << " is not " << LastUpdateText(endedAt);
  } else {
    EXPECT_EQ(w.counter->Text(), counterBefore);
    EXPECT_EQ(w.lastUpdated->Text(), lastUpdatedBefore);
  }
  std::vector<std::string> questions;
  for (size_t i = messagesBefore; i < dialogs.messages.size(); ++i) {
    questions.push_back(dialogs.messages[i].text);
    EXPECT_EQ(dialogs.messages[i].buttons, 36) << "Yes and No, with the question icon";
    EXPECT_EQ(dialogs.messages[i].title, "");
  }
  EXPECT_EQ(questions, c.questions);
}

const std::string kRemoveBank =
    "Remove an entry\r\rAre you sure to remove the password:\r\u00ABBank\u00BB ?\r";
const std::string kRemoveMail =
    "Remove an entry\r\rAre you sure to remove the password:\r\u00ABMail\u00BB ?\r";

void EditEveryField(Window1& w) {
  Retype(*w.descrFld, "Edited");
  Retype(*w.userFld, "someone");
  Retype(*w.pswdFld, "other");
  Retype(*w.urlFld, "http://edited.example/");
  Retype(*w.noteFld, "edited note");
}

void Press(fw::RectControl& button) { QTest::mouseClick(button.Widget(), Qt::LeftButton); }

INSTANTIATE_TEST_SUITE_P(
    Entries, Command,
    ::testing::Values(
        CommandCase{"SelectingARowShowsItsCells",
                    [](Window1& w, ScriptedDialogs&) {
                      ClickRow(w, 2);
                      ClickRow(w, 0);
                    },
                    kStore, 0, kStore[0], true, true, false, {}},
        CommandCase{"EditsGiveWayToTheNextRowAndTheFirstRowKeepsItsCells",
                    [](Window1& w, ScriptedDialogs&) {
                      ClickRow(w, 0);
                      EditEveryField(w);
                      ClickRow(w, 1);
                    },
                    kStore, 1, kStore[1], true, true, false, {}},
        CommandCase{"SaveWritesTheFieldsAsTheyStandIntoTheSelectedRow",
                    [](Window1& w, ScriptedDialogs&) {
                      ClickRow(w, 1);
                      Retype(*w.descrFld, " Mail (work) ");
                      Retype(*w.urlFld, "mail.example");
                      Press(*w.saveBtn);
                    },
                    With(kStore, 1, {" Mail (work) ", "jane@mail.example", "hunter2", "mail.example", ""}), 1,
                    {" Mail (work) ", "jane@mail.example", "hunter2", "mail.example", ""}, true, true, true, {}},
        CommandCase{"SaveWithNoRowSelectedChangesNothing",
                    [](Window1& w, ScriptedDialogs&) {
                      Retype(*w.descrFld, "Typed");
                      Retype(*w.pswdFld, "x");
                      Press(*w.saveBtn);
                    },
                    kStore, -1, {"Typed", "", "x", "", ""}, false, true, false, {}},
        CommandCase{"AddTwiceGivesTwoNewRowsAndDropsUnsavedEdits",
                    [](Window1& w, ScriptedDialogs&) {
                      ClickRow(w, 0);
                      EditEveryField(w);
                      Press(*w.addbtn);
                      Press(*w.addbtn);
                    },
                    {kStore[0], kStore[1], kStore[2], kNewEntry, kNewEntry}, 4, kNewEntry, true, true, true, {}},
        CommandCase{"DeleteYesRemovesTheRowNamedByItsStoredDescription",
                    [](Window1& w, ScriptedDialogs& d) {
                      ClickRow(w, 0);
                      Retype(*w.descrFld, "Edited");
                      d.answers.push_back(6);
                      Press(*w.delBtn);
                    },
                    Without(kStore, 0), -1, kEmpty, false, false, true, {kRemoveBank}},
        CommandCase{"DeleteYesOfAMiddleRowRemovesThatRowAlone",
                    [](Window1& w, ScriptedDialogs& d) {
                      ClickRow(w, 1);
                      d.answers.push_back(6);
                      Press(*w.delBtn);
                    },
                    Without(kStore, 1), -1, kEmpty, false, false, true, {kRemoveMail}},
        CommandCase{"DeleteNoChangesNothing",
                    [](Window1& w, ScriptedDialogs& d) {
                      ClickRow(w, 0);
                      Retype(*w.descrFld, "Edited");
                      d.answers.push_back(7);
                      Press(*w.delBtn);
                    },
                    kStore, 0, Entry{"Edited", "jane", "s3cret pä55", "https://bank.example/login",
                                                     "PIN in the drawer\rsecond line"},
                    true, true, false, {kRemoveBank}},
        // The button is disabled then; the handler does not count on that.
        CommandCase{"DeleteWithNoRowSelectedAsksNothing",
                    [](Window1& w, ScriptedDialogs&) { w.delBtn_Action(); }, kStore, -1, kEmpty, false, true,
                    false, {}},
        CommandCase{"AnEmptyDescriptionDisablesSave",
                    [](Window1& w, ScriptedDialogs&) {
                      ClickRow(w, 1);
                      Retype(*w.descrFld, "");
                    },
                    kStore, 1, Entry{"", "jane@mail.example", "hunter2", "http://mail.example/", ""},
                    true, false, false, {}},
        CommandCase{"ABlankIsADescription",
                    [](Window1& w, ScriptedDialogs&) {
                      ClickRow(w, 1);
                      Retype(*w.descrFld, "");
                      Retype(*w.descrFld, " ");
                    },
                    kStore, 1, Entry{" ", "jane@mail.example", "hunter2", "http://mail.example/", ""},
                    true, true, false, {}},
        CommandCase{"TypingSelectsTheFirstMatchingRow",
                    [](Window1& w, ScriptedDialogs&) { TypeIntoList(w, "sh"); }, kStore, 2, kStore[2], true, true,
                    false, {}},
        // The list's own handling of Space would select its current row again.
        CommandCase{"ASpaceAfterAFailedSearchSelectsNothing",
                    [](Window1& w, ScriptedDialogs&) {
                      TypeIntoList(w, "mx");
                      QTest::keyClick(w.ListBox1->Widget(), Qt::Key_Space);
                    },
                    kStore, -1, kEmpty, false, false, false, {}},
        CommandCase{"EndAfterAFailedSearchSelectsNothing",
                    [](Window1& w, ScriptedDialogs&) {
                      TypeIntoList(w, "mx");
                      QTest::keyClick(w.ListBox1->Widget(), Qt::Key_End);
                    },
                    kStore, -1, kEmpty, false, false, false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EntriesTest, TheEyeShowsThePasswordOnlyWhileThePointerRestsOnIt) {
  Window1& w = OpenStore();
  ClickRow(w, 0);
  QWidget* content = w.TopLevelWidget();
  const QPoint away = w.lastUpdated->Widget()->mapTo(content, QPoint(2, 2));
  const QPoint onEye = w.Canvas1->Widget()->mapTo(content, w.Canvas1->Widget()->rect().center());

  QTest::mouseMove(content, away);
  EXPECT_TRUE(w.pswdFld->Password());
  QTest::mouseMove(content, onEye);
  EXPECT_FALSE(w.pswdFld->Password());
  EXPECT_EQ(w.pswdFld->Text(), "s3cret pä55");
  QTest::mouseMove(content, away);
  EXPECT_TRUE(w.pswdFld->Password());
}

class SplitViewTest : public EntriesTest {
 protected:
  // Drags the middle of the divider so that the list would be width wide.
  static void DragListWidthTo(Window1& w, int width) {
    Splitview& s = *w.Splitview1;
    const int listLeft = w.ListBox1->Left() - s.Left();
    const int from = listLeft + w.ListBox1->Width() + 12;
    const int to = listLeft + width + 12;
    const int y = s.Height() / 2;
    QTest::mousePress(s.Widget(), Qt::LeftButton, {}, QPoint(from, y));
    QTest::mouseMove(s.Widget(), QPoint(to, y));
    QTest::mouseRelease(s.Widget(), Qt::LeftButton, {}, QPoint(to, y));
  }
};

TEST_F(SplitViewTest, TheListAndTheEditorStandSideBySide) {
  Window1& w = OpenStore();
  EXPECT_TRUE(w.Splitview1->Vertical());
  EXPECT_LT(w.ListBox1->Left(), w.GroupBox1->Left());
  EXPECT_EQ(w.ListBox1->Top(), w.GroupBox1->Top());
}

TEST_F(SplitViewTest, TheListCollapsesBelowItsMinimum) {
  Window1& w = OpenStore();
  DragListWidthTo(w, 129);
  EXPECT_TRUE(w.Splitview1->IsSubviewCollapsed(*w.ListBox1));
  EXPECT_FALSE(w.ListBox1->Visible());
}

TEST_F(SplitViewTest, TheEditorStopsAtItsMinimum) {
  Window1& w = OpenStore();
  DragListWidthTo(w, w.Splitview1->Width());
  EXPECT_EQ(w.GroupBox1->Width(), 130);
  EXPECT_FALSE(w.Splitview1->IsSubviewCollapsed(*w.GroupBox1));
  EXPECT_TRUE(w.GroupBox1->Visible());
}

TEST_F(SplitViewTest, AListWiderThanItsMinimumStaysOpen) {
  Window1& w = OpenStore();
  DragListWidthTo(w, 131);
  EXPECT_FALSE(w.Splitview1->IsSubviewCollapsed(*w.ListBox1));
  EXPECT_EQ(w.ListBox1->Width(), 131);
}

}  // namespace
