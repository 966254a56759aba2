#pragma once
// Conversions between the framework's vocabulary and Qt's; framework-internal.
#include <QString>
#include <string>

#include "framework/fw_color.h"

class QKeyEvent;
class QColor;

namespace fw::qt {

inline QString ToQ(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
inline std::string FromQ(const QString& text) { return text.toUtf8().toStdString(); }

// Texts use CR between lines; Qt shows LF.
QString ForDisplay(const std::string& text);
// Converts what a Qt text control holds back to the program's CR line ends.
std::string FromDisplay(const QString& text);

QColor ToQColor(Color c);

// The text of a key as the key events give it: the typed character, or the
// control character of a special key (arrows 28 to 31, Return 13, Tab 9 ...).
// Empty for keys that type nothing (modifiers alone).
std::string KeyText(const QKeyEvent& event);
// The key string a window's KeyDown receives: KeyText, or for a key that types
// nothing its name ("F1", "Ins", "Pause"); empty for a key with neither.
std::string WindowKeyText(const QKeyEvent& event);
// Shift, Control, Alt, Meta and the lock keys: pressed alone, no key press of
// their own, only a change to the next one.
bool IsModifierKey(const QKeyEvent& event);

}  // namespace fw::qt
