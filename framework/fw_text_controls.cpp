#include "framework/fw_text_controls.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include "framework/fw_dispatch.h"
#include "framework/fw_qt_p.h"

namespace fw {
namespace {

QLineEdit* Line(QWidget* w) { return static_cast<QLineEdit*>(w); }
QPlainTextEdit* Area(QWidget* w) { return static_cast<QPlainTextEdit*>(w); }

Qt::Alignment ToAlignment(int code) {
  if (code == 2) return Qt::AlignHCenter | Qt::AlignVCenter;
  if (code == 3) return Qt::AlignRight | Qt::AlignVCenter;
  return Qt::AlignLeft | Qt::AlignVCenter;
}

// A label of one line is centred in its height; one of several lines starts at
// its top, so that a label too short for all its lines shows the first whole
// and cuts the last, as the layouts were drawn.
void AlignLabel(QLabel& label, Qt::Alignment horizontal) {
  label.setAlignment((horizontal & Qt::AlignHorizontal_Mask) | (label.wordWrap() ? Qt::AlignTop : Qt::AlignVCenter));
}

// A label that tells its owner about the pointer. A press it does not take is
// ignored, so the toolkit hands it on to the window underneath.
class LabelWidget : public QLabel {
 public:
  explicit LabelWidget(StaticText* owner) : owner_(owner) {}

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() != Qt::LeftButton || !owner_->TakesMouseDown()) {
      QLabel::mousePressEvent(e);
      return;
    }
    e->accept();
    QPoint p = e->position().toPoint();
    owner_->RaiseMouseDown(p.x(), p.y());
  }
  void enterEvent(QEnterEvent* e) override {
    QLabel::enterEvent(e);
    owner_->RaiseMouseEnter();
  }
  void leaveEvent(QEvent* e) override {
    QLabel::leaveEvent(e);
    owner_->RaiseMouseExit();
  }

 private:
  StaticText* owner_;
};

void SetPaletteColor(QWidget* w, QPalette::ColorRole role, Color c) {
  QPalette p = w->palette();
  p.setColor(role, qt::ToQColor(c));
  w->setPalette(p);
}

}  // namespace

TextEdit::TextEdit(Window& window, const std::string& name, QWidget* widget) : RectControl(window, name, widget) {
  widget->setFocusPolicy(Qt::StrongFocus);
}

void TextEdit::TextColor(Color c) { SetPaletteColor(Widget(), QPalette::Text, c); }
void TextEdit::BackColor(Color c) { SetPaletteColor(Widget(), QPalette::Base, c); }

void TextEdit::ReadOnly(bool value) {
  readOnly_ = value;
  ApplyReadOnly();
}

void TextEdit::RaiseTextChange() {
  Dispatch([this] { Event_TextChange(); });
}

void TextEdit::Event_TextChange() {
  if (TextChange) TextChange();
}

TextField::TextField(Window& window, const std::string& name) : TextEdit(window, name, new QLineEdit()) {
  QObject::connect(Line(Widget()), &QLineEdit::textChanged, Widget(), [this] { RaiseTextChange(); });
}

std::string TextField::Text() const { return qt::FromQ(Line(Widget())->text()); }
void TextField::Text(const std::string& text) { Line(Widget())->setText(qt::ToQ(text)); }
bool TextField::Password() const { return Line(Widget())->echoMode() == QLineEdit::Password; }
void TextField::Password(bool masked) { Line(Widget())->setEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal); }
void TextField::LimitText(int maxChars) { Line(Widget())->setMaxLength(maxChars > 0 ? maxChars : 32767); }
void TextField::Alignment(int code) { Line(Widget())->setAlignment(ToAlignment(code)); }
void TextField::SelectAll() { Line(Widget())->selectAll(); }
std::string TextField::SelText() const { return qt::FromQ(Line(Widget())->selectedText()); }
void TextField::ApplyReadOnly() { Line(Widget())->setReadOnly(ReadOnly()); }

TextArea::TextArea(Window& window, const std::string& name) : TextEdit(window, name, new QPlainTextEdit()) {
  Area(Widget())->setTabChangesFocus(true);
  QObject::connect(Area(Widget()), &QPlainTextEdit::textChanged, Widget(), [this] { RaiseTextChange(); });
}

std::string TextArea::Text() const { return qt::FromDisplay(Area(Widget())->toPlainText()); }
void TextArea::Text(const std::string& text) { Area(Widget())->setPlainText(qt::ForDisplay(text)); }
void TextArea::ScrollbarVertical(bool on) {
  Area(Widget())->setVerticalScrollBarPolicy(on ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}
void TextArea::ScrollbarHorizontal(bool on) {
  Area(Widget())->setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  Area(Widget())->setLineWrapMode(on ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
}
void TextArea::SelectAll() { Area(Widget())->selectAll(); }
std::string TextArea::SelText() const {
  return qt::FromDisplay(Area(Widget())->textCursor().selectedText().replace(QChar::ParagraphSeparator, '\n'));
}
void TextArea::ApplyReadOnly() { Area(Widget())->setReadOnly(ReadOnly()); }

StaticText::StaticText(Window& window, const std::string& name)
    : RectControl(window, name, new LabelWidget(this)) {
  Widget()->setFocusPolicy(Qt::NoFocus);
  TabStop(false);
  static_cast<QLabel*>(Widget())->setTextFormat(Qt::PlainText);
}

std::string StaticText::Text() const { return qt::FromDisplay(static_cast<QLabel*>(Widget())->text()); }
void StaticText::Text(const std::string& text) { static_cast<QLabel*>(Widget())->setText(qt::ForDisplay(text)); }
void StaticText::TextColor(Color c) {
  color_ = c;
  SetPaletteColor(Widget(), QPalette::WindowText, c);
}
void StaticText::TextAlign(int code) { AlignLabel(*static_cast<QLabel*>(Widget()), ToAlignment(code)); }
void StaticText::Multiline(bool on) {
  auto* label = static_cast<QLabel*>(Widget());
  label->setWordWrap(on);
  AlignLabel(*label, label->alignment());
}

bool StaticText::RaiseMouseDown(int x, int y) {
  return DispatchWithResult([&] { return Event_MouseDown(x, y); }, false);
}
void StaticText::RaiseMouseEnter() {
  Dispatch([this] { Event_MouseEnter(); });
}
void StaticText::RaiseMouseExit() {
  Dispatch([this] { Event_MouseExit(); });
}
bool StaticText::Event_MouseDown(int x, int y) { return MouseDown ? MouseDown(x, y) : false; }
void StaticText::Event_MouseEnter() {
  if (MouseEnter) MouseEnter();
}
void StaticText::Event_MouseExit() {
  if (MouseExit) MouseExit();
}

GroupBox::GroupBox(Window& window, const std::string& name) : RectControl(window, name, new QGroupBox()) {
  TabStop(false);
}
std::string GroupBox::Caption() const { return qt::FromQ(static_cast<QGroupBox*>(Widget())->title()); }
void GroupBox::Caption(const std::string& text) { static_cast<QGroupBox*>(Widget())->setTitle(qt::ToQ(text)); }

Separator::Separator(Window& window, const std::string& name) : RectControl(window, name, new QFrame()) {
  auto* line = static_cast<QFrame*>(Widget());
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  TabStop(false);
}

}  // namespace fw
