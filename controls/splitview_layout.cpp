#include <vector>

#include "controls/splitview.h"
#include "framework/fw_numbers.h"
#include "framework/fw_yield.h"

void Splitview::AdjustSubviews() {
  const int32_t u = LastIndex();
  std::vector<int32_t> sizes(mSubviews.size());
  const int32_t avail = OwnSize() - u * GetDividerThickness();

  int32_t total = 0;
  for (int32_t i = 0; i <= u; ++i) {
    sizes[static_cast<size_t>(i)] = SizeOf(*mSubviews[static_cast<size_t>(i)]);
    total = total + sizes[static_cast<size_t>(i)];
    fw::CooperativeYield();
  }

  // Growth lands in the last open subview; shrinkage is taken from the back,
  // each subview giving up what it has before the one in front gives more.
  int32_t diff = total - avail;
  if (total != avail) {
    for (int32_t i = u; i >= 0; --i) {
      fw::CooperativeYield();
      if (IsSubviewCollapsed(*mSubviews[static_cast<size_t>(i)])) continue;
      int32_t& size = sizes[static_cast<size_t>(i)];
      total = total - fw::ToInt32(fw::Min(static_cast<double>(size), static_cast<double>(diff)));
      size = size - diff;
      diff = -size;
      if (size < 0) size = 0;
      if (total <= avail) break;
    }
  }

  int32_t pos = 0;
  for (int32_t i = 0; i <= u; ++i) {
    fw::RectControl& subview = *mSubviews[static_cast<size_t>(i)];
    const int32_t size = sizes[static_cast<size_t>(i)];
    if (mVertical) {
      subview.Top(Top());
      subview.Left(Left() + pos);
      subview.Width(size);
      subview.Height(Height());
    } else {
      subview.Top(Top() + pos);
      subview.Left(Left());
      subview.Height(size);
      subview.Width(Width());
    }
    pos = pos + size + GetDividerThickness();
    fw::CooperativeYield();
  }
}

int32_t Splitview::SizeOf(const fw::RectControl& control) const {
  return mVertical ? control.Width() : control.Height();
}

int32_t Splitview::PositionOf(const fw::RectControl& control) const {
  return mVertical ? control.Left() : control.Top();
}

void Splitview::SetSize(fw::RectControl& control, int32_t size) const {
  if (mVertical) control.Width(size);
  else control.Height(size);
}

void Splitview::SetPosition(fw::RectControl& control, int32_t position) const {
  if (mVertical) control.Left(position);
  else control.Top(position);
}

int32_t Splitview::OwnSize() const { return SizeOf(*this); }
int32_t Splitview::OwnPosition() const { return PositionOf(*this); }
