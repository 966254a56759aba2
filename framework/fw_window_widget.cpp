#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>

#include "framework/fw_dispatch.h"
#include "framework/fw_qt_p.h"
#include "framework/fw_window.h"
#include "framework/fw_window_widget_p.h"

namespace fw {

WindowWidget::WindowWidget(Window& owner) : owner_(owner), content_(new QWidget(this)) {
  setCentralWidget(content_);
  content_->installEventFilter(this);
  setAttribute(Qt::WA_DeleteOnClose, false);
}

void WindowWidget::CloseQuietly() {
  closingQuietly_ = true;
  close();
  closingQuietly_ = false;
}

void WindowWidget::closeEvent(QCloseEvent* event) {
  if (closingQuietly_) {
    event->accept();
    return;
  }
  // The framework decides (CancelClose, then Close) and hides the window itself.
  event->ignore();
  Dispatch([this] { owner_.CloseFromUser(); });
  // The framework's own close cannot run inside this one (Qt ignores a nested
  // close), so a close that went ahead is accepted here.
  if (owner_.IsClosing()) event->accept();
}

void WindowWidget::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  owner_.RaiseMoved();
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
  // Every key reaches the window, also one that types nothing (a function key
  // comes by its name).
  if (!qt::IsModifierKey(*event) && owner_.RaiseKeyDown(qt::WindowKeyText(*event))) return;
  QMainWindow::keyPressEvent(event);
}

bool WindowWidget::eventFilter(QObject* watched, QEvent* event) {
  if (watched == content_) {
    if (event->type() == QEvent::Resize) {
      auto* resize = static_cast<QResizeEvent*>(event);
      owner_.RaiseResized(resize->size().width(), resize->size().height());
    } else if (event->type() == QEvent::MouseButtonPress) {
      auto* press = static_cast<QMouseEvent*>(event);
      QPoint p = press->position().toPoint();
      if (owner_.RaiseMouseDown(p.x(), p.y())) return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace fw
