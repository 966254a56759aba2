#include "controls/splitview.h"
#include "controls/ticks.h"
#include "framework/fw_clock.h"
#include "framework/fw_cursor.h"
#include "framework/fw_yield.h"

int32_t Splitview::MouseInDivider(int32_t x, int32_t y) {
  const int32_t c = mVertical ? x : y;
  const int32_t n = LastIndex();
  int32_t pos = 0;
  for (int32_t i = 1; i <= n; ++i) {
    pos = pos + SizeOf(*mSubviews[static_cast<size_t>(i - 1)]);
    // Inclusive at both ends: the first pixel of the next subview still grabs.
    if (pos <= c && c <= pos + GetDividerThickness()) return i;
    pos = pos + GetDividerThickness();
    fw::CooperativeYield();
  }
  return -1;
}

bool Splitview::Event_MouseDown(int x, int y) {
  mCurrentDivider = MouseInDivider(x, y);
  if (mCurrentDivider == -1) return false;
  const fw::RectControl& first = *mSubviews[static_cast<size_t>(mCurrentDivider - 1)];
  const int32_t edge = PositionOf(first) + SizeOf(first) - OwnPosition();
  if (mVertical) OffsetX = x - edge;
  else OffsetY = y - edge;
  return true;
}

bool Splitview::HoldsDivider(int32_t divider) const { return divider >= 1 && divider <= LastIndex(); }

void Splitview::Event_MouseDrag(int x, int y) {
  // Repeats of the point last acted on cost nothing: no owner query, no layout.
  if (x == mLastX && y == mLastY) return;
  mLastX = x;
  mLastY = y;
  const int32_t d = mCurrentDivider;
  // An owner's handler may have taken subviews away since the press.
  if (!HoldsDivider(d)) return;
  int32_t p = mVertical ? x - OffsetX : y - OffsetY;
  const int32_t lo = LowerBound(d);
  const int32_t hi = UpperBound(d);
  if (p < lo) p = lo;
  if (hi < p) p = hi;
  if (mVertical) AdjustSubviewsAroundDivider(p, y);
  else AdjustSubviewsAroundDivider(x, p);
  Refresh(true);
}

int32_t Splitview::LowerBound(int32_t divider) {
  if (divider == 1) return 0;
  // The first neighbour's leading edge: it may shrink to nothing, no further.
  return PositionOf(*mSubviews[static_cast<size_t>(divider - 1)]) - OwnPosition();
}

int32_t Splitview::UpperBound(int32_t divider) {
  if (divider == LastIndex()) return OwnSize() - GetDividerThickness();
  // Where the second neighbour would be left with nothing.
  const fw::RectControl& first = *mSubviews[static_cast<size_t>(divider - 1)];
  const fw::RectControl& second = *mSubviews[static_cast<size_t>(divider)];
  return PositionOf(first) - OwnPosition() + SizeOf(first) + SizeOf(second);
}

bool Splitview::AskMinSize(fw::RectControl& subview, int32_t& size) {
  return MinSizeOfSubview ? MinSizeOfSubview(subview, size) : false;
}

bool Splitview::AskMaxSize(fw::RectControl& subview, int32_t& size) {
  return MaxSizeOfSubview ? MaxSizeOfSubview(subview, size) : false;
}

bool Splitview::AskCanCollapse(fw::RectControl& subview) {
  return CanCollapseSubview ? CanCollapseSubview(subview) : false;
}

// The owner's limits for one neighbour of the dragged divider; the other
// neighbour takes what is left of the pair.
void Splitview::ApplyOwnerLimits(fw::RectControl& view, int32_t& own, int32_t& other, int32_t total,
                                 int32_t& min, int32_t& max) {
  if (AskMinSize(view, min) && own < min) {
    if (AskCanCollapse(view)) {
      RecordCollapse(view);
      own = 0;
      other = total - GetDividerThickness();
    } else {
      own = min;
      other = total - min - GetDividerThickness();
    }
  }
  if (AskMaxSize(view, max) && max < own) {
    own = max;
    other = total - max - GetDividerThickness();
  }
}

void Splitview::AdjustSubviewsAroundDivider(int32_t x, int32_t y) {
  const int32_t d = mCurrentDivider;
  fw::RectControl& a = *mSubviews[static_cast<size_t>(d - 1)];
  fw::RectControl& b = *mSubviews[static_cast<size_t>(d)];
  const int32_t c = mVertical ? x : y;
  const int32_t total = SizeOf(a) + SizeOf(b) + GetDividerThickness();
  int32_t newA = c + OwnPosition() - PositionOf(a);
  int32_t newB = total - newA - GetDividerThickness();

  // One minimum and one maximum serve both neighbours: a handler that answers
  // True without writing leaves the previous answer standing.
  int32_t min = 0;
  int32_t max = 0;
  ApplyOwnerLimits(a, newA, newB, total, min, max);
  ApplyOwnerLimits(b, newB, newA, total, min, max);

  a.Visible(newA > 0);
  b.Visible(newB > 0);
  SetSize(a, newA);
  SetPosition(b, PositionOf(a) + newA + GetDividerThickness());
  SetSize(b, newB);
}

void Splitview::Event_MouseMove(int x, int y) {
  if (MouseInDivider(x, y) != -1)
    MouseCursor(mVertical ? &fw::Cursors::SplitterEastWest : &fw::Cursors::SplitterNorthSouth);
  else
    MouseCursor(nullptr);
}

void Splitview::Event_MouseExit() { MouseCursor(nullptr); }

void Splitview::Event_MouseUp(int, int) {
  if (!IsDoubleClick()) return;
  if (!HoldsDivider(mCurrentDivider)) return;
  fw::RectControl* v = mSubviews[static_cast<size_t>(mCurrentDivider - 1)];
  if (!AskCanCollapse(*v)) {
    v = mSubviews[static_cast<size_t>(mCurrentDivider)];
    if (!AskCanCollapse(*v)) return;
  }
  if (IsSubviewCollapsed(*v)) ExpandView(*v);
  else CollapseView(*v);
}

bool Splitview::IsDoubleClick() {
  const int32_t interval = fw::DoubleClickTicks();
  if (TicksBetween(mClickTime, fw::Ticks()) <= interval) return true;
  mClickTime = fw::Ticks();
  return false;
}
