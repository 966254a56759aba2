// Dragging a divider, the splitter cursor and the double-click, with real
// mouse events on the split view.
#include <QApplication>
#include <QEvent>

#include "test_splitview_window.h"

namespace {

// Two panes 200 and 300 long in a split view 524 long at (20, 60): divider 1
// spans local 200 to 224.
void TwoPanes(SplitWindow& w, bool vertical) {
  if (vertical) {
    w.split = {20, 60, 524, 331};
    w.panes = {{20, 60, 200, 331}, {244, 60, 300, 331}};
  } else {
    w.split = {20, 60, 331, 524};
    w.panes = {{20, 60, 331, 200}, {20, 284, 331, 300}};
  }
  w.ownerOpen = [vertical](TestSplitview& s) { s.Vertical(vertical); };
}

int SizeOf(const fw::RectControl& c, bool vertical) { return vertical ? c.Width() : c.Height(); }
int PositionOf(const fw::RectControl& c, bool vertical) { return vertical ? c.Left() : c.Top(); }

// A point at coordinate c along the axis, in the middle of the breadth.
QPoint At(int c, bool vertical) { return vertical ? QPoint(c, 100) : QPoint(100, c); }

// The owner's answers as a log, in the order the split view asks.
struct OwnerLog {
  std::vector<std::string> asked;
  void Wire(TestSplitview& s, std::function<bool(fw::RectControl&, int32_t&)> min,
            std::function<bool(fw::RectControl&)> canCollapse,
            std::function<bool(fw::RectControl&, int32_t&)> max = nullptr) {
    s.MinSizeOfSubview = [this, min](fw::RectControl& v, int32_t& size) {
      asked.push_back("Min " + v.Name());
      return min(v, size);
    };
    s.CanCollapseSubview = [this, canCollapse](fw::RectControl& v) {
      asked.push_back("CanCollapse " + v.Name());
      return canCollapse(v);
    };
    s.MaxSizeOfSubview = [this, max](fw::RectControl& v, int32_t& size) {
      asked.push_back("Max " + v.Name());
      return max ? max(v, size) : false;
    };
  }
};

// The main window's answers: both panes at least 130, only the first collapses.
void ApplicationAnswers(OwnerLog& log, TestSplitview& s) {
  log.Wire(
      s,
      [](fw::RectControl&, int32_t& size) {
        size = 130;
        return true;
      },
      [](fw::RectControl& v) { return v.Name() == "Pane0"; });
}

class Orientation : public SplitviewTest, public ::testing::WithParamInterface<bool> {};

TEST_P(Orientation, TheHitTestIsInclusiveAtBothEnds) {
  const bool vertical = GetParam();
  SplitWindow& w = Open([&](SplitWindow& win) { TwoPanes(win, vertical); });
  struct {
    int coordinate, divider;
  } cases[] = {{199, -1}, {200, 1}, {212, 1}, {224, 1}, {225, -1}, {0, -1}, {523, -1}};
  for (auto c : cases) {
    QPoint p = At(c.coordinate, vertical);
    EXPECT_EQ(w.Split().MouseInDivider(p.x(), p.y()), c.divider) << "at " << c.coordinate;
  }
}

// 224, the first pixel of the second pane, is the pane's own for the pointer.
TEST_P(Orientation, TheSplitterCursorShowsOnlyOverTheDivider) {
  const bool vertical = GetParam();
  SplitWindow& w = Open([&](SplitWindow& win) { TwoPanes(win, vertical); });
  TestSplitview& s = w.Split();
  const fw::Cursor* splitter = vertical ? &fw::Cursors::SplitterEastWest : &fw::Cursors::SplitterNorthSouth;
  struct {
    int coordinate;
    bool onDivider;
  } path[] = {{200, true}, {225, false}, {212, true}, {199, false}, {223, true}};
  for (auto c : path) {
    QPoint p = At(c.coordinate, vertical);
    Hover(s, p.x(), p.y());
    EXPECT_EQ(s.MouseCursor(), c.onDivider ? splitter : nullptr) << "at " << c.coordinate;
  }
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(s.Widget(), &leave);
  EXPECT_EQ(s.MouseCursor(), nullptr) << "leaving the split view restores the default cursor";
}

TEST_P(Orientation, DraggingMovesTheDividerByThePointerKeepingThePressOffset) {
  const bool vertical = GetParam();
  SplitWindow& w = Open([&](SplitWindow& win) { TwoPanes(win, vertical); });
  TestSplitview& s = w.Split();
  QPoint press = At(210, vertical), to = At(310, vertical);
  Press(s, press.x(), press.y());
  EXPECT_EQ(vertical ? s.OffsetX : s.OffsetY, 10);
  Drag(s, to.x(), to.y());
  EXPECT_EQ(SizeOf(w.Pane(0), vertical), 300);
  EXPECT_EQ(SizeOf(w.Pane(1), vertical), 200);
  EXPECT_EQ(PositionOf(w.Pane(1), vertical), PositionOf(w.Pane(0), vertical) + 324);
  EXPECT_EQ(BoundsOf(w.Pane(0)), vertical ? (PaneBounds{20, 60, 300, 331}) : (PaneBounds{20, 60, 331, 300}))
      << "the other axis is left alone";
  Release(s, to.x(), to.y());
}

TEST_P(Orientation, WithoutLimitsTheDividerStopsAtTheEdges) {
  const bool vertical = GetParam();
  SplitWindow& w = Open([&](SplitWindow& win) { TwoPanes(win, vertical); });
  TestSplitview& s = w.Split();
  fw::RectControl& a = w.Pane(0);
  fw::RectControl& b = w.Pane(1);
  Press(s, At(210, vertical).x(), At(210, vertical).y());

  Drag(s, At(-50, vertical).x(), At(-50, vertical).y());
  EXPECT_EQ(SizeOf(a, vertical), 0);
  EXPECT_FALSE(a.Visible());
  EXPECT_FALSE(s.IsSubviewCollapsed(a)) << "hidden at the edge, not collapsed";
  EXPECT_EQ(SizeOf(b, vertical), 500);
  EXPECT_EQ(PositionOf(b, vertical), PositionOf(a, vertical) + 24);

  Drag(s, At(700, vertical).x(), At(700, vertical).y());
  EXPECT_EQ(SizeOf(a, vertical), 500);
  EXPECT_EQ(SizeOf(b, vertical), 0);
  EXPECT_TRUE(a.Visible());
  EXPECT_FALSE(b.Visible());

  Drag(s, At(260, vertical).x(), At(260, vertical).y());
  EXPECT_EQ(SizeOf(a, vertical), 250);
  EXPECT_EQ(SizeOf(b, vertical), 250);
  EXPECT_TRUE(a.Visible());
  EXPECT_TRUE(b.Visible());
  Release(s, At(260, vertical).x(), At(260, vertical).y());
}

INSTANTIATE_TEST_SUITE_P(Split, Orientation, ::testing::Bool(),
                         [](const auto& info) { return std::string(info.param ? "SideBySide" : "Stacked"); });

class Mouse : public SplitviewTest {
 protected:
  SplitWindow& OpenTwoPanes(const std::function<void(TestSplitview&)>& wire = nullptr) {
    return Open([&](SplitWindow& win) {
      TwoPanes(win, true);
      win.wire = wire;
    });
  }
};

TEST_F(Mouse, APressOffTheDividersTakesNoDrag) {
  OwnerLog log;
  SplitWindow& w = OpenTwoPanes([&](TestSplitview& s) { ApplicationAnswers(log, s); });
  TestSplitview& s = w.Split();
  DragDivider(s, {150, 100}, {300, 100});
  EXPECT_EQ(s.mCurrentDivider, -1);
  EXPECT_EQ(w.Pane(0).Width(), 200);
  EXPECT_TRUE(log.asked.empty());
}

TEST_F(Mouse, WithOneSubviewThereIsNoDivider) {
  OwnerLog log;
  SplitWindow& w = Open([&](SplitWindow& win) {
    win.split = {20, 60, 524, 331};
    win.panes = {{20, 60, 524, 331}};
    win.wire = [&](TestSplitview& s) { ApplicationAnswers(log, s); };
  });
  TestSplitview& s = w.Split();
  for (int x : {0, 200, 523}) {
    Hover(s, x, 100);
    EXPECT_EQ(s.MouseCursor(), nullptr);
    DragDivider(s, {x, 100}, {x + 40, 100});
  }
  EXPECT_EQ(BoundsOf(w.Pane(0)), (PaneBounds{20, 60, 524, 331}));
  EXPECT_TRUE(log.asked.empty());
}

struct LimitCase {
  const char* name;
  int dividerAt;  // the local position the drag asks for
  int first, second;
  bool firstVisible, firstRecorded;
  std::vector<std::string> asked;
};
void PrintTo(const LimitCase& c, std::ostream* os) { *os << c.name; }

class ApplicationLimits : public Mouse, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(ApplicationLimits, TheOwnerIsAskedInOrderAndItsLimitsHold) {
  const LimitCase& c = GetParam();
  OwnerLog log;
  SplitWindow& w = OpenTwoPanes([&](TestSplitview& s) { ApplicationAnswers(log, s); });
  TestSplitview& s = w.Split();
  Press(s, 210, 100);
  Drag(s, c.dividerAt + 10, 100);
  EXPECT_EQ(w.Pane(0).Width(), c.first);
  EXPECT_EQ(w.Pane(1).Width(), c.second);
  EXPECT_EQ(w.Pane(1).Left(), w.Pane(0).Left() + c.first + 24);
  EXPECT_EQ(w.Pane(0).Visible(), c.firstVisible);
  EXPECT_TRUE(w.Pane(1).Visible());
  EXPECT_EQ(s.IsSubviewCollapsed(w.Pane(0)), c.firstRecorded);
  if (c.firstRecorded) {
    EXPECT_EQ(s.CollapseRecord(w.Pane(0)), "200 331") << "the size before the drag";
  }
  EXPECT_EQ(log.asked, c.asked);
  Release(s, c.dividerAt + 10, 100);
}

INSTANTIATE_TEST_SUITE_P(
    Split, ApplicationLimits,
    ::testing::Values(
        LimitCase{"Free", 300, 300, 200, true, false, {"Min Pane0", "Max Pane0", "Min Pane1", "Max Pane1"}},
        LimitCase{"AtTheMinimum", 130, 130, 370, true, false, {"Min Pane0", "Max Pane0", "Min Pane1", "Max Pane1"}},
        LimitCase{"PastTheListsMinimumItCollapses",
                  129,
                  0,
                  500,
                  false,
                  true,
                  {"Min Pane0", "CanCollapse Pane0", "Max Pane0", "Min Pane1", "Max Pane1"}},
        LimitCase{"TheGroupBoxStopsAtItsMinimum",
                  371,
                  370,
                  130,
                  true,
                  false,
                  {"Min Pane0", "Max Pane0", "Min Pane1", "CanCollapse Pane1", "Max Pane1"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Mouse, OneMinimumAndMaximumServeBothNeighbours) {
  OwnerLog log;
  SplitWindow& w = OpenTwoPanes([&](TestSplitview& s) {
    // The first pane's answers write the limits; the second's only say "yes".
    log.Wire(
        s,
        [](fw::RectControl& v, int32_t& size) {
          if (v.Name() == "Pane0") size = 50;
          return true;
        },
        [](fw::RectControl&) { return false; },
        [](fw::RectControl& v, int32_t& size) {
          if (v.Name() == "Pane0") size = 400;
          return v.Name() == "Pane1";
        });
  });
  TestSplitview& s = w.Split();
  Press(s, 210, 100);
  Drag(s, 470, 100);  // the second pane would be 40: its minimum is the first's 50
  EXPECT_EQ(w.Pane(1).Width(), 50);
  EXPECT_EQ(w.Pane(0).Width(), 450);
  Drag(s, 30, 100);  // the first stops at 50, the second at the first's maximum of 400
  EXPECT_EQ(w.Pane(1).Width(), 400);
  EXPECT_EQ(w.Pane(0).Width(), 100);
  Release(s, 30, 100);
}

TEST_F(Mouse, ADragAtThePointLastActedOnDoesNothing) {
  OwnerLog log;
  SplitWindow& w = OpenTwoPanes([&](TestSplitview& s) { ApplicationAnswers(log, s); });
  TestSplitview& s = w.Split();
  Press(s, 210, 100);
  Drag(s, 250, 100);
  ASSERT_EQ(log.asked.size(), 4u);
  w.Pane(0).Width(222);  // a change that a repeated step would undo
  Drag(s, 250, 100);
  EXPECT_EQ(log.asked.size(), 4u);
  EXPECT_EQ(w.Pane(0).Width(), 222);
  Release(s, 250, 100);

  // The last point carries over to the next press.
  w.Pane(0).Width(240);
  Press(s, 250, 100);
  Drag(s, 250, 100);
  EXPECT_EQ(log.asked.size(), 4u);
  Drag(s, 251, 100);
  EXPECT_EQ(log.asked.size(), 8u);
  Release(s, 251, 100);
}

TEST_F(Mouse, ThreeSubviewsSharingAPointTheFirstDividerWins) {
  SplitWindow& w = Open([](SplitWindow& win) {
    win.split = {20, 60, 524, 331};
    win.panes = {{20, 60, 200, 331}, {244, 60, 0, 331}, {268, 60, 276, 331}};
  });
  TestSplitview& s = w.Split();
  ASSERT_EQ(w.Pane(1).Width(), 0);
  Press(s, 224, 100);
  EXPECT_EQ(s.mCurrentDivider, 1);
  Release(s, 224, 100);
  Press(s, 225, 100);
  EXPECT_EQ(s.mCurrentDivider, 2);
  Release(s, 225, 100);
}

struct MiddleCase {
  const char* name;
  int pressAt, dragTo;
  std::vector<int> widths;
};
void PrintTo(const MiddleCase& c, std::ostream* os) { *os << c.name; }

class MiddleDivider : public Mouse, public ::testing::WithParamInterface<MiddleCase> {};

// With three panes each divider keeps both of its neighbours at 0 or more and
// leaves the third pane alone.
TEST_P(MiddleDivider, KeepsBothNeighboursAtZeroOrMore) {
  const MiddleCase& c = GetParam();
  SplitWindow& w = Open([](SplitWindow& win) {
    win.split = {20, 60, 524, 331};
    win.panes = {{20, 60, 150, 331}, {194, 60, 150, 331}, {368, 60, 176, 331}};
  });
  TestSplitview& s = w.Split();
  DragDivider(s, {c.pressAt, 100}, {c.dragTo, 100});
  std::vector<int> widths{w.Pane(0).Width(), w.Pane(1).Width(), w.Pane(2).Width()};
  EXPECT_EQ(widths, c.widths);
  EXPECT_EQ(w.Pane(2).Left() + w.Pane(2).Width(), 20 + 524) << "the panes still fill the split view";
}

INSTANTIATE_TEST_SUITE_P(Split, MiddleDivider,
                         ::testing::Values(MiddleCase{"FirstPastTheRight", 160, 900, {300, 0, 176}},
                                           MiddleCase{"SecondPastTheLeft", 334, -400, {150, 0, 326}},
                                           MiddleCase{"SecondPastTheRight", 334, 900, {150, 326, 0}}),
                         [](const auto& info) { return std::string(info.param.name); });

// Releases on the divider at these ticks after the first; the interval is 30.
struct ClickCase {
  const char* name;
  std::vector<int> releases;
  std::vector<int> firstWidthAfter;
};
void PrintTo(const ClickCase& c, std::ostream* os) { *os << c.name; }

class DoubleClick : public Mouse, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(DoubleClick, TimedFromTheReleaseThatOpensTheInterval) {
  const ClickCase& c = GetParam();
  SplitWindow& w = OpenTwoPanes([](TestSplitview& s) {
    s.CanCollapseSubview = [](fw::RectControl& v) { return v.Name() == "Pane0"; };
  });
  TestSplitview& s = w.Split();
  std::vector<int> widths;
  for (int at : c.releases) {
    fw::testing::SetTicks(200000 + at);
    // The divider is wherever the last click left it.
    Click(s, w.Pane(0).Width() + 5, 100);
    widths.push_back(w.Pane(0).Width());
  }
  EXPECT_EQ(widths, c.firstWidthAfter);
}

INSTANTIATE_TEST_SUITE_P(Split, DoubleClick,
                         ::testing::Values(ClickCase{"AtTheInterval", {0, 30}, {200, 0}},
                                           ClickCase{"OneTickPast", {0, 31}, {200, 200}},
                                           ClickCase{"ThirdWithinTheFirstsInterval", {0, 10, 30}, {200, 0, 250}},
                                           ClickCase{"PastTheIntervalOpensANewOne", {0, 31, 40}, {200, 200, 0}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct WhoCollapses {
  const char* name;
  bool first, second;
  int firstWidth, secondWidth;
};
void PrintTo(const WhoCollapses& c, std::ostream* os) { *os << c.name; }

class DoubleClickTarget : public Mouse, public ::testing::WithParamInterface<WhoCollapses> {};

TEST_P(DoubleClickTarget, TheFirstNeighbourThatMayCollapse) {
  const WhoCollapses& c = GetParam();
  SplitWindow& w = OpenTwoPanes([&](TestSplitview& s) {
    s.CanCollapseSubview = [&](fw::RectControl& v) { return v.Name() == "Pane0" ? c.first : c.second; };
  });
  TestSplitview& s = w.Split();
  Click(s, 210, 100);
  fw::testing::AdvanceTicks(5);
  Click(s, 210, 100);
  EXPECT_EQ(w.Pane(0).Width(), c.firstWidth);
  EXPECT_EQ(w.Pane(1).Width(), c.secondWidth);
}

INSTANTIATE_TEST_SUITE_P(Split, DoubleClickTarget,
                         ::testing::Values(WhoCollapses{"First", true, true, 0, 500},
                                           WhoCollapses{"OnlySecond", false, true, 500, 0},
                                           WhoCollapses{"Neither", false, false, 200, 300}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Mouse, AListCollapsedByDraggingExpandsOnTheNextDoubleClick) {
  OwnerLog log;
  SplitWindow& w = OpenTwoPanes([&](TestSplitview& s) { ApplicationAnswers(log, s); });
  TestSplitview& s = w.Split();
  Press(s, 210, 100);
  Drag(s, 100, 100);
  ASSERT_TRUE(s.IsSubviewCollapsed(w.Pane(0)));
  Drag(s, 310, 100);
  EXPECT_EQ(w.Pane(0).Width(), 300);
  EXPECT_TRUE(w.Pane(0).Visible());
  EXPECT_TRUE(s.IsSubviewCollapsed(w.Pane(0))) << "dragged out, still recorded";
  Release(s, 310, 100);

  fw::testing::AdvanceTicks(100);
  Click(s, 310, 100);
  fw::testing::AdvanceTicks(10);
  Click(s, 310, 100);
  EXPECT_FALSE(s.IsSubviewCollapsed(w.Pane(0)));
  EXPECT_EQ(w.Pane(0).Width(), 250) << "half the pair, not a collapse";
  EXPECT_EQ(w.Pane(1).Width(), 250);
}

TEST_F(Mouse, TheApplicationsDoubleClickCollapsesAndExpandsTheList) {
  OwnerLog log;
  SplitWindow& w = Open([&](SplitWindow& win) {
    win.wire = [&](TestSplitview& s) { ApplicationAnswers(log, s); };
  });
  TestSplitview& s = w.Split();
  Click(s, 200, 100);
  fw::testing::AdvanceTicks(10);
  Click(s, 200, 100);
  EXPECT_FALSE(w.Pane(0).Visible());
  EXPECT_EQ(BoundsOf(w.Pane(1)), (PaneBounds{44, 60, 556, 331})) << "the whole split view but the divider";

  fw::testing::AdvanceTicks(100);
  Click(s, 10, 100);
  fw::testing::AdvanceTicks(10);
  Click(s, 10, 100);
  EXPECT_TRUE(w.Pane(0).Visible());
  EXPECT_EQ(BoundsOf(w.Pane(0)), (PaneBounds{20, 60, 278, 331}));
  EXPECT_EQ(BoundsOf(w.Pane(1)), (PaneBounds{322, 60, 278, 331}));
}

}  // namespace
