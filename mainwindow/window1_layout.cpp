// Building the main window: its own properties, then its 25 controls from one
// table in creation order (a parent always before the controls inside it, the
// list before the group box so that the split view takes them in that order).
#include <array>
#include <string>
#include <vector>

#include "app/menubar1.h"
#include "app/pictures.h"
#include "framework/fw_color.h"
#include "framework/fw_shared.h"
#include "framework/fw_window_properties.h"
#include "mainwindow/window1.h"

namespace {

using TextEdits = std::vector<fw::TextEdit*>;

// Creates the control under its name and sets the window's member for it.
using Creator = fw::RectControl& (*)(Window1&, const std::string&);

template <class C, C* Window1::*Member>
fw::RectControl& Create(Window1& window, const std::string& name) {
  C& control = window.AddControl<C>(name);
  window.*Member = &control;
  return control;
}

struct Font {
  const char* name;  // nullptr: the control shows no text
  double size;       // 0: the framework's default size
  bool bold = false;
  bool italic = false;
};

struct ControlRow {
  const char* name;
  Creator create;
  const char* parent;  // "" for the window
  int left, top, width, height;  // window coordinates
  const char* anchors;           // the locked edges: L, T, R, B
  int tabIndex;
  const char* text;  // caption or text; nullptr for none
  Font font;
  bool enabled;
};

constexpr Font kNoText{nullptr, 0};

// clang-format off
const std::array<ControlRow, 25> kControls{{
  {"Splitview1",  Create<Splitview, &Window1::Splitview1>,        "",           20,  60, 580, 331, "LTRB", 0,  nullptr,        kNoText,                  true},
  {"ListBox1",    Create<TypeAheadListBox, &Window1::ListBox1>,   "Splitview1", 22,  65, 191, 321, "LT",   0,  nullptr,        {"System", 12},           false},
  {"GroupBox1",   Create<fw::GroupBox, &Window1::GroupBox1>,      "Splitview1", 241, 65, 345, 321, "LT",   1,  "Edit",         {"System", 14},           true},
  {"descrFld",    Create<fw::TextField, &Window1::descrFld>,      "GroupBox1",  343, 100, 225, 22, "LTR",  0,  "",             {"System", 14, true},     true},
  {"userFld",     Create<fw::TextField, &Window1::userFld>,       "GroupBox1",  343, 134, 225, 22, "LTR",  1,  "",             {"Monaco", 12},           true},
  {"pswdFld",     Create<fw::TextField, &Window1::pswdFld>,       "GroupBox1",  343, 167, 200, 22, "LTR",  2,  "",             {"Monaco", 12},           true},
  {"urlFld",      Create<fw::TextField, &Window1::urlFld>,        "GroupBox1",  343, 202, 225, 22, "LTR",  3,  "",             {"System", 0},            true},
  {"noteFld",     Create<fw::TextArea, &Window1::noteFld>,        "GroupBox1",  343, 236, 225, 142, "LTRB", 4, "",             {"Monaco", 14},           true},
  {"StaticText1", Create<fw::StaticText, &Window1::StaticText1>,  "GroupBox1",  260, 100, 75, 20,  "LT",   5,  "Description",  {"System", 0},            true},
  {"StaticText2", Create<fw::StaticText, &Window1::StaticText2>,  "GroupBox1",  261, 134, 75, 20,  "LT",   6,  "User name",    {"System", 0},            true},
  {"StaticText3", Create<fw::StaticText, &Window1::StaticText3>,  "GroupBox1",  260, 168, 75, 20,  "LT",   7,  "Password",     {"System", 0},            true},
  {"StaticText4", Create<fw::StaticText, &Window1::StaticText4>,  "GroupBox1",  263, 202, 75, 20,  "LT",   8,  "URL",          {"System", 0},            true},
  {"StaticText5", Create<fw::StaticText, &Window1::StaticText5>,  "GroupBox1",  260, 236, 75, 20,  "LT",   9,  "Note",         {"System", 0},            true},
  {"saveBtn",     Create<fw::PushButton, &Window1::saveBtn>,      "GroupBox1",  252, 354, 79, 20,  "LB",   10, "Save",         {"System", 0},            false},
  {"Canvas1",     Create<fw::Canvas, &Window1::Canvas1>,          "GroupBox1",  547, 168, 36, 24,  "TR",   11, nullptr,        kNoText,                  true},
  {"goBtn",       Create<fw::PushButton, &Window1::goBtn>,        "",           492, 418, 108, 20, "RB",   0,  "Go",           {"System", 0},            false},
  {"Separator1",  Create<fw::Separator, &Window1::Separator1>,    "",           0,   400, 620, 4,  "LRB",  1,  nullptr,        kNoText,                  true},
  {"lastUpdated", Create<fw::StaticText, &Window1::lastUpdated>,  "",           98,  11, 260, 16,  "LT",   0,  "...",          {"System", 11, false, true}, true},
  {"counter",     Create<fw::StaticText, &Window1::counter>,      "",           98,  29, 57, 16,   "LT",   3,  "0",            {"System", 11, false, true}, true},
  {"StaticText6", Create<fw::StaticText, &Window1::StaticText6>,  "",           22,  11, 70, 16,   "LT",   4,  "Last update:", {"System", 11},           true},
  {"StaticText7", Create<fw::StaticText, &Window1::StaticText7>,  "",           22,  29, 70, 16,   "LT",   5,  "Records:",     {"System", 11},           true},
  {"Separator2",  Create<fw::Separator, &Window1::Separator2>,    "",           0,   50, 620, 4,   "LTR",  6,  nullptr,        kNoText,                  true},
  {"addbtn",      Create<fw::BevelButton, &Window1::addbtn>,      "",           164, 408, 24, 24,  "LB",   7,  "+",            {"System", 14, true},     false},
  {"delBtn",      Create<fw::BevelButton, &Window1::delBtn>,      "",           189, 408, 24, 24,  "LB",   8,  "-",            {"System", 14, true},     false},
  {"lockBtn",     Create<fw::BevelButton, &Window1::lockBtn>,     "",           20,  408, 97, 36,  "LB",   9,  "Unlock",       {"System", 12},           true},
}};
// clang-format on

bool Has(const char* flags, char flag) { return std::string(flags).find(flag) != std::string::npos; }

void SetText(fw::RectControl& control, const std::string& text) {
  if (auto* c = dynamic_cast<fw::PushButton*>(&control)) c->Caption(text);
  else if (auto* c = dynamic_cast<fw::BevelButton*>(&control)) c->Caption(text);
  else if (auto* c = dynamic_cast<fw::GroupBox*>(&control)) c->Caption(text);
  else if (auto* c = dynamic_cast<fw::TextEdit*>(&control)) c->Text(text);
  else if (auto* c = dynamic_cast<fw::StaticText*>(&control)) c->Text(text);
}

void ApplyRow(Window1& window, const ControlRow& row) {
  fw::RectControl& control = row.create(window, row.name);
  if (*row.parent != '\0') control.Parent(window.FindControl(row.parent));
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

constexpr fw::Color kBlack{0, 0, 0};
constexpr fw::Color kWhite{255, 255, 255};

constexpr fw::WindowProperties kWindow{
    .title = "Kavro2", .width = 620, .height = 455,
    .minWidth = 450, .minHeight = 300, .maxWidth = 32000, .maxHeight = 32000,
    .placement = 2, .frame = 0, .hasBackColor = false, .backColor = kWhite,
    .closeButton = true, .resizeable = true, .liveResize = true, .maximizeButton = false, .minimizeButton = true,
    .visible = true, .menuBarVisible = true};

void StyleEntryField(fw::TextEdit& field) {
  field.TextColor(kBlack);
  field.BackColor(kWhite);
  field.ReadOnly(false);
  if (auto* line = dynamic_cast<fw::TextField*>(&field)) {
    line->Alignment(0);
    line->LimitText(0);
  }
}

// The events the window answers; every other event keeps its default.
void BindHandlers(Window1& w) {
  w.Splitview1->Open = [&w] { w.Splitview1_Open(); };
  w.Splitview1->CanCollapseSubview = [&w](fw::RectControl& subview) { return w.Splitview1_CanCollapseSubview(subview); };
  w.Splitview1->MinSizeOfSubview = [&w](fw::RectControl& subview, int32_t& size) {
    return w.Splitview1_MinSizeOfSubview(subview, size);
  };
  w.ListBox1->Change = [&w] { w.ListBox1_Change(); };
  w.descrFld->TextChange = [&w] { w.descrFld_TextChange(); };
  w.saveBtn->Action = [&w] { w.saveBtn_Action(); };
  w.Canvas1->MouseEnter = [&w] { w.Canvas1_MouseEnter(); };
  w.Canvas1->MouseExit = [&w] { w.Canvas1_MouseExit(); };
  w.goBtn->Action = [&w] { w.goBtn_Action(); };
  w.addbtn->Action = [&w] { w.addbtn_Action(); };
  w.delBtn->Action = [&w] { w.delBtn_Action(); };
  w.lockBtn->Action = [&w] { w.lockBtn_Action(); };
}

}  // namespace

Window1::Window1() = default;

void Window1::Layout() {
  MenuBar(&fw::Shared<MenuBar1>());
  fw::ApplyProperties(*this, kWindow);
}

void Window1::CreateControls() { CreateControls0(); }

void Window1::CreateControls0() {
  for (const ControlRow& row : kControls) ApplyRow(*this, row);

  // What the table's columns do not hold.
  Splitview1->DoubleBuffer(false);
  Splitview1->EraseBackground(true);  // the split view turns it off when it opens
  Splitview1->AcceptFocus(false);

  ListBox1->ColumnCount(5);
  // Only the description shows; the other four columns hold the entry's fields.
  ListBox1->ColumnWidths("*,0,0,0,0");
  ListBox1->HasHeading(true);
  ListBox1->InitialValue("Password list");
  ListBox1->HeadingIndex(-1);
  ListBox1->GridLinesHorizontal(2);
  ListBox1->EnableDragReorder(true);
  ListBox1->HelpTag(
      "Use the Up and Down arrow keys to move up and down in the list.\r"
      "Or, to move to a specific entry, simply type the first letters of the entry name.");

  for (fw::TextEdit* field : TextEdits{descrFld, userFld, pswdFld, urlFld, noteFld})
    StyleEntryField(*field);
  pswdFld->Password(true);
  noteFld->ScrollbarVertical(true);
  noteFld->ScrollbarHorizontal(false);

  for (fw::StaticText* label : {StaticText1, StaticText2, StaticText3, StaticText4, StaticText5, lastUpdated,
                                counter, StaticText6, StaticText7}) {
    label->TextAlign(0);
    label->Multiline(false);
    label->TextColor(kBlack);
  }

  // Return and Escape trigger neither button.
  for (fw::PushButton* button : {saveBtn, goBtn}) {
    button->Default(false);
    button->Cancel(false);
  }

  Canvas1->Backdrop(eye());
  Canvas1->AcceptFocus(false);
  Canvas1->DoubleBuffer(false);
  Canvas1->EraseBackground(true);

  for (fw::BevelButton* button : {addbtn, delBtn}) {
    button->Bevel(0);
    button->CaptionAlign(3);
    button->CaptionPlacement(1);
  }
  addbtn->HelpTag("Click the plus button to add an entry");
  delBtn->HelpTag("Click the minus button to delete the selected entry");

  lockBtn->Icon(locked());
  lockBtn->Bevel(4);
  lockBtn->CaptionAlign(3);
  lockBtn->CaptionPlacement(2);
  lockBtn->IconAlign(0);
  lockBtn->IconDX(5);
  lockBtn->IconDY(0);

  BindHandlers(*this);
}
