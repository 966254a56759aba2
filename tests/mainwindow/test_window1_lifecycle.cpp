// The main window's life: the first run's defaults, the geometry restored and
// recorded, the extra pixel, the labels and the eye after loading, and closing,
// which saves only once the master password was accepted.
#include <QGuiApplication>
#include <QMainWindow>
#include <QRect>
#include <QScreen>
#include <QTest>
#include <QTreeView>
#include <QWidget>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "app/app.h"
#include "framework/fw_application.h"
#include "framework/fw_date.h"
#include "framework/fw_shared.h"
#include "mainwindow/window1.h"
#include "support/program_fixture.h"
#include "support/started_test.h"

namespace {

using kavro::testing::StartedTest;

// Two entries as the data file holds them: Base64 user names and passwords,
// "^" for the note's line break, text in more than one script.
const std::string kTwoEntries =
    "Bank\tYWxpY2U=\tczNjcmV0\thttps://bank.example\tfirst line^second line\r"
    "Caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC\t\t\t\t\r";

class Window1Test : public StartedTest {
 protected:
  static App& TheApp() { return fw::Shared<App>(); }

  // Opens the main window; accepted: as after the prompt took the master password.
  static Window1& Open(bool accepted = true) {
    if (accepted) TheApp().flag = "true";
    Window1& w = fw::Shared<Window1>();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(w.TopLevelWidget()));
    return w;
  }


  // The user's close box.
  static void CloseBox(Window1& w) {
    w.TopLevelWidget()->close();
    ProcessEvents();
  }

};

TEST_F(Window1Test, FirstRunOpensWithTheDefaults) {
  App& app = TheApp();
  Window1& w = Open(false);

  EXPECT_EQ(app.pswd, "7294");
  EXPECT_EQ(app.clearPswd, "yes");
  EXPECT_EQ(app.whatToCopy, "pswd");
  EXPECT_EQ(app.showPswd, "yes");
  EXPECT_EQ(w.Width(), 620);
  EXPECT_EQ(w.Height(), 455);
  EXPECT_EQ(w.ListBox1->ListCount(), 0);
  EXPECT_EQ(w.lastUpdated->Text(), "...");
  EXPECT_EQ(w.counter->Text(), "0");
  EXPECT_TRUE(w.Canvas1->Visible());
  EXPECT_EQ(w.pswdFld->Width(), w.userFld->Width() - 25);
  EXPECT_FALSE(w.delBtn->Enabled());
  EXPECT_TRUE(dialogs.messages.empty());
  // Opening writes nothing.
  EXPECT_FALSE(std::filesystem::exists(PrefsFile()));
  EXPECT_FALSE(std::filesystem::exists(DataFile()));
}

TEST_F(Window1Test, RestoresTheStoredGeometryOnePixelWiderAndTheSettings) {
  WriteBytes(PrefsFile(), "30\t40\t700\t500\r250\rname\tno\tno\rczNjcmV0\r");
  App& app = TheApp();
  Window1& w = Open();

  EXPECT_EQ(w.Top(), 30);
  EXPECT_EQ(w.Left(), 40);
  EXPECT_EQ(w.Width(), 701);
  EXPECT_EQ(w.Height(), 500);
  EXPECT_EQ(w.ListBox1->Width(), 250);
  EXPECT_EQ(app.whatToCopy, "name");
  EXPECT_EQ(app.clearPswd, "no");
  EXPECT_EQ(app.showPswd, "no");
  EXPECT_EQ(app.pswd, "s3cret");
}

TEST_F(Window1Test, AWindowNeverResizedOpensOnePixelWiderAfterEachSavedRun) {
  WriteBytes(PrefsFile(), "30\t40\t700\t500\r250\rpswd\tyes\tyes\rNzI5NA==\r");
  for (int run = 1; run <= 3; ++run) {
    SCOPED_TRACE("run " + std::to_string(run));
    Window1& w = Open();
    EXPECT_EQ(w.Width(), 700 + run);
    CloseBox(w);
    ASSERT_EQ(PrefsLines().size(), 4u);
    EXPECT_EQ(PrefsLines()[0], "30\t40\t" + std::to_string(700 + run) + "\t500");
    NextRun();
  }
}

TEST_F(Window1Test, RecordsWhereTheUserMovesAndResizesTheWindow) {
  Window1& w = Open();
  QWidget* top = w.TopLevelWidget();
  int menuBar = top->height() - w.Height();

  top->move(top->x() + 15, top->y() + 25);
  top->resize(640, 480 + menuBar);
  int left = w.Left(), topEdge = w.Top();
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.wLeft == left && w.wTop == topEdge; }))
      << w.wLeft << "," << w.wTop << " for " << left << "," << topEdge;
  EXPECT_EQ(w.wWidth, 640);
  EXPECT_EQ(w.wHeight, 480);

  w.ListBox1->Width(170);
  CloseBox(w);
  std::vector<std::string> lines = PrefsLines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], std::to_string(topEdge) + "\t" + std::to_string(left) + "\t640\t480");
  EXPECT_EQ(lines[1], "170");
}

