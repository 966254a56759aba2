#include "framework/fw_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "framework/fw_accessible_names.h"
#include "framework/fw_application.h"
#include "framework/fw_buttons.h"
#include "framework/fw_dispatch.h"
#include "framework/fw_menu.h"
#include "framework/fw_qt_p.h"
#include "framework/fw_rectcontrol.h"
#include "framework/fw_shared.h"
#include "framework/fw_window_widget_p.h"

namespace fw {
namespace {

std::vector<Window*>& AllWindows() {
  static std::vector<Window*> windows;
  return windows;
}

// The open window that has the keyboard now, if it is one of ours: while a
// modal window is up, only it can have it.
Window* ActiveWindow() {
  QWidget* active = QApplication::activeModalWidget();
  if (active == nullptr) active = QApplication::activeWindow();
  for (Window* w : AllWindows())
    if (!w->IsClosing() && w->TopLevelWidget() == active) return w;
  return nullptr;
}

}  // namespace

std::vector<Window*> OpenWindows() {
  std::vector<Window*> open;
  for (Window* w : AllWindows())
    if (!w->IsClosing()) open.push_back(w);
  return open;
}

Window::Window() : widget_(std::make_unique<WindowWidget>(*this)) {
  AllWindows().push_back(this);
  ApplyContentSize();
}

Window::~Window() {
  auto& all = AllWindows();
  all.erase(std::remove(all.begin(), all.end(), this), all.end());
  for (Window* w : all)
    if (w->opener_ == this) w->opener_ = nullptr;
  detail::RemoveShared(this);
  // The owner is gone by now: destroying a focused widget sends it a last
  // FocusOut, which must not reach the owner's handlers.
  for (auto& control : controls_) {
    control->GotFocus = nullptr;
    control->LostFocus = nullptr;
  }
  // The widgets go first: they call into the controls while they live, so
  // they must not raise events on the way out.
  for (auto& control : controls_) control->Widget()->blockSignals(true);
  widget_.reset();
  controls_.clear();
}

QWidget* Window::ContentWidget() const { return widget_->Content(); }
QWidget* Window::TopLevelWidget() const { return widget_.get(); }

void Window::OpenWindow() {
  if (opened_) return;
  opened_ = true;
  // The window whose menu or button opens this one has the keyboard now.
  opener_ = ActiveWindow();
  Dispatch([this] {
    Layout();
    CreateControls();
  });
  ShowApplicationMenuBar();
  ApplyWindowFlags();
  ApplyTabOrder();
  NameTextControlsByTheirLabels(*this);
  // Placed before the Open events, so that a position set there stands.
  PlaceOnScreen();
  for (auto& control : controls_) control->RaiseOpen();
  Dispatch([this] { Event_Open(); });
  if (visible_ && !closing_) Show();
}

void Window::Adopt(std::unique_ptr<RectControl> control) { controls_.push_back(std::move(control)); }

RectControl* Window::Control(int index) const {
  if (index < 0 || index >= ControlCount()) throw OutOfBoundsException("control index out of bounds");
  return controls_[static_cast<size_t>(index)].get();
}

RectControl* Window::FindControl(const std::string& name) const {
  for (auto& control : controls_)
    if (control->Name() == name) return control.get();
  return nullptr;
}

void Window::Title(const std::string& text) {
  title_ = text;
  widget_->setWindowTitle(qt::ToQ(text));
}

int Window::Left() const { return widget_->geometry().x(); }
int Window::Top() const { return widget_->geometry().y() + ContentOffsetY(); }

// Placed by the client area (setGeometry), not by the frame (move): before the
// window first shows, its frame is not known yet.
void Window::Left(int value) {
  QRect g = widget_->geometry();
  g.moveLeft(value);
  widget_->setGeometry(g);
}

void Window::Top(int value) {
  QRect g = widget_->geometry();
  g.moveTop(value - ContentOffsetY());
  widget_->setGeometry(g);
}

void Window::Width(int value) {
  RaiseResized(value, height_);
  ApplyContentSize();
}

void Window::Height(int value) {
  RaiseResized(width_, value);
  ApplyContentSize();
}

void Window::MinWidth(int value) {
  minWidth_ = value;
  ApplySizeLimits();
}
void Window::MinHeight(int value) {
  minHeight_ = value;
  ApplySizeLimits();
}
void Window::MaxWidth(int value) {
  maxWidth_ = value;
  ApplySizeLimits();
}
void Window::MaxHeight(int value) {
  maxHeight_ = value;
  ApplySizeLimits();
}

void Window::ApplySizeLimits() {
  QWidget* content = ContentWidget();
  if (resizeable_) {
    content->setMinimumSize(minWidth_, minHeight_);
    content->setMaximumSize(std::min(maxWidth_, QWIDGETSIZE_MAX), std::min(maxHeight_, QWIDGETSIZE_MAX));
  } else {
    content->setFixedSize(width_, height_);
  }
}

static int MenuBarHeight(QMainWindow& w) {
  QWidget* bar = w.menuWidget();
  return bar ? bar->sizeHint().height() : 0;
}

// The content area lies below the menu bar. Until the window first shows, its
// layout has not placed the content there yet.
int Window::ContentOffsetY() const {
  return widget_->isVisible() ? ContentWidget()->y() : MenuBarHeight(*widget_);
}

void Window::ApplyContentSize() {
  ApplySizeLimits();
  widget_->resize(width_, height_ + MenuBarHeight(*widget_));
  ContentWidget()->resize(width_, height_);
}

void Window::Frame(int code) {
  frame_ = code;
  ApplyWindowFlags();
}
void Window::Resizeable(bool value) {
  resizeable_ = value;
  ApplySizeLimits();
}
void Window::CloseButton(bool value) {
  closeButton_ = value;
  ApplyWindowFlags();
}
void Window::MinimizeButton(bool value) {
  minimizeButton_ = value;
  ApplyWindowFlags();
}
void Window::MaximizeButton(bool value) {
  maximizeButton_ = value;
  ApplyWindowFlags();
}

void Window::ApplyWindowFlags() {
  Qt::WindowFlags flags = (frame_ == 0) ? Qt::Window : Qt::Dialog;
  if (frame_ == 3) flags = Qt::Tool;
  if (frame_ == 4) flags = Qt::Window | Qt::FramelessWindowHint;
  flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
  if (closeButton_) flags |= Qt::WindowCloseButtonHint;
  if (minimizeButton_) flags |= Qt::WindowMinimizeButtonHint;
  if (maximizeButton_ && resizeable_) flags |= Qt::WindowMaximizeButtonHint;
  bool shown = widget_->isVisible();
  widget_->setWindowFlags(flags);
  if (frame_ == 1 || frame_ == 2) widget_->setWindowModality(Qt::ApplicationModal);
  if (shown) widget_->show();
}

void Window::HasBackColor(bool value) {
  hasBackColor_ = value;
  BackColor(backColor_);
}

void Window::BackColor(Color color) {
  backColor_ = color;
  QWidget* content = ContentWidget();
  content->setAutoFillBackground(hasBackColor_);
  QPalette palette = content->palette();
  if (hasBackColor_) palette.setColor(QPalette::Window, qt::ToQColor(color));
  content->setPalette(palette);
}

void Window::MenuBar(fw::MenuBar* bar) {
  menuBar_ = bar;
  widget_->setMenuBar(bar ? bar->CreateWidget(widget_.get()) : nullptr);
  ApplyContentSize();
}

void Window::ShowApplicationMenuBar() {
  if (!menuBarVisible_) {
    MenuBar(nullptr);
    return;
  }
  Application* app = TheApplication();
  if (menuBar_ == nullptr && app != nullptr && app->MenuBar() != nullptr) MenuBar(app->MenuBar());
}

// Placements 0 and 1 centre the window over the window it was opened from (the
// prompt's About window over the prompt), as dialogs open on Linux desktops;
// with no such window, and for 2 and 3, the window is centred across the main
// screen, a third of the way down. Without a window manager the window stays
// where it is put (the toolkit alone leaves it at the top-left corner); a
// window manager may place it itself.
void Window::PlaceOnScreen() {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  QRect area = screen->availableGeometry();
  QRect g = widget_->geometry();
  if ((placement_ == 0 || placement_ == 1) && opener_ != nullptr) {
    g.moveCenter(opener_->TopLevelWidget()->frameGeometry().center());
  } else {
    g.moveTo(area.x() + (area.width() - g.width()) / 2, area.y() + (area.height() - g.height()) / 3);
  }
  // Its top-left corner on the screen, whatever it is centred over.
  g.moveTo(std::clamp(g.x(), area.left(), std::max(area.left(), area.right() + 1 - g.width())),
           std::clamp(g.y(), area.top(), std::max(area.top(), area.bottom() + 1 - g.height())));
  widget_->setGeometry(g);
}

// A window placed over the window it was opened from (placements 0 and 1),
// shown while a modal window is up (the password prompt), belongs to that
// window, as a dialog opened from a modal dialog does: the modal window does
// not block its input, and a window manager keeps it above. Any other window
// shown meanwhile (the main window, loaded before the first unlock) stands
// behind the modal window, which keeps the keyboard. Answers whether this
// window went behind.
bool Window::StayOverModalWindow() {
  QWindow* modal = QGuiApplication::modalWindow();
  if (modal == nullptr) return false;
  widget_->winId();  // the toolkit's window, made now so that it can take the modal one as its parent
  QWindow* own = widget_->windowHandle();
  if (own == nullptr || own == modal) return false;
  if (placement_ == 0 || placement_ == 1) {
    own->setTransientParent(modal);
    return false;
  }
  return true;
}

// Without a window manager nothing takes the keyboard when the active window
// goes: it goes back to the window this one was opened from (the prompt, when
// its About window closes), else to the newest window still shown. From the
// event loop, once this window is hidden: a close box's close hides it only
// after the handler.
void Window::GiveKeyboardAway() {
  if (QuitInProgress()) return;
  Window* next = (opener_ && !opener_->closing_ && opener_->IsShown()) ? opener_ : nullptr;
  for (auto it = AllWindows().rbegin(); next == nullptr && it != AllWindows().rend(); ++it)
    if (*it != this && !(*it)->closing_ && (*it)->IsShown()) next = *it;
  if (next == nullptr) return;
  QPointer<QWidget> target = next->widget_.get();
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [target] {
        if (target && target->isVisible() && !QuitInProgress()) target->activateWindow();
      },
      Qt::QueuedConnection);
}

