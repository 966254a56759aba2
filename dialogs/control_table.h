#pragma once
// Building a small window's controls from one table in creation order. Each row
// creates its control under its name, sets the window's typed member for it,
// places it (window coordinates; anchored left and top, enabled and visible,
// as every control of these windows is) and gives it its text and font. What
// a row does not hold is set after the table, control by control.
#include <string>

#include "framework/fw_controls.h"

namespace dialogs {

template <class T>
struct MemberOf;
template <class W, class C>
struct MemberOf<C* W::*> {
  using Window = W;
  using Control = C;
};

template <class W>
using Creator = fw::RectControl& (*)(W&, const std::string&);

// Create<&prefsWin::Checkbox1>: adds a CheckBox and sets prefsWin::Checkbox1 to it.
template <auto Member>
fw::RectControl& Create(typename MemberOf<decltype(Member)>::Window& window, const std::string& name) {
  using C = typename MemberOf<decltype(Member)>::Control;
  C& control = window.template AddControl<C>(name);
  window.*Member = &control;
  return control;
}

struct Font {
  const char* name;  // nullptr: the control shows no text
  double size;       // 0: the framework's default size
  bool bold = false;
};

constexpr Font kNoText{nullptr, 0};
constexpr Font kSystem{"System", 0};

template <class W>
struct ControlRow {
  const char* name;
  Creator<W> create;
  const char* parent;            // "" for the window
  int left, top, width, height;  // window coordinates
  int tabIndex;
  const char* text;  // caption or text; nullptr for none
  Font font;
};

// Places a created control and gives it the row's text and font.
void ApplyRow(fw::Window& window, fw::RectControl& control, const char* parent, int left, int top, int width,
              int height, int tabIndex, const char* text, const Font& font);

template <class W, class Rows>
void CreateFromTable(W& window, const Rows& rows) {
  for (const ControlRow<W>& row : rows)
    ApplyRow(window, row.create(window, row.name), row.parent, row.left, row.top, row.width, row.height,
             row.tabIndex, row.text, row.font);
}

}  // namespace dialogs
