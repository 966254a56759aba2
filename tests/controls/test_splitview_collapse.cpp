// Collapsing a pane into its neighbour and expanding it again, side by side and
// stacked: panes 300 and 200 long at 20 and 344, divider thickness 24.
#include "framework/fw_numbers.h"
#include "test_splitview_window.h"

namespace {

struct Span {
  int position, size;
  bool operator==(const Span&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Span& s) { return os << "at " << s.position << " size " << s.size; }

class Collapse : public SplitviewTest, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    SplitviewTest::SetUp();
    vertical = GetParam();
    w = &Open([this](SplitWindow& win) {
      if (vertical) {
        win.split = {20, 20, 524, 331};
        win.panes = {{20, 20, 300, 331}, {344, 20, 200, 331}};
      } else {
        win.split = {20, 20, 331, 524};
        win.panes = {{20, 20, 331, 300}, {20, 344, 331, 200}};
      }
      win.ownerOpen = [this](TestSplitview& s) { s.Vertical(vertical); };
    });
    ASSERT_EQ(Place(First()), (Span{20, 300}));
    ASSERT_EQ(Place(Second()), (Span{344, 200}));
  }

  Span Place(const fw::RectControl& c) const {
    return vertical ? Span{c.Left(), c.Width()} : Span{c.Top(), c.Height()};
  }
  void SetPlace(fw::RectControl& c, Span p) const {
    if (vertical) c.SetBounds(p.position, 20, p.size, 331);
    else c.SetBounds(20, p.position, 331, p.size);
  }
  fw::RectControl& First() const { return w->Pane(0); }
  fw::RectControl& Second() const { return w->Pane(1); }
  TestSplitview& Split() const { return w->Split(); }
  std::string Record(int size) const { return vertical ? std::to_string(size) + " 331" : "331 " + std::to_string(size); }

  bool vertical = true;
  SplitWindow* w = nullptr;
};

TEST_P(Collapse, TheFirstGivesItsSpaceToTheNext) {
  Split().CollapseView(First());
  EXPECT_EQ(Split().CollapseRecord(First()), Record(300));
  EXPECT_FALSE(First().Visible());
  EXPECT_EQ(Place(First()), (Span{20, 0}));
  EXPECT_EQ(Place(Second()), (Span{44, 500}));
}

TEST_P(Collapse, TheLastGivesItsSpaceToTheOneBefore) {
  Split().CollapseView(Second());
  EXPECT_EQ(Split().CollapseRecord(Second()), Record(200));
  EXPECT_FALSE(Second().Visible());
  EXPECT_EQ(Place(Second()), (Span{344, 0}));
  EXPECT_EQ(Place(First()), (Span{20, 500}));
  EXPECT_TRUE(First().Visible());
}

TEST_P(Collapse, CollapsingAgainReplacesTheRecordAndKeepsTheSizes) {
  Split().CollapseView(First());
  Split().CollapseView(First());
  EXPECT_EQ(Split().CollapseRecord(First()), Record(0));
  EXPECT_EQ(Place(First()), (Span{20, 0}));
  EXPECT_EQ(Place(Second()), (Span{44, 500}));
}

TEST_P(Collapse, ExpandSharesThePairInHalves) {
  Split().CollapseView(First());
  Split().ExpandView(First());
  EXPECT_FALSE(Split().IsSubviewCollapsed(First()));
  EXPECT_TRUE(First().Visible());
  EXPECT_EQ(Place(First()), (Span{20, 250}));
  EXPECT_EQ(Place(Second()), (Span{294, 250}));
}

TEST_P(Collapse, ExpandGivesTheOwnersSizeSeenAfterTheRecordIsGone) {
  bool visible = false, collapsed = true;
  Span seen{};
  Split().ExpandingView = [&](fw::RectControl& v) {
    visible = v.Visible();
    collapsed = Split().IsSubviewCollapsed(v);
    seen = Place(v);
    return int32_t{100};
  };
  Split().CollapseView(First());
  Split().ExpandView(First());
  EXPECT_TRUE(visible);
  EXPECT_FALSE(collapsed);
  EXPECT_EQ(seen, (Span{20, 0})) << "sizes untouched when the owner is asked";
  EXPECT_EQ(Place(First()), (Span{20, 100}));
  EXPECT_EQ(Place(Second()), (Span{144, 400}));
}

TEST_P(Collapse, ExpandingTheLastPlacesItAfterTheOneBefore) {
  Split().CollapseView(Second());
  Split().ExpandView(Second());
  EXPECT_TRUE(Second().Visible());
  EXPECT_EQ(Place(First()), (Span{20, 250}));
  EXPECT_EQ(Place(Second()), (Span{294, 250}));
}

TEST_P(Collapse, AnOddPairLosesNoPixel) {
  SetPlace(First(), {20, 0});
  SetPlace(Second(), {44, 501});
  Split().ExpandView(First());
  const int32_t half = fw::ToInt32(250.5);
  EXPECT_EQ(Place(First()), (Span{20, half}));
  EXPECT_EQ(Place(Second()), (Span{20 + half + 24, 501 - half}));
}

TEST_P(Collapse, ExpandingAnOpenPaneSharesThePairAnew) {
  Split().ExpandView(First());
  EXPECT_EQ(Place(First()), (Span{20, 250}));
  EXPECT_EQ(Place(Second()), (Span{294, 250}));
}

TEST_P(Collapse, AControlThatIsNoSubviewChangesNothing) {
  Split().CollapseView(*w->Inner());
  Split().ExpandView(*w->Inner());
  EXPECT_FALSE(Split().IsSubviewCollapsed(*w->Inner()));
  EXPECT_TRUE(w->Inner()->Visible());
  EXPECT_EQ(Place(First()), (Span{20, 300}));
  EXPECT_EQ(Place(Second()), (Span{344, 200}));
}

INSTANTIATE_TEST_SUITE_P(Split, Collapse, ::testing::Bool(),
                         [](const auto& info) { return std::string(info.param ? "SideBySide" : "Stacked"); });

TEST_F(SplitviewTest, ASingleSubviewHasNoNeighbourToCollapseInto) {
  SplitWindow& w = Open([](SplitWindow& win) { win.panes = {{22, 65, 191, 321}}; });
  w.Split().CollapseView(w.Pane(0));
  EXPECT_TRUE(w.Pane(0).Visible());
  EXPECT_EQ(BoundsOf(w.Pane(0)), (PaneBounds{20, 60, 580, 331}));
}

}  // namespace
