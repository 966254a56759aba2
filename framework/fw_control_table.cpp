#include "framework/fw_control_table.h"

#include <cstring>

namespace fw {
namespace {

bool Has(const char* flags, char flag) { return std::strchr(flags, flag) != nullptr; }

void SetText(RectControl& control, const std::string& text) {
  if (auto* c = dynamic_cast<PushButton*>(&control)) c->Caption(text);
  else if (auto* c = dynamic_cast<BevelButton*>(&control)) c->Caption(text);
  else if (auto* c = dynamic_cast<CheckBox*>(&control)) c->Caption(text);
  else if (auto* c = dynamic_cast<RadioButton*>(&control)) c->Caption(text);
  else if (auto* c = dynamic_cast<GroupBox*>(&control)) c->Caption(text);
  else if (auto* c = dynamic_cast<TextEdit*>(&control)) c->Text(text);
  else if (auto* c = dynamic_cast<StaticText*>(&control)) c->Text(text);
}

void ApplyRow(Window& window, const ControlRow& row) {
  RectControl& control = row.create(window, row.name);
  if (*row.parent != '\0') control.Parent(&window.ControlNamed<RectControl>(row.parent));
  control.SetBounds(row.left, row.top, row.width, row.height);
  control.SetAnchors(Has(row.anchors, 'L'), Has(row.anchors, 'T'), Has(row.anchors, 'R'), Has(row.anchors, 'B'));
  control.TabIndex(row.tabIndex);
  if (row.font.name != nullptr) {
    control.TextFont(row.font.name);
    control.TextSize(row.font.size);
    control.Bold(row.font.bold);
    control.Italic(row.font.italic);
    control.Underline(false);
  }
  if (row.text != nullptr) SetText(control, row.text);
  control.Enabled(row.enabled);
  control.Visible(true);
}

}  // namespace

void CreateFromTable(Window& window, std::span<const ControlRow> rows) {
  for (const ControlRow& row : rows) ApplyRow(window, row);
}

}  // namespace fw