// A list collapsed at close is saved 0 wide and comes back so, visible; a
// negative width, which no save writes, counts as 0 rather than pushing the
// editor pane out of the split view.
TEST_F(Window1Test, AListCollapsedAtCloseComesBackZeroWideAndVisible) {
  for (const char* stored : {"0", "-50"}) {
    SCOPED_TRACE(stored);
    WriteBytes(PrefsFile(), std::string("30\t40\t700\t500\r") + stored + "\rpswd\tyes\tyes\rNzI5NA==\r");
    Window1& w = Open();
    EXPECT_EQ(w.ListBox1->Width(), 0);
    EXPECT_TRUE(w.ListBox1->Visible());
    EXPECT_GE(w.GroupBox1->Left(), w.Splitview1->Left());

    CloseBox(w);
    ASSERT_EQ(PrefsLines().size(), 4u);
    EXPECT_EQ(PrefsLines()[1], "0");
    NextRun();
  }
}

struct CloseCase {
  const char* name;
  const char* how;  // "close box" or "Quit"
  const char* flag;
  bool saves;
};

void PrintTo(const CloseCase& c, std::ostream* os) { *os << c.name; }

class Window1CloseTest : public Window1Test, public ::testing::WithParamInterface<CloseCase> {};

// Closing always ends the run; it writes both files only after the master
// password was accepted, and an unchanged store is written back byte for byte.
TEST_P(Window1CloseTest, ClosingQuitsAndSavesOnlyAfterThePasswordWasAccepted) {
  const CloseCase& c = GetParam();
  const std::string prefs = "30\t40\t700\t500\r250\rname\tno\tyes\rczNjcmV0\r";
  WriteBytes(PrefsFile(), prefs);
  WriteBytes(DataFile(), kTwoEntries);
  std::filesystem::permissions(DataFile(), std::filesystem::perms(0644));
  TheApp().flag = c.flag;
  Window1& w = Open(false);
  ASSERT_EQ(w.ListBox1->ListCount(), 2);

  if (std::string(c.how) == "Quit") {
    fw::Quit();
    ProcessEvents();
  } else {
    CloseBox(w);
  }

  EXPECT_TRUE(fw::HasQuit());
  EXPECT_FALSE(fw::SharedExists<Window1>());
  EXPECT_EQ(TheApp().flag, "true");
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(ReadBytes(DataFile()), kTwoEntries);
  if (c.saves) {
    EXPECT_EQ(ReadBytes(PrefsFile()), "30\t40\t701\t500\r250\rname\tno\tyes\rczNjcmV0\r");
    for (const auto& file : {PrefsFile(), DataFile()})
      EXPECT_EQ(std::filesystem::status(file).permissions(), std::filesystem::perms(0600)) << file;
  } else {
    EXPECT_EQ(ReadBytes(PrefsFile()), prefs);
    EXPECT_EQ(std::filesystem::status(DataFile()).permissions(), std::filesystem::perms(0644));
  }
}

// "Quit" with an empty flag is the prompt's Cancel at start: a second
// CancelClose while quitting would find the flag set and save.
INSTANTIATE_TEST_SUITE_P(Cases, Window1CloseTest,
                         ::testing::Values(CloseCase{"CloseBoxAccepted", "close box", "true", true},
                                           CloseCase{"QuitAccepted", "Quit", "true", true},
                                           CloseCase{"CloseBoxNeverAccepted", "close box", "", false},
                                           CloseCase{"QuitNeverAccepted", "Quit", "", false}),
                         [](const ::testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.name); });

TEST_F(Window1Test, AFirstRunClosedWithoutThePasswordLeavesNoFiles) {
  Window1& w = Open(false);
  CloseBox(w);
  EXPECT_TRUE(fw::HasQuit());
  EXPECT_FALSE(std::filesystem::exists(PrefsFile()));
  EXPECT_FALSE(std::filesystem::exists(DataFile()));
}

TEST_F(Window1Test, AFirstRunClosedAfterThePasswordSavesTheDefaults) {
  Window1& w = Open();
  std::string geometry = std::to_string(w.Top()) + "\t" + std::to_string(w.Left()) + "\t620\t455";
  int listWidth = w.ListBox1->Width();
  CloseBox(w);
  EXPECT_EQ(ReadBytes(PrefsFile()), geometry + "\r" + std::to_string(listWidth) + "\rpswd\tyes\tyes\rNzI5NA==\r");
  EXPECT_EQ(ReadBytes(DataFile()), "");
}

