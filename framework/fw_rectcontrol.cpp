#include "framework/fw_rectcontrol.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "framework/fw_dispatch.h"
#include "framework/fw_qt_p.h"
#include "framework/fw_window.h"

namespace fw {
namespace {

// Turns the toolkit's focus events into the control's GotFocus and LostFocus.
class FocusWatcher : public QObject {
 public:
  FocusWatcher(RectControl& control, QObject* parent) : QObject(parent), control_(control) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn) control_.RaiseFocusEvent(true);
    if (event->type() == QEvent::FocusOut) control_.RaiseFocusEvent(false);
    return QObject::eventFilter(watched, event);
  }

 private:
  RectControl& control_;
};

Qt::CursorShape ToQtCursor(Cursor c) {
  switch (c) {
    case Cursor::SplitterEastWest: return Qt::SplitHCursor;
    case Cursor::SplitterNorthSouth: return Qt::SplitVCursor;
    case Cursor::IBeam: return Qt::IBeamCursor;
    case Cursor::FingerPointer: return Qt::PointingHandCursor;
    case Cursor::StandardPointer: break;
  }
  return Qt::ArrowCursor;
}

QFont FontNamed(const std::string& name) {
  if (name == "Monaco") return QFontDatabase::systemFont(QFontDatabase::FixedFont);
  if (name == "System" || name.empty()) return QApplication::font();
  QFont font(qt::ToQ(name));
  if (!QFontDatabase::hasFamily(font.family())) return QApplication::font();
  return font;
}

}  // namespace

RectControl::RectControl(Window& window, const std::string& name, QWidget* widget)
    : window_(window), name_(name), widget_(widget) {
  widget_->setParent(window_.ContentWidget());
  widget_->setObjectName(qt::ToQ(name));
  widget_->installEventFilter(new FocusWatcher(*this, widget_));
  QRect g = widget_->geometry();
  x_ = g.x();
  y_ = g.y();
  width_ = g.width();
  height_ = g.height();
}

RectControl::~RectControl() = default;

int RectControl::ParentLeft() const { return parent_ ? parent_->Left() : 0; }
int RectControl::ParentTop() const { return parent_ ? parent_->Top() : 0; }
int RectControl::Left() const { return ParentLeft() + x_; }
int RectControl::Top() const { return ParentTop() + y_; }

void RectControl::Parent(RectControl* parent) {
  int left = Left(), top = Top();
  parent_ = parent;
  widget_->setParent(parent ? parent->Widget() : window_.ContentWidget());
  x_ = left - ParentLeft();
  y_ = top - ParentTop();
  ApplyGeometry();
  widget_->setVisible(visible_);
}

void RectControl::Left(int value) {
  x_ = value - ParentLeft();
  ApplyGeometry();
}

void RectControl::Top(int value) {
  y_ = value - ParentTop();
  ApplyGeometry();
}

void RectControl::Width(int value) { Resize(value, height_); }
void RectControl::Height(int value) { Resize(width_, value); }

void RectControl::SetBounds(int left, int top, int width, int height) {
  x_ = left - ParentLeft();
  y_ = top - ParentTop();
  Resize(width, height);
}

void RectControl::Resize(int width, int height) {
  int dw = width - width_, dh = height - height_;
  width_ = width;
  height_ = height;
  ApplyGeometry();
  if (dw != 0 || dh != 0) FollowParentResize(dw, dh);
}

void RectControl::ApplyGeometry() {
  widget_->setGeometry(x_, y_, std::max(width_, 0), std::max(height_, 0));
}

void RectControl::FollowParentResize(int dw, int dh) {
  for (int i = 0; i < window_.ControlCount(); ++i) {
    RectControl* child = window_.Control(i);
    if (child->parent_ != this) continue;
    int newWidth = child->width_, newHeight = child->height_;
    if (child->lockLeft_ && child->lockRight_) newWidth += dw;
    else if (child->lockRight_) child->x_ += dw;
    if (child->lockTop_ && child->lockBottom_) newHeight += dh;
    else if (child->lockBottom_) child->y_ += dh;
    child->Resize(newWidth, newHeight);
  }
}

void RectControl::SetAnchors(bool left, bool top, bool right, bool bottom) {
  lockLeft_ = left;
  lockTop_ = top;
  lockRight_ = right;
  lockBottom_ = bottom;
}

void RectControl::Visible(bool value) {
  visible_ = value;
  widget_->setVisible(value);
}

void RectControl::Enabled(bool value) {
  enabled_ = value;
  widget_->setEnabled(value);
}

void RectControl::TabIndex(int value) {
  tabIndex_ = value;
  window_.RefreshTabOrder();
}

void RectControl::TabStop(bool value) {
  tabStop_ = value;
  window_.RefreshTabOrder();
}

void RectControl::HelpTag(const std::string& text) {
  helpTag_ = text;
  widget_->setToolTip(qt::ForDisplay(text));
}

void RectControl::MouseCursor(const Cursor* cursor) {
  cursor_ = cursor;
  if (cursor) widget_->setCursor(ToQtCursor(*cursor));
  else widget_->unsetCursor();
}

void RectControl::Refresh(bool eraseBackground) {
  (void)eraseBackground;  // Qt composes every repaint from the parent's pixels up.
  widget_->update();
}

void RectControl::SetFocus() { widget_->setFocus(Qt::OtherFocusReason); }
bool RectControl::HasFocus() const { return widget_->hasFocus(); }

void RectControl::TextFont(const std::string& name) {
  textFont_ = name;
  ApplyFont();
}
void RectControl::TextSize(double points) {
  textSize_ = points;
  ApplyFont();
}
void RectControl::Bold(bool value) {
  bold_ = value;
  ApplyFont();
}
void RectControl::Italic(bool value) {
  italic_ = value;
  ApplyFont();
}
void RectControl::Underline(bool value) {
  underline_ = value;
  ApplyFont();
}

void RectControl::ApplyFont() {
  QFont font = FontNamed(textFont_);
  // At the toolkit's 96 dpi a point is a third larger than the pixel that the
  // windows' bounds give it: "Last update:" in 11 points would be clipped.
  if (textSize_ > 0) font.setPixelSize(std::max(1, static_cast<int>(std::lround(textSize_))));
  font.setBold(bold_);
  font.setItalic(italic_);
  font.setUnderline(underline_);
  widget_->setFont(font);
}

void RectControl::RaiseOpen() {
  Dispatch([this] { Event_Open(); });
}
void RectControl::RaiseClose() {
  Dispatch([this] { Event_Close(); });
}
void RectControl::RaiseFocusEvent(bool gained) {
  Dispatch([this, gained] { gained ? Event_GotFocus() : Event_LostFocus(); });
}

void RectControl::Event_Open() {
  if (Open) Open();
}
void RectControl::Event_Close() {
  if (Close) Close();
}
void RectControl::Event_GotFocus() {
  if (GotFocus) GotFocus();
}
void RectControl::Event_LostFocus() {
  if (LostFocus) LostFocus();
}

}  // namespace fw
