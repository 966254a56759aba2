#include "controls/splitview.h"
#include "framework/fw_dictionary.h"
#include "framework/fw_numbers.h"

// Both methods share a subview's space with one neighbour: the next subview,
// or the one before for the last. A control that is not a subview, or a split
// view with a single subview, has none, and nothing happens.

void Splitview::CollapseView(fw::RectControl& subview) {
  const int32_t i = IndexOf(subview);
  const int32_t n = LastIndex();
  if (i == -1 || n < 1) return;
  const bool isLast = i == n;
  fw::RectControl& neighbour = *mSubviews[static_cast<size_t>(isLast ? i - 1 : i + 1)];

  RecordCollapse(subview);
  subview.Visible(false);
  const int32_t s = SizeOf(subview) + SizeOf(neighbour);
  SetSize(subview, 0);
  SetSize(neighbour, s);
  if (!isLast) SetPosition(neighbour, PositionOf(subview) + GetDividerThickness());
}

void Splitview::ExpandView(fw::RectControl& subview) {
  const int32_t i = IndexOf(subview);
  const int32_t n = LastIndex();
  if (i == -1 || n < 1) return;
  const bool isLast = i == n;
  fw::RectControl& neighbour = *mSubviews[static_cast<size_t>(isLast ? i - 1 : i + 1)];

  if (mCollapsed && mCollapsed->HasKey(&subview)) mCollapsed->Remove(&subview);
  subview.Visible(true);
  const int32_t sum = SizeOf(subview) + SizeOf(neighbour);
  int32_t s = ExpandingView ? ExpandingView(subview) : 0;
  if (s == 0) s = fw::ToInt32(sum / 2.0);
  SetSize(subview, s);
  SetSize(neighbour, sum - s);
  if (!isLast) SetPosition(neighbour, PositionOf(subview) + s + GetDividerThickness());
  else SetPosition(subview, PositionOf(neighbour) + SizeOf(neighbour) + GetDividerThickness());
}