void Window::Show() {
  if (closing_) return;
  if (!widget_->isVisible() && StayOverModalWindow()) {
    widget_->setAttribute(Qt::WA_ShowWithoutActivating, true);
    widget_->show();
    widget_->setAttribute(Qt::WA_ShowWithoutActivating, false);
    QGuiApplication::modalWindow()->raise();
    return;
  }
  widget_->show();
  widget_->raise();
  widget_->activateWindow();
}

void Window::Hide() { widget_->hide(); }
bool Window::IsShown() const { return widget_->isVisible(); }

bool Window::AskCancelClose(bool appQuitting) {
  if (cancelCloseRunning_) return false;
  cancelCloseRunning_ = true;
  bool cancel = DispatchWithResult([&] { return Event_CancelClose(appQuitting); }, false);
  cancelCloseRunning_ = false;
  return cancel;
}

void Window::Close() {
  if (closing_ || AskCancelClose(false)) return;
  FinishClose();
}

// A window without a close box has no close for the user to ask for: a window
// manager's request (Alt+F4, WM_DELETE_WINDOW) is ignored, so that the window's
// own buttons stay the only ways out and the run never goes on windowless.
void Window::CloseFromUser() {
  if (closeButton_) Close();
}

bool Window::CloseForQuit() {
  if (closing_) return true;
  if (AskCancelClose(true)) return false;
  FinishClose();
  return true;
}

