// Building the main window: its own properties, then its 25 controls from one
// table in creation order (a parent always before the controls inside it, the
// list before the group box so that the split view takes them in that order).
#include <array>
#include <string>
#include <vector>

#include "app/menubar1.h"
#include "app/pictures.h"
#include "framework/fw_color.h"
#include "framework/fw_control_table.h"
#include "framework/fw_shared.h"
#include "framework/fw_window_properties.h"
#include "mainwindow/window1.h"

namespace {

using fw::Create;
using fw::kNoText;
using fw::kSystemFont;
using TextEdits = std::vector<fw::TextEdit*>;

// clang-format off
const std::array<fw::ControlRow, 25> kControls{{
  {"Splitview1",  Create<&Window1::Splitview1>,  "",           20,  60,  580, 331, 0,  nullptr,        kNoText,                     "LTRB", true},
  {"ListBox1",    Create<&Window1::ListBox1>,    "Splitview1", 22,  65,  191, 321, 0,  nullptr,        {"System", 12},              "LT",   false},
  {"GroupBox1",   Create<&Window1::GroupBox1>,   "Splitview1", 241, 65,  345, 321, 1,  "Edit",         {"System", 14},              "LT",   true},
  {"descrFld",    Create<&Window1::descrFld>,    "GroupBox1",  343, 100, 225, 22,  0,  "",             {"System", 14, true},        "LTR",  true},
  {"userFld",     Create<&Window1::userFld>,     "GroupBox1",  343, 134, 225, 22,  1,  "",             {"Monaco", 12},              "LTR",  true},
  {"pswdFld",     Create<&Window1::pswdFld>,     "GroupBox1",  343, 167, 200, 22,  2,  "",             {"Monaco", 12},              "LTR",  true},
  {"urlFld",      Create<&Window1::urlFld>,      "GroupBox1",  343, 202, 225, 22,  3,  "",             kSystemFont,                 "LTR",  true},
  {"noteFld",     Create<&Window1::noteFld>,     "GroupBox1",  343, 236, 225, 142, 4,  "",             {"Monaco", 14},              "LTRB", true},
  {"StaticText1", Create<&Window1::StaticText1>, "GroupBox1",  260, 100, 75,  20,  5,  "Description",  kSystemFont,                 "LT",   true},
  {"StaticText2", Create<&Window1::StaticText2>, "GroupBox1",  261, 134, 75,  20,  6,  "User name",    kSystemFont,                 "LT",   true},
  {"StaticText3", Create<&Window1::StaticText3>, "GroupBox1",  260, 168, 75,  20,  7,  "Password",     kSystemFont,                 "LT",   true},
  {"StaticText4", Create<&Window1::StaticText4>, "GroupBox1",  263, 202, 75,  20,  8,  "URL",          kSystemFont,                 "LT",   true},
  {"StaticText5", Create<&Window1::StaticText5>, "GroupBox1",  260, 236, 75,  20,  9,  "Note",         kSystemFont,                 "LT",   true},
  {"saveBtn",     Create<&Window1::saveBtn>,     "GroupBox1",  252, 354, 79,  20,  10, "Save",         kSystemFont,                 "LB",   false},
  {"Canvas1",     Create<&Window1::Canvas1>,     "GroupBox1",  547, 168, 36,  24,  11, nullptr,        kNoText,                     "TR",   true},
  {"goBtn",       Create<&Window1::goBtn>,       "",           492, 418, 108, 20,  0,  "Go",           kSystemFont,                 "RB",   false},
  {"Separator1",  Create<&Window1::Separator1>,  "",           0,   400, 620, 4,   1,  nullptr,        kNoText,                     "LRB",  true},
  {"lastUpdated", Create<&Window1::lastUpdated>, "",           98,  11,  260, 16,  0,  "...",          {"System", 11, false, true}, "LT",   true},
  {"counter",     Create<&Window1::counter>,     "",           98,  29,  57,  16,  3,  "0",            {"System", 11, false, true}, "LT",   true},
  {"StaticText6", Create<&Window1::StaticText6>, "",           22,  11,  70,  16,  4,  "Last update:", {"System", 11},              "LT",   true},
  {"StaticText7", Create<&Window1::StaticText7>, "",           22,  29,  70,  16,  5,  "Records:",     {"System", 11},              "LT",   true},
  {"Separator2",  Create<&Window1::Separator2>,  "",           0,   50,  620, 4,   6,  nullptr,        kNoText,                     "LTR",  true},
  {"addbtn",      Create<&Window1::addbtn>,      "",           164, 408, 24,  24,  7,  "+",            {"System", 14, true},        "LB",   false},
  {"delBtn",      Create<&Window1::delBtn>,      "",           189, 408, 24,  24,  8,  "-",            {"System", 14, true},        "LB",   false},
  {"lockBtn",     Create<&Window1::lockBtn>,     "",           20,  408, 97,  36,  9,  "Unlock",       {"System", 12},              "LB",   true},
}};
// clang-format on

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
  fw::CreateFromTable(*this, kControls);

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
