#include "dialogs/control_table.h"

#include "framework/fw_window.h"

namespace dialogs {
namespace {

void SetText(fw::RectControl& control, const std::string& text) {
  if (auto* c = dynamic_cast<fw::PushButton*>(&control)) c->Caption(text);
  else if (auto* c = dynamic_cast<fw::BevelButton*>(&control)) c->Caption(text);
  else if (auto* c = dynamic_cast<fw::CheckBox*>(&control)) c->Caption(text);
  else if (auto* c = dynamic_cast<fw::RadioButton*>(&control)) c->Caption(text);
  else if (auto* c = dynamic_cast<fw::GroupBox*>(&control)) c->Caption(text);
  else if (auto* c = dynamic_cast<fw::TextEdit*>(&control)) c->Text(text);
  else if (auto* c = dynamic_cast<fw::StaticText*>(&control)) c->Text(text);
}

}  // namespace

void ApplyRow(fw::Window& window, fw::RectControl& control, const char* parent, int left, int top, int width,
              int height, int tabIndex, const char* text, const Font& font) {
  if (*parent != '\0') control.Parent(&window.ControlNamed<fw::RectControl>(parent));
  control.SetBounds(left, top, width, height);
  control.SetAnchors(true, true, false, false);
  control.TabIndex(tabIndex);
  if (font.name != nullptr) {
    control.TextFont(font.name);
    control.TextSize(font.size);
    control.Bold(font.bold);
    control.Italic(false);
    control.Underline(false);
  }
  if (text != nullptr) SetText(control, text);
  control.Enabled(true);
  control.Visible(true);
}

}  // namespace dialogs
