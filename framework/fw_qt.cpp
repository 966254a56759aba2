#include <QColor>
#include <QKeyEvent>
#include <QKeySequence>

#include "framework/fw_qt_p.h"

namespace fw::qt {

QString ForDisplay(const std::string& text) {
  QString s = ToQ(text);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QChar('\r'), QChar('\n'));
  return s;
}

std::string FromDisplay(const QString& text) {
  QString s = text;
  s.replace(QChar('\n'), QChar('\r'));
  return FromQ(s);
}

QColor ToQColor(Color c) { return QColor(c.Red, c.Green, c.Blue); }

std::string KeyText(const QKeyEvent& event) {
  auto chr = [](char c) { return std::string(1, c); };
  switch (event.key()) {
    case Qt::Key_Left: return chr(28);
    case Qt::Key_Right: return chr(29);
    case Qt::Key_Up: return chr(30);
    case Qt::Key_Down: return chr(31);
    case Qt::Key_Return:
    case Qt::Key_Enter: return chr(13);
    case Qt::Key_Tab: return chr(9);
    case Qt::Key_Backspace: return chr(8);
    case Qt::Key_Delete: return chr(127);
    case Qt::Key_Escape: return chr(27);
    case Qt::Key_Home: return chr(1);
    case Qt::Key_End: return chr(4);
    case Qt::Key_PageUp: return chr(11);
    case Qt::Key_PageDown: return chr(12);
    default: return FromQ(event.text());
  }
}

std::string WindowKeyText(const QKeyEvent& event) {
  std::string text = KeyText(event);
  if (!text.empty() || event.key() == 0 || event.key() == Qt::Key_unknown) return text;
  return FromQ(QKeySequence(event.key()).toString(QKeySequence::PortableText));
}

bool IsModifierKey(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_Mode_switch:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock: return true;
    default: return false;
  }
}

}  // namespace fw::qt