void Window::FinishClose() {
  // CancelClose may have closed the window itself already.
  if (closing_) return;
  closing_ = true;
  detail::RemoveShared(this);
  Dispatch([this] { Event_Close(); });
  for (auto& control : controls_) control->RaiseClose();
  bool hadKeyboard = widget_->isActiveWindow();
  widget_->CloseQuietly();
  if (hadKeyboard) GiveKeyboardAway();
  // Destroyed once the running handler has returned (not by an event loop that
  // runs inside it, such as a modal message's), and then from the event loop:
  // the toolkit's call that ran the handler may still be on the stack.
  AfterCurrentHandler([this] {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [this] { delete this; }, Qt::QueuedConnection);
  });
}

void Window::RaiseMoved() {
  if (opened_ && !closing_) Dispatch([this] { Event_Moved(); });
}

void Window::RaiseResized(int newWidth, int newHeight) {
  if (resizeable_) {
    newWidth = std::clamp(newWidth, minWidth_, std::max(minWidth_, maxWidth_));
    newHeight = std::clamp(newHeight, minHeight_, std::max(minHeight_, maxHeight_));
  }
  int dw = newWidth - width_, dh = newHeight - height_;
  if (dw == 0 && dh == 0) return;
  width_ = newWidth;
  height_ = newHeight;
  for (auto& control : controls_) {
    if (control->Parent() != nullptr) continue;
    int w = control->Width(), h = control->Height();
    if (control->LockLeft() && control->LockRight()) w += dw;
    else if (control->LockRight()) control->Left(control->Left() + dw);
    if (control->LockTop() && control->LockBottom()) h += dh;
    else if (control->LockBottom()) control->Top(control->Top() + dh);
    control->SetBounds(control->Left(), control->Top(), w, h);
  }
  if (opened_ && !closing_) Dispatch([this] { Event_Resized(); });
}

