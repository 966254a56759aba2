#include "framework/fw_canvas.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

#include "framework/fw_dispatch.h"
#include "framework/fw_graphics.h"
#include "framework/fw_qt_p.h"

namespace fw {
namespace {

class CanvasWidget : public QWidget {
 public:
  explicit CanvasWidget(Canvas* owner) : owner_(owner) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    if (owner_->EraseBackground() && autoFillBackground()) painter.eraseRect(rect());
    if (const PicturePtr& backdrop = owner_->Backdrop()) painter.drawImage(QPoint(0, 0), backdrop->Composed());
    Graphics g(painter, width(), height());
    owner_->RaisePaint(g);
  }
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() != Qt::LeftButton) return;
    QPoint p = e->position().toPoint();
    tracking_ = owner_->RaiseMouseDown(p.x(), p.y());
  }
  void mouseMoveEvent(QMouseEvent* e) override {
    QPoint p = e->position().toPoint();
    if (e->buttons() & Qt::LeftButton) {
      if (tracking_) owner_->RaiseMouseDrag(p.x(), p.y());
    } else {
      owner_->RaiseMouseMove(p.x(), p.y());
    }
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    if (e->button() != Qt::LeftButton || !tracking_) return;
    tracking_ = false;
    QPoint p = e->position().toPoint();
    owner_->RaiseMouseUp(p.x(), p.y());
  }
  // The toolkit's double-click is a press like any other here: the control
  // times its own clicks.
  void mouseDoubleClickEvent(QMouseEvent* e) override { mousePressEvent(e); }
  void enterEvent(QEnterEvent*) override { owner_->RaiseMouseEnter(); }
  void leaveEvent(QEvent*) override { owner_->RaiseMouseExit(); }
  // A control placed inside the canvas covers it: the pointer entering that
  // control leaves the canvas, so that a cursor the canvas set (which Qt lends
  // to children without their own) goes back to the default over it.
  void childEvent(QChildEvent* e) override {
    if (e->added() && e->child()->isWidgetType()) e->child()->installEventFilter(this);
    QWidget::childEvent(e);
  }
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::Enter && watched->parent() == this) owner_->RaiseMouseExit();
    return QWidget::eventFilter(watched, e);
  }
  void keyPressEvent(QKeyEvent* e) override {
    std::string key = qt::KeyText(*e);
    if (key.empty() || !owner_->RaiseKeyDown(key)) QWidget::keyPressEvent(e);
  }

 private:
  Canvas* owner_;
  bool tracking_ = false;
};

}  // namespace

Canvas::Canvas(Window& window, const std::string& name)
    : RectControl(window, name, new CanvasWidget(this)) {}

void Canvas::Backdrop(PicturePtr picture) {
  backdrop_ = std::move(picture);
  Refresh();
}

bool Canvas::AcceptFocus() const { return Widget()->focusPolicy() != Qt::NoFocus; }
void Canvas::AcceptFocus(bool value) { Widget()->setFocusPolicy(value ? Qt::StrongFocus : Qt::NoFocus); }

void Canvas::RaisePaint(Graphics& g) {
  Dispatch([&] { Event_Paint(g); });
}
bool Canvas::RaiseMouseDown(int x, int y) {
  return DispatchWithResult([&] { return Event_MouseDown(x, y); }, false);
}
void Canvas::RaiseMouseDrag(int x, int y) {
  Dispatch([&] { Event_MouseDrag(x, y); });
}
void Canvas::RaiseMouseUp(int x, int y) {
  Dispatch([&] { Event_MouseUp(x, y); });
}
void Canvas::RaiseMouseMove(int x, int y) {
  Dispatch([&] { Event_MouseMove(x, y); });
}
void Canvas::RaiseMouseEnter() {
  Dispatch([&] { Event_MouseEnter(); });
}
void Canvas::RaiseMouseExit() {
  Dispatch([&] { Event_MouseExit(); });
}
bool Canvas::RaiseKeyDown(const std::string& key) {
  return DispatchWithResult([&] { return Event_KeyDown(key); }, false);
}

void Canvas::Event_Paint(Graphics& g) {
  if (Paint) Paint(g);
}
bool Canvas::Event_MouseDown(int x, int y) { return MouseDown ? MouseDown(x, y) : false; }
void Canvas::Event_MouseDrag(int x, int y) {
  if (MouseDrag) MouseDrag(x, y);
}
void Canvas::Event_MouseUp(int x, int y) {
  if (MouseUp) MouseUp(x, y);
}
void Canvas::Event_MouseMove(int x, int y) {
  if (MouseMove) MouseMove(x, y);
}
void Canvas::Event_MouseEnter() {
  if (MouseEnter) MouseEnter();
}
void Canvas::Event_MouseExit() {
  if (MouseExit) MouseExit();
}
bool Canvas::Event_KeyDown(const std::string& key) { return KeyDown ? KeyDown(key) : false; }

}  // namespace fw
