// The preferences window: its properties, its ten controls from one table, the
// settings shown when it opens, OK and Cancel.
#include "dialogs/prefswin.h"

#include <array>

#include "app/app.h"
#include "app/pictures.h"
#include "framework/fw_control_table.h"
#include "framework/fw_shared.h"
#include "framework/fw_window_properties.h"
#include "mainwindow/window1.h"

namespace {

using fw::Create;
using fw::kNoText;
using fw::kSystemFont;

constexpr fw::ControlFont kGroupTitle{"System", 14};

// clang-format off
const std::array<fw::ControlRow, 10> kControls{{
  {"GroupBox2",    Create<&prefsWin::GroupBox2>,    "",          20,  30,  340, 126, 0, "'Go' settings",                             kGroupTitle},
  {"RadioButton1", Create<&prefsWin::RadioButton1>, "GroupBox2", 60,  102, 147, 20,  0, "the password",                              kSystemFont},
  {"RadioButton2", Create<&prefsWin::RadioButton2>, "GroupBox2", 60,  126, 147, 20,  1, "the user name",                             kSystemFont},
  {"StaticText1",  Create<&prefsWin::StaticText1>,  "GroupBox2", 46,  70,  287, 20,  2, "When opening an URL (button 'Go'), copy:", kSystemFont},
  {"GroupBox1",    Create<&prefsWin::GroupBox1>,    "",          20,  168, 340, 107, 1, "Security settings",                         kGroupTitle},
  {"Checkbox1",    Create<&prefsWin::Checkbox1>,    "GroupBox1", 60,  213, 205, 20,  0, "On exit, clear the Clipboard",              kSystemFont},
  {"Checkbox2",    Create<&prefsWin::Checkbox2>,    "GroupBox1", 60,  239, 240, 20,  1, "Show the 'password in clear' icon",         kSystemFont},
  {"Canvas1",      Create<&prefsWin::Canvas1>,      "GroupBox1", 298, 239, 36,  23,  2, nullptr,                                     kNoText},
  {"PushButton1",  Create<&prefsWin::PushButton1>,  "",          201, 296, 80,  20,  2, "OK",                                        kSystemFont},
  {"PushButton2",  Create<&prefsWin::PushButton2>,  "",          109, 296, 80,  20,  3, "Cancel",                                    kSystemFont},
}};
// clang-format on

constexpr fw::Color kBlack{0, 0, 0};
constexpr fw::Color kWhite{255, 255, 255};

constexpr fw::WindowProperties kWindow{
    .title = "Untitled", .width = 380, .height = 336,
    .minWidth = 64, .minHeight = 64, .maxWidth = 32000, .maxHeight = 32000,
    .placement = 0, .frame = 8, .hasBackColor = false, .backColor = kWhite,
    .closeButton = true, .resizeable = false, .liveResize = false, .maximizeButton = false, .minimizeButton = true,
    .visible = true, .menuBarVisible = true};

// The eye picture takes 25 pixels beside the password field.
constexpr int kEyeRoom = 25;

// Shows or hides the main window's eye as App's showPswd says; with the eye
// shown, the password field leaves it room beside the user name field's width.
void ApplyShowPswdToMainWindow() {
  // A main window that is not open yet applies the same rule as it opens;
  // building it here would make it read the preferences file over the
  // settings just chosen.
  if (!fw::SharedExists<Window1>()) return;
  Window1& main = fw::Shared<Window1>();
  bool show = fw::Shared<App>().showPswd == "yes";
  main.Canvas1->Visible(show);
  main.pswdFld->Width(show ? main.userFld->Width() - kEyeRoom : main.userFld->Width());
}

}  // namespace

void prefsWin::Layout() { fw::ApplyProperties(*this, kWindow); }

void prefsWin::CreateControls() { CreateControls0(); }

void prefsWin::CreateControls0() {
  fw::CreateFromTable(*this, kControls);

  for (fw::RadioButton* radio : {RadioButton1, RadioButton2}) {
    radio->Value(false);
    radio->TabStop(true);
  }
  for (fw::CheckBox* box : {Checkbox1, Checkbox2}) {
    box->Value(false);
    box->TabStop(true);
  }
  StaticText1->TextAlign(0);
  StaticText1->TextColor(kBlack);
  StaticText1->Multiline(false);

  Canvas1->Backdrop(eye());
  Canvas1->EraseBackground(true);
  Canvas1->DoubleBuffer(false);
  Canvas1->AcceptFocus(false);

  PushButton1->Default(true);
  PushButton1->Cancel(false);
  PushButton2->Default(false);
  PushButton2->Cancel(true);

  PushButton1->Action = [this] { PushButton1_Action(); };
  PushButton2->Action = [this] { PushButton2_Action(); };
}

void prefsWin::Event_Open() {
  const App& app = fw::Shared<App>();
  if (app.whatToCopy == "pswd") RadioButton1->Value(true);
  else RadioButton2->Value(true);
  Checkbox1->Value(app.clearPswd == "yes");
  Checkbox2->Value(app.showPswd == "yes");
}

void prefsWin::PushButton1_Action() {
  App& app = fw::Shared<App>();
  app.clearPswd = Checkbox1->Value() ? "yes" : "no";
  app.showPswd = Checkbox2->Value() ? "yes" : "no";
  app.whatToCopy = RadioButton1->Value() ? "pswd" : "name";
  ApplyShowPswdToMainWindow();
  Close();
}

void prefsWin::PushButton2_Action() { Close(); }