struct LabelCase {
  const char* name;
  bool hasDataFile;
  std::string data;
  int rows;
};

TEST_F(Window1Test, LabelsShowTheDataFilesTimeAndRowCount) {
  const LabelCase cases[] = {
      {"two entries", true, kTwoEntries, 2},
      {"empty data file", true, "", 0},
      {"empty lines only", true, "\r\r", 0},
      {"no data file", false, "", 0},
  };
  // A fixed time, so that nothing depends on the clock.
  const auto saved = std::chrono::sys_days(std::chrono::year(2021) / 3 / 4) + std::chrono::hours(5) +
                     std::chrono::minutes(6) + std::chrono::seconds(7);
  const fw::Date savedDate(saved);
  for (const LabelCase& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(PrefsFile(), "30\t40\t700\t500\r250\rpswd\tyes\tyes\rNzI5NA==\r");
    std::filesystem::remove(DataFile());
    if (c.hasDataFile) {
      WriteBytes(DataFile(), c.data);
      std::filesystem::last_write_time(DataFile(), std::chrono::file_clock::from_sys(saved));
    }
    Window1& w = Open();
    EXPECT_EQ(w.ListBox1->ListCount(), c.rows);
    EXPECT_EQ(w.counter->Text(), std::to_string(c.rows));
    EXPECT_EQ(w.lastUpdated->Text(), c.hasDataFile ? savedDate.LongDate() + ", " + savedDate.LongTime() : "...");
    NextRun();
  }
}

TEST_F(Window1Test, TheListHoldsEachEntrysFiveFields) {
  WriteBytes(DataFile(), kTwoEntries + "Wide\t\t\t\t\tsix\tseven\r");
  Window1& w = Open();
  fw::Listbox& list = *w.ListBox1;
  ASSERT_EQ(list.ListCount(), 3);
  const std::vector<std::string> bank{"Bank", "alice", "s3cret", "https://bank.example", "first line\rsecond line"};
  for (int column = 0; column < 5; ++column) EXPECT_EQ(list.Cell(0, column), bank[static_cast<size_t>(column)]);
  EXPECT_EQ(list.Cell(1, 0), "Caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC");
  // A line of seven fields widens the list and keeps the extra fields, which
  // stay hidden: the list shows the description alone.
  EXPECT_EQ(list.ColumnCount(), 7);
  EXPECT_EQ(list.Cell(2, 6), "seven");
  auto* tree = static_cast<QTreeView*>(list.Widget());
  for (int column = 1; column < 7; ++column) EXPECT_TRUE(tree->isColumnHidden(column)) << column;
}

struct EyeCase {
  const char* showPswd;
  bool eyeShown;
  int narrower;  // pswdFld's width less than userFld's
};

// The eye stands at the password field's right; without it the field is as
// wide as the user name's.
TEST_F(Window1Test, TheEyeShowsOnlyWhenShowPswdIsYes) {
  const EyeCase cases[] = {{"yes", true, 25}, {"no", false, 0}, {"", false, 0}, {"YES", false, 0}};
  for (const EyeCase& c : cases) {
    SCOPED_TRACE(c.showPswd);
    WriteBytes(PrefsFile(), std::string("30\t40\t700\t500\r250\rpswd\tyes\t") + c.showPswd + "\rNzI5NA==\r");
    Window1& w = Open();
    EXPECT_EQ(w.Canvas1->Visible(), c.eyeShown);
    EXPECT_EQ(w.pswdFld->Width(), w.userFld->Width() - c.narrower);
    NextRun();
  }
}

struct PlaceCase {
  const char* name;
  const char* line1;  // top, left, width, height
  int width, height;  // as opened
  bool keepsPlace;
};

// Stored geometry nobody could use (another screen layout, a hand-edited
// file) opens the window on the screen at no less than its minimum size.
TEST_F(Window1Test, GeometryOffEveryScreenOrBelowTheMinimumIsBroughtBack) {
  const PlaceCase cases[] = {
      {"on screen", "30\t40\t700\t500", 701, 500, true},
      {"far left and up", "-5000\t-5000\t700\t500", 701, 500, false},
      {"far right", "40\t9000\t700\t500", 701, 500, false},
      {"far below", "9000\t40\t700\t500", 701, 500, false},
      {"only a sliver on screen", "30\t-690\t700\t500", 701, 500, false},
      {"too small", "30\t40\t100\t50", 451, 300, true},
      {"zero size", "30\t40\t0\t0", 451, 300, true},
      {"negative size", "30\t40\t-300\t-300", 451, 300, true},
      {"missing fields", "30\t40", 451, 300, true},
  };
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  for (const PlaceCase& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(PrefsFile(), std::string(c.line1) + "\r250\rpswd\tyes\tyes\rNzI5NA==\r");
    Window1& w = Open();
    EXPECT_EQ(w.Width(), c.width);
    EXPECT_EQ(w.Height(), c.height);
    QRect placed(w.Left(), w.Top(), w.Width(), w.Height());
    if (c.keepsPlace) {
      EXPECT_EQ(placed.topLeft(), QPoint(40, 30));
    } else {
      // The whole top edge on the screen, where the user can take hold of it.
      EXPECT_TRUE(screen.contains(QPoint(placed.left(), placed.top())));
      EXPECT_TRUE(screen.contains(QPoint(placed.right(), placed.top())));
    }
    NextRun();
  }
}

