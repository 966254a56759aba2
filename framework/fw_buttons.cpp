#include "framework/fw_buttons.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "framework/fw_dispatch.h"
#include "framework/fw_qt_p.h"

namespace fw {
namespace {

template <class Button>
Button* Make() {
  auto* button = new Button();
  return button;
}

template <class Button, class Control>
void ConnectClick(Button* button, Control* control) {
  QObject::connect(button, &QAbstractButton::clicked, button, [control] { control->RaiseAction(); });
}

// The radio buttons of one parent widget form one exclusive group, joined again
// when the button moves to another parent. Qt's auto-exclusivity would also
// count the radio buttons inside child widgets (a group box's) as siblings.
class RadioGrouper : public QObject {
 public:
  explicit RadioGrouper(QAbstractButton* button) : QObject(button) {
    button->installEventFilter(this);
    Join(button);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ParentChange) Join(static_cast<QAbstractButton*>(watched));
    return QObject::eventFilter(watched, event);
  }

 private:
  static void Join(QAbstractButton* button) {
    static const QString kName = QStringLiteral("fw_radio_group");
    if (QButtonGroup* old = button->group()) old->removeButton(button);
    QWidget* parent = button->parentWidget();
    if (parent == nullptr) return;
    auto* group = parent->findChild<QButtonGroup*>(kName, Qt::FindDirectChildrenOnly);
    if (group == nullptr) {
      group = new QButtonGroup(parent);
      group->setObjectName(kName);
    }
    group->addButton(button);
  }
};

}  // namespace

PushButton::PushButton(Window& window, const std::string& name)
    : RectControl(window, name, Make<QPushButton>()) {
  Widget()->setFocusPolicy(Qt::StrongFocus);
  ConnectClick(static_cast<QPushButton*>(Widget()), this);
}

std::string PushButton::Caption() const { return qt::FromQ(static_cast<QPushButton*>(Widget())->text()); }
void PushButton::Caption(const std::string& text) { static_cast<QPushButton*>(Widget())->setText(qt::ToQ(text)); }

void PushButton::Push() {
  if (Enabled() && Visible()) RaiseAction();
}

void PushButton::RaiseAction() {
  Dispatch([this] { Event_Action(); });
}

void PushButton::Event_Action() {
  if (Action) Action();
}

BevelButton::BevelButton(Window& window, const std::string& name)
    : RectControl(window, name, Make<QToolButton>()) {
  auto* button = static_cast<QToolButton*>(Widget());
  button->setFocusPolicy(Qt::NoFocus);
  button->setAutoRaise(false);
  button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  ConnectClick(button, this);
}

std::string BevelButton::Caption() const { return qt::FromQ(static_cast<QToolButton*>(Widget())->text()); }
void BevelButton::Caption(const std::string& text) { static_cast<QToolButton*>(Widget())->setText(qt::ToQ(text)); }

void BevelButton::Icon(PicturePtr picture) {
  icon_ = std::move(picture);
  auto* button = static_cast<QToolButton*>(Widget());
  if (icon_) {
    QPixmap pixmap = QPixmap::fromImage(icon_->Composed());
    button->setIcon(QIcon(pixmap));
    button->setIconSize(pixmap.size());
  } else {
    button->setIcon(QIcon());
  }
}

void BevelButton::CaptionPlacement(int code) {
  captionPlacement_ = code;
  // 2 puts the caption to the right of the icon, 3 below it; 1 (normal) beside it.
  static_cast<QToolButton*>(Widget())->setToolButtonStyle(code == 3 ? Qt::ToolButtonTextUnderIcon
                                                                    : Qt::ToolButtonTextBesideIcon);
}

void BevelButton::Push() {
  if (Enabled() && Visible()) RaiseAction();
}

void BevelButton::RaiseAction() {
  Dispatch([this] { Event_Action(); });
}

void BevelButton::Event_Action() {
  if (Action) Action();
}

CheckBox::CheckBox(Window& window, const std::string& name) : RectControl(window, name, Make<QCheckBox>()) {
  ConnectClick(static_cast<QCheckBox*>(Widget()), this);
}
std::string CheckBox::Caption() const { return qt::FromQ(static_cast<QCheckBox*>(Widget())->text()); }
void CheckBox::Caption(const std::string& text) { static_cast<QCheckBox*>(Widget())->setText(qt::ToQ(text)); }
bool CheckBox::Value() const { return static_cast<QCheckBox*>(Widget())->isChecked(); }
void CheckBox::Value(bool checked) { static_cast<QCheckBox*>(Widget())->setChecked(checked); }
void CheckBox::RaiseAction() {
  Dispatch([this] { Event_Action(); });
}
void CheckBox::Event_Action() {
  if (Action) Action();
}

RadioButton::RadioButton(Window& window, const std::string& name)
    : RectControl(window, name, Make<QRadioButton>()) {
  new RadioGrouper(static_cast<QRadioButton*>(Widget()));
  ConnectClick(static_cast<QRadioButton*>(Widget()), this);
}
std::string RadioButton::Caption() const { return qt::FromQ(static_cast<QRadioButton*>(Widget())->text()); }
void RadioButton::Caption(const std::string& text) {
  static_cast<QRadioButton*>(Widget())->setText(qt::ToQ(text));
}
bool RadioButton::Value() const { return static_cast<QRadioButton*>(Widget())->isChecked(); }
void RadioButton::Value(bool selected) { static_cast<QRadioButton*>(Widget())->setChecked(selected); }
void RadioButton::RaiseAction() {
  Dispatch([this] { Event_Action(); });
}
void RadioButton::Event_Action() {
  if (Action) Action();
}

}  // namespace fw
