#include "controls/splitview.h"

#include <algorithm>

#include "controls/picseparatordot.h"
#include "framework/fw_dictionary.h"
#include "framework/fw_graphics.h"
#include "framework/fw_numbers.h"
#include "framework/fw_picture.h"
#include "framework/fw_strings.h"
#include "framework/fw_window.h"
#include "framework/fw_yield.h"

namespace {
constexpr int32_t kDefaultDividerThickness = 24;
}  // namespace

Splitview::Splitview(fw::Window& window, const std::string& name) : fw::Canvas(window, name) {}

Splitview::~Splitview() = default;

std::vector<fw::RectControl*>& Splitview::Subviews() { return mSubviews; }

void Splitview::AddSubview(fw::RectControl& subview) {
  if (IndexOf(subview) == -1) mSubviews.push_back(&subview);
}

void Splitview::RemoveSubview(fw::RectControl& subview) {
  std::vector<fw::RectControl*>& list = Subviews();
  auto found = std::find(list.begin(), list.end(), &subview);
  if (found == list.end()) return;
  list.erase(found);
  if (mCollapsed && mCollapsed->HasKey(&subview)) mCollapsed->Remove(&subview);
}

bool Splitview::Vertical() const { return mVertical; }

void Splitview::Vertical(bool value) {
  mVertical = value;
  AdjustSubviews();
}

int32_t Splitview::GetDividerThickness() {
  mDividerThickness = DividerThickness ? DividerThickness() : 0;
  if (mDividerThickness == 0) mDividerThickness = kDefaultDividerThickness;
  return mDividerThickness;
}

bool Splitview::IsSubviewCollapsed(const fw::RectControl& subview) const {
  // Before Open there is no record of any collapse.
  return mCollapsed && mCollapsed->HasKey(&subview);
}

void Splitview::RecordCollapse(const fw::RectControl& subview) {
  // A collapse asked for before Open keeps its record; Open then keeps it too.
  if (!mCollapsed) mCollapsed = std::make_unique<fw::Dictionary>();
  mCollapsed->Value(&subview, fw::Str(subview.Width()) + " " + fw::Str(subview.Height()));
}

void Splitview::Event_Open() {
  if (!mCollapsed) mCollapsed = std::make_unique<fw::Dictionary>();
  Vertical(true);
  CreateDividerImage();
  AdoptSubviews();
  EraseBackground(false);
  if (Open) Open();
}

void Splitview::AdoptSubviews() {
  fw::Window& window = TrueWindow();
  for (int i = 0; i <= window.ControlCount() - 1; ++i) {
    fw::RectControl* control = window.Control(i);
    if (control->Parent() == this) AddSubview(*control);
    fw::CooperativeYield();
  }
}

void Splitview::Event_Close() {
  if (Close) Close();
}

void Splitview::CreateDividerImage() {
  fw::PicturePtr strip = PicSeparatorDot();
  // Without its art the split view draws no grip and works on.
  if (!strip || strip->Height() <= 0) {
    mDotPicture.reset();
    return;
  }
  const int32_t s = strip->Height();
  mDotPicture = std::make_unique<fw::Picture>(s, s, 32);
  mDotPicture->Graphics().DrawPicture(*strip, 0, 0, s, s, 0, 0, s, s);
  mDotPicture->Mask(true)->Graphics().DrawPicture(*strip, 0, 0, s, s, s, 0, s, s);
}

void Splitview::Event_Paint(fw::Graphics& g) {
  if (Width() != LastWidth || Height() != LastHeight) AdjustSubviews();
  DrawDividers(g);
  LastWidth = Width();
  LastHeight = Height();
}

void Splitview::DrawDividers(fw::Graphics& g) {
  const int32_t u = LastIndex();
  const bool sideBySide = mVertical;
  int32_t pos = 0;
  for (int32_t k = 1; k <= u; ++k) {
    const fw::RectControl& before = *mSubviews[static_cast<size_t>(k - 1)];
    if (sideBySide) {
      const int32_t w = before.Width();
      DrawDivider(g, pos + w, 0, GetDividerThickness(), Height());
      pos = pos + w + GetDividerThickness();
    } else {
      const int32_t h = before.Height();
      DrawDivider(g, 0, pos + h, Width(), GetDividerThickness());
      pos = pos + h + GetDividerThickness();
    }
    fw::CooperativeYield();
  }
}

void Splitview::DrawDivider(fw::Graphics& g, int32_t x, int32_t y, int32_t w, int32_t h) {
  if (!mDotPicture) return;
  const double ph = mDotPicture->Height();
  const int32_t left = fw::ToInt32(x + w / 2.0 - ph / 2.0);
  const int32_t top = fw::ToInt32(y + h / 2.0 - ph / 2.0);
  g.DrawPicture(*mDotPicture, left, top);
}

// The split view keeps these events to itself; the owner never sees them.
void Splitview::Event_MouseEnter() {}
bool Splitview::Event_KeyDown(const std::string&) { return false; }
void Splitview::Event_GotFocus() {}
void Splitview::Event_LostFocus() {}

int32_t Splitview::LastIndex() const { return static_cast<int32_t>(mSubviews.size()) - 1; }

int32_t Splitview::IndexOf(const fw::RectControl& subview) const {
  auto found = std::find(mSubviews.begin(), mSubviews.end(), &subview);
  return found == mSubviews.end() ? -1 : static_cast<int32_t>(found - mSubviews.begin());
}