bool Window::RaiseKeyDown(const std::string& key) {
  if (DispatchWithResult([&] { return Event_KeyDown(key); }, false)) return true;
  bool isReturn = key == "\r", isEscape = key == std::string(1, 27);
  if (!isReturn && !isEscape) return false;
  for (auto& control : controls_) {
    auto* button = dynamic_cast<PushButton*>(control.get());
    if (button && ((isReturn && button->Default()) || (isEscape && button->Cancel()))) {
      button->Push();
      return true;
    }
  }
  return false;
}

bool Window::RaiseMouseDown(int x, int y) {
  return DispatchWithResult([&] { return Event_MouseDown(x, y); }, false);
}

void Window::RefreshTabOrder() {
  if (opened_) ApplyTabOrder();
}

// Qt keeps one tab chain per window: each parent's children in TabIndex order
// (creation order among equals), each followed by the controls inside it; then
// the buttons of every kind, in the same order. On the platform the windows
// were laid out for, Tab stops at text fields and lists only, so a layout may
// number a button before the field that follows it (the change-password
// window's OK and Cancel come before its new-password fields), and what the
// user types after a Tab must land in that field. The buttons stay reachable
// by Tab, after the fields, as keyboard users here expect.
void Window::ApplyTabOrder() {
  std::vector<RectControl*> chain;
  std::function<void(RectControl*)> appendChildren = [&](RectControl* parent) {
    std::vector<RectControl*> children;
    for (auto& c : controls_)
      if (c->Parent() == parent) children.push_back(c.get());
    std::stable_sort(children.begin(), children.end(),
                     [](RectControl* a, RectControl* b) { return a->TabIndex() < b->TabIndex(); });
    for (RectControl* c : children) {
      if (c->TabStop() && c->Widget()->focusPolicy() & Qt::TabFocus) chain.push_back(c);
      appendChildren(c);
    }
  };
  appendChildren(nullptr);
  std::stable_partition(chain.begin(), chain.end(),
                        [](RectControl* c) { return qobject_cast<QAbstractButton*>(c->Widget()) == nullptr; });
  for (size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1]->Widget(), chain[i]->Widget());
}

}  // namespace fw
