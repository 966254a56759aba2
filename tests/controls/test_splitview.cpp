// The split view's model, opening, painting and layout.
#include <QImage>
#include <QPixmap>
#include <algorithm>
#include <numeric>

#include "test_splitview_window.h"

namespace {

using Split = SplitviewTest;

TEST_F(Split, OpenAdoptsTheDirectChildrenInControlOrderThenRaisesOpen) {
  std::vector<fw::RectControl*> seenAtOwnerOpen;
  bool verticalAtOwnerOpen = false;
  SplitWindow& w = Open([&](SplitWindow& win) {
    win.panes = {{22, 65, 191, 321}, {241, 65, 345, 321}, {400, 65, 100, 321}};
    win.ownerOpen = [&](TestSplitview& s) {
      seenAtOwnerOpen = s.Subviews();
      verticalAtOwnerOpen = s.Vertical();
    };
  });
  std::vector<fw::RectControl*> panes{&w.Pane(0), &w.Pane(1), &w.Pane(2)};
  EXPECT_EQ(seenAtOwnerOpen, panes);
  EXPECT_TRUE(verticalAtOwnerOpen);
  EXPECT_EQ(w.Split().Subviews(), panes);
  EXPECT_FALSE(w.Split().EraseBackground());
}

TEST_F(Split, SubviewListOperations) {
  SplitWindow& w = Open();
  TestSplitview& s = w.Split();
  fw::RectControl& a = w.Pane(0);
  fw::RectControl& b = w.Pane(1);
  fw::GroupBox& stranger = *w.Inner();

  s.AddSubview(a);
  EXPECT_EQ(s.Subviews(), (std::vector<fw::RectControl*>{&a, &b})) << "a listed control stays where it is";

  s.RemoveSubview(stranger);
  EXPECT_EQ(s.Subviews().size(), 2u) << "removing a control that is not listed changes nothing";

  s.CollapseView(a);
  ASSERT_TRUE(s.IsSubviewCollapsed(a));
  s.RemoveSubview(a);
  EXPECT_EQ(s.Subviews(), (std::vector<fw::RectControl*>{&b}));
  EXPECT_FALSE(s.IsSubviewCollapsed(a)) << "its collapse record goes with it";
  EXPECT_FALSE(a.Visible()) << "no layout follows: it keeps its state";

  s.AddSubview(a);
  EXPECT_EQ(s.Subviews(), (std::vector<fw::RectControl*>{&b, &a}));
  EXPECT_FALSE(s.IsSubviewCollapsed(a));

  // The list is live: appending to it skips AddSubview's check.
  s.Subviews().push_back(&b);
  EXPECT_EQ(s.Subviews(), (std::vector<fw::RectControl*>{&b, &a, &b}));
}

// The calls that would meet a missing collapse dictionary before Open.
TEST_F(Split, CallsBeforeOpenAreSafe) {
  auto* w = new SplitWindow();  // never opened; the framework's reset destroys it
  auto& s = w->AddControl<TestSplitview>("Early");
  s.SetBounds(0, 0, 300, 100);
  auto& a = w->AddControl<fw::GroupBox>("A");
  auto& b = w->AddControl<fw::GroupBox>("B");
  a.SetBounds(0, 0, 100, 100);
  b.SetBounds(0, 0, 100, 100);
  s.AddSubview(a);
  s.AddSubview(b);

  EXPECT_FALSE(s.IsSubviewCollapsed(a));
  s.Vertical(true);  // a layout of 200 into 276: its walk asks about collapses
  EXPECT_EQ(b.Width(), 176);
  s.CollapseView(b);
  EXPECT_TRUE(s.IsSubviewCollapsed(b));
  s.ExpandView(b);
  EXPECT_FALSE(s.IsSubviewCollapsed(b));
  s.RemoveSubview(a);
  EXPECT_EQ(s.Subviews(), (std::vector<fw::RectControl*>{&b}));
}

struct ThicknessCase {
  const char* name;
  bool handled;
  int32_t answer;
  int32_t used;
};
void PrintTo(const ThicknessCase& c, std::ostream* os) { *os << c.name; }

class DividerThickness : public SplitviewTest, public ::testing::WithParamInterface<ThicknessCase> {};

TEST_P(DividerThickness, OwnerAnswerOrDefault) {
  const ThicknessCase& c = GetParam();
  SplitWindow& w = Open([&](SplitWindow& win) {
    if (c.handled) win.wire = [&](TestSplitview& s) { s.DividerThickness = [&] { return c.answer; }; };
  });
  EXPECT_EQ(BoundsOf(w.Pane(0)), (PaneBounds{20, 60, 191, 331}));
  EXPECT_EQ(BoundsOf(w.Pane(1)), (PaneBounds{20 + 191 + c.used, 60, 580 - 191 - c.used, 331}));
}

INSTANTIATE_TEST_SUITE_P(Split, DividerThickness,
                         ::testing::Values(ThicknessCase{"unhandled", false, 0, 24},
                                           ThicknessCase{"zero", true, 0, 24},
                                           ThicknessCase{"five", true, 5, 5},
                                           ThicknessCase{"negative", true, -3, -3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Split, ThicknessIsAskedAtEveryUse) {
  int32_t thickness = 10;
  SplitWindow& w = Open([&](SplitWindow& win) {
    win.wire = [&](TestSplitview& s) { s.DividerThickness = [&] { return thickness; }; };
  });
  EXPECT_EQ(w.Pane(1).Left(), 20 + 191 + 10);
  thickness = 30;
  w.Split().AdjustSubviews();
  EXPECT_EQ(w.Pane(1).Left(), 20 + 191 + 30);
  EXPECT_EQ(w.Pane(1).Width(), 580 - 191 - 30);
}

struct LayoutCase {
  const char* name;
  bool vertical;
  int length;  // of the split view along the layout axis
  std::vector<int> sizes;
  std::vector<size_t> collapsed;
  std::vector<int> expected;
};
void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }

class Layout : public SplitviewTest, public ::testing::WithParamInterface<LayoutCase> {};

// Sizes follow the case; every pane is then placed after the previous one and
// its divider, across the split view's whole breadth.
TEST_P(Layout, FitsTheSubviewsToTheLength) {
  const LayoutCase& c = GetParam();
  SplitWindow& w = Open([&](SplitWindow& win) {
    win.panes.assign(c.sizes.size(), PaneBounds{30, 70, 50, 50});
    win.ownerOpen = [&](TestSplitview& s) { s.Vertical(c.vertical); };
  });
  TestSplitview& s = w.Split();
  const int breadth = 331;
  if (c.vertical) s.SetBounds(20, 60, c.length, breadth);
  else s.SetBounds(20, 60, breadth, c.length);
  for (size_t i : c.collapsed) s.CollapseView(w.Pane(i));
  for (size_t i = 0; i < c.sizes.size(); ++i) {
    fw::RectControl& pane = w.Pane(i);
    if (c.vertical) pane.SetBounds(30, 70, c.sizes[i], 50);
    else pane.SetBounds(30, 70, 50, c.sizes[i]);
  }

  s.AdjustSubviews();

  int pos = 0;
  for (size_t i = 0; i < c.expected.size(); ++i) {
    PaneBounds want = c.vertical ? PaneBounds{20 + pos, 60, c.expected[i], breadth}
                                 : PaneBounds{20, 60 + pos, breadth, c.expected[i]};
    EXPECT_EQ(BoundsOf(w.Pane(i)), want) << "pane " << i;
    pos += c.expected[i] + 24;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Split, Layout,
    ::testing::Values(
        LayoutCase{"GrowthGoesToTheLast", true, 580, {191, 345}, {}, {191, 365}},
        LayoutCase{"ShrinkTakesFromTheLast", true, 500, {191, 365}, {}, {191, 285}},
        LayoutCase{"ShrinkBeyondTheLastReachesTheOneBefore", true, 174, {191, 100}, {}, {150, 0}},
        LayoutCase{"ShrinkWalksToTheFront", true, 150, {100, 30, 40}, {}, {100, 2, 0}},
        LayoutCase{"DividersLongerThanTheControl", true, 30, {100, 30, 40}, {}, {0, 0, 0}},
        LayoutCase{"GrowthSkipsACollapsedLast", true, 580, {191, 0}, {1}, {556, 0}},
        LayoutCase{"ShrinkSkipsACollapsedMiddle", true, 100, {100, 0, 100}, {1}, {52, 0, 0}},
        LayoutCase{"AllCollapsedKeepTheirSizes", true, 580, {100, 50}, {0, 1}, {100, 50}},
        LayoutCase{"SizesThatFitStay", true, 580, {191, 365}, {}, {191, 365}},
        LayoutCase{"OneSubviewFills", true, 580, {100}, {}, {580}},
        LayoutCase{"NoSubviews", true, 580, {}, {}, {}},
        LayoutCase{"StackedGrowth", false, 331, {100, 100}, {}, {100, 207}},
        LayoutCase{"StackedShrink", false, 200, {100, 100}, {}, {100, 76}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Split, TheApplicationsLayout) {
  SplitWindow& w = Open();
  EXPECT_EQ(BoundsOf(w.Pane(0)), (PaneBounds{20, 60, 191, 331}));
  EXPECT_EQ(BoundsOf(w.Pane(1)), (PaneBounds{235, 60, 365, 331}));
  EXPECT_EQ(BoundsOf(*w.Inner()), (PaneBounds{20 + 5, 60 + 20, 50, 50})) << "the pane's children follow it";
}

TEST_F(Split, AssigningVerticalLaysOutAtOnce) {
  SplitWindow& w = Open();
  w.Split().Vertical(false);
  EXPECT_EQ(BoundsOf(w.Pane(0)), (PaneBounds{20, 60, 580, 307}));
  EXPECT_EQ(BoundsOf(w.Pane(1)), (PaneBounds{20, 391, 580, 0}));
}

TEST_F(Split, WithoutAnOwnerLayoutTheFirstPaintLaysOut) {
  auto* w = new SplitWindow();
  w->ownerOpen = nullptr;
  w->OpenWindow();
  EXPECT_EQ(BoundsOf(w->Pane(0)), (PaneBounds{22, 65, 191, 321})) << "Open itself lays out no pane";
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w->TopLevelWidget()));
  QCoreApplication::processEvents();
  EXPECT_EQ(BoundsOf(w->Pane(0)), (PaneBounds{20, 60, 191, 331}));
  EXPECT_EQ(BoundsOf(w->Pane(1)), (PaneBounds{235, 60, 365, 331}));
}

TEST_F(Split, PaintLaysOutOnlyWhenTheSizeChanged) {
  SplitWindow& w = Open();
  TestSplitview& s = w.Split();
  w.Pane(0).Width(100);
  s.Widget()->repaint();
  EXPECT_EQ(w.Pane(0).Width(), 100);
  EXPECT_EQ(w.Pane(1).Width(), 365);

  s.Width(560);
  s.Widget()->repaint();
  EXPECT_EQ(w.Pane(0).Width(), 100);
  EXPECT_EQ(w.Pane(1).Width(), 560 - 24 - 100);
  EXPECT_EQ(w.Pane(1).Left(), 20 + 100 + 24);
}

TEST_F(Split, WindowGrowthGoesToTheLastPane) {
  SplitWindow& w = Open();
  w.Width(w.Width() + 50);
  w.Height(w.Height() + 10);
  w.Split().Widget()->repaint();
  EXPECT_EQ(BoundsOf(w.Pane(0)), (PaneBounds{20, 60, 191, 341}));
  EXPECT_EQ(BoundsOf(w.Pane(1)), (PaneBounds{235, 60, 415, 341}));
}

// The window's content as the user sees it.
QImage Screen(SplitWindow& w) { return w.ContentWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

// The box of the pixels inside area that differ from the window's background.
QRect DrawnIn(const QImage& screen, QRect area, QRgb background) {
  QRect box;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (screen.pixel(x, y) != background) box |= QRect(x, y, 1, 1);
  return box;
}

// The opaque part of the grip art: the black pixels of its right (mask) square.
QRect GripArtMaskBox() {
  QImage art(QString(KAVRO_FIXTURES_DIR) + "/splitview/PicSeparatorDot.gif");
  const int s = art.height();
  QRect box;
  for (int y = 0; y < s; ++y)
    for (int x = 0; x < s; ++x)
      if (qGray(art.pixel(s + x, y)) < 128) box |= QRect(x, y, 1, 1);
  return box;
}

TEST_F(Split, TheGripIsCentredOnTheDividerAndNothingElseIsDrawn) {
  SplitWindow& w = Open([](SplitWindow& win) { win.split = {20, 60, 580, 330}; });
  ASSERT_EQ(w.Pane(0).Width(), 191);
  const QImage screen = Screen(w);
  const QRgb background = screen.pixel(15, 200);
  // Divider 1 is the local rectangle (191, 0, 24, 330); the grip goes to (198, 160).
  const QRect divider(20 + 191, 60, 24, 330);
  const QRect expected = GripArtMaskBox().translated(20 + 198, 60 + 160);
  EXPECT_EQ(DrawnIn(screen, divider, background), expected);
  EXPECT_EQ(QColor(screen.pixel(expected.center())).name(), QString("#606060")) << "the grip's own colour";
}

TEST_F(Split, DividersFollowThePaneSizesWhenStacked) {
  SplitWindow& w = Open([](SplitWindow& win) {
    win.split = {20, 60, 330, 500};
    win.panes = {{20, 60, 330, 191}, {20, 275, 330, 285}};
    win.ownerOpen = [](TestSplitview& s) { s.Vertical(false); };
  });
  ASSERT_EQ(w.Pane(0).Height(), 191);
  const QImage screen = Screen(w);
  const QRect divider(20, 60 + 191, 330, 24);
  EXPECT_EQ(DrawnIn(screen, divider, screen.pixel(15, 200)), GripArtMaskBox().translated(20 + 160, 60 + 198));
}

class MissingGripArt : public SplitviewTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(MissingGripArt, NoGripIsDrawnAndTheDividerStillWorks) {
  UseGripArt(GetParam());
  SplitWindow& w = Open();
  EXPECT_FALSE(w.Split().HasDotPicture());
  const QImage screen = Screen(w);
  EXPECT_TRUE(DrawnIn(screen, QRect(20 + 191, 60, 24, 331), screen.pixel(15, 200)).isEmpty());
  DragDivider(w.Split(), {200, 100}, {300, 100});
  EXPECT_EQ(w.Pane(0).Width(), 291);
}

INSTANTIATE_TEST_SUITE_P(Split, MissingGripArt, ::testing::Values("no-such-folder", "splitview-unreadable"),
                         [](const auto& info) {
                           return std::string(info.index == 0 ? "Missing" : "Unreadable");
                         });

}  // namespace