// A stored size far beyond any screen (a hand-edited file, a display since
// replaced) opens at most as large as the screen's free area: the window's
// buffers follow its size, and 2147483647 by 2147483647 cannot be drawn.
TEST_F(Window1Test, AStoredSizeLargerThanTheScreenOpensAtMostTheScreensSize) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  for (const char* line1 : {"0\t0\t2147483647\t2147483647", "30\t40\t32000\t32000", "-5000\t-5000\t99999\t99999"}) {
    SCOPED_TRACE(line1);
    WriteBytes(PrefsFile(), std::string(line1) + "\r250\rpswd\tyes\tyes\rNzI5NA==\r");
    Window1& w = Open();
    EXPECT_LE(w.Width(), screen.width());
    EXPECT_LE(w.Height(), screen.height());
    // What is drawn: the window's widget, whose menu bar lies above the area
    // that the window's own coordinates measure.
    auto* shown = qobject_cast<QMainWindow*>(w.TopLevelWidget());
    ASSERT_NE(shown, nullptr);
    const int menuBar = shown->menuWidget() != nullptr ? shown->menuWidget()->height() : 0;
    EXPECT_LE(shown->width(), screen.width());
    EXPECT_LE(shown->height() - menuBar, screen.height());
    // Still where the user can take hold of it.
    EXPECT_TRUE(screen.contains(QPoint(w.Left(), w.Top())));
    NextRun();
  }
}

// The whole way: start-up reads the settings, the prompt takes the stored
// master password, and quitting writes back what was read, one pixel wider.
class Window1ProgramTest : public kavro::testing::ProgramTest {};

TEST_F(Window1ProgramTest, AnUnlockedRunSavesTheStoreItReadWhenItQuits) {
  WriteBytes(PrefsFile(), "30\t40\t700\t500\r250\rname\tno\tyes\rczNjcmV0\r");
  WriteBytes(DataFile(), kTwoEntries);
  StartProgram();
  Unlock("s3cret");
  ASSERT_EQ(Main().ListBox1->ListCount(), 2);

  fw::Quit();
  ProcessEvents();

  EXPECT_TRUE(fw::HasQuit());
  EXPECT_EQ(ReadBytes(PrefsFile()), "30\t40\t701\t500\r250\rname\tno\tyes\rczNjcmV0\r");
  EXPECT_EQ(ReadBytes(DataFile()), kTwoEntries);
}

// A store written by hand: a master password and a user name of 57 bytes,
// each a full line of Base64, with a further line after each. The master
// password unlocks, the next line stays an entry of its own, and quitting
// writes back both entries and the password as they were.
TEST_F(Window1ProgramTest, FullWidthValuesInAHandWrittenStoreKeepTheLinesAfterThemApart) {
  const std::filesystem::path fixtures = std::filesystem::path(KAVRO_FIXTURES_DIR) / "store";
  std::filesystem::copy_file(fixtures / "full-width-password-and-more.prefs", PrefsFile());
  std::filesystem::copy_file(fixtures / "full-width-user-name.data", DataFile());
  StartProgram();
  Unlock("this master password is fifty-seven bytes long, not less.");
  ASSERT_EQ(Main().ListBox1->ListCount(), 2);
  EXPECT_EQ(Main().ListBox1->Cell(1, 0), "Google");

  fw::Quit();
  ProcessEvents();

  const std::vector<std::string> prefs = PrefsLines();
  ASSERT_EQ(prefs.size(), 4u);
  EXPECT_EQ(prefs[3], "dGhpcyBtYXN0ZXIgcGFzc3dvcmQgaXMgZmlmdHktc2V2ZW4gYnl0ZXMgbG9uZywgbm90IGxlc3Mu");
  std::string fullWidth;
  for (int i = 0; i < 19; ++i) fullWidth += "eHh4";
  EXPECT_EQ(ReadBytes(DataFile()),
            "Cut\t" + fullWidth + "\t\t\t\r"
            "Google\tYm9i\tcHc=\thttp://google.com\t\r");
}

}  // namespace
