#pragma once
// Building a window's controls from one table in creation order. Each row
// creates its control under its name, sets the window's typed member for it,
// places it (window coordinates) inside its parent, anchors it and gives it
// its text and font. What a row does not hold is set after the table, control
// by control.
#include <span>
#include <string>

#include "framework/fw_controls.h"
#include "framework/fw_window.h"

namespace fw {

namespace detail {
template <class T>
struct MemberOf;
template <class W, class C>
struct MemberOf<C* W::*> {
  using Window = W;
  using Control = C;
};
}  // namespace detail

using ControlCreator = RectControl& (*)(Window&, const std::string&);

// Create<&prefsWin::Checkbox1>: adds a CheckBox to a prefsWin and sets its
// Checkbox1 to it.
template <auto Member>
RectControl& Create(Window& window, const std::string& name) {
  using M = detail::MemberOf<decltype(Member)>;
  auto& owner = dynamic_cast<typename M::Window&>(window);
  auto& control = owner.template AddControl<typename M::Control>(name);
  owner.*Member = &control;
  return control;
}

struct ControlFont {
  const char* name;  // nullptr: the font stays as the framework sets it
  double size;       // 0: the framework's default size
  bool bold = false;
  bool italic = false;
};

inline constexpr ControlFont kNoText{nullptr, 0};       // a control that shows no text
inline constexpr ControlFont kDefaultFont{nullptr, 0};  // text in the framework's own font
inline constexpr ControlFont kSystemFont{"System", 0};

struct ControlRow {
  const char* name;
  ControlCreator create;
  const char* parent;            // "" for the window
  int left, top, width, height;  // window coordinates
  int tabIndex;
  const char* text;  // caption or text; nullptr for none
  ControlFont font;
  const char* anchors = "LT";  // the locked edges: L, T, R, B
  bool enabled = true;
};

// Every row's control, in the table's order; each control is visible.
void CreateFromTable(Window& window, std::span<const ControlRow> rows);

}  // namespace fw
