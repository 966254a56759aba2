// The change-password window: its properties, its ten controls from one table,
// OK and Cancel.
#include "dialogs/pswdwin2.h"

#include <array>

#include "app/app.h"
#include "app/pictures.h"
#include "framework/fw_control_table.h"
#include "framework/fw_dialogs.h"
#include "framework/fw_shared.h"
#include "framework/fw_strings.h"
#include "framework/fw_window_properties.h"

namespace {

using fw::Create;
using fw::kNoText;
using fw::kSystemFont;

// clang-format off
const std::array<fw::ControlRow, 10> kControls{{
  {"StaticText1", Create<&pswdWin2::StaticText1>, "", 92,  29,  134, 20, 0, "Change password", {"System", 0, true}},
  {"StaticText3", Create<&pswdWin2::StaticText3>, "", 92,  72,  95,  20, 1, "Old Password:",   kSystemFont},
  {"oldPswd",     Create<&pswdWin2::oldPswd>,     "", 196, 71,  193, 22, 2, "",                kSystemFont},
  {"PushButton1", Create<&pswdWin2::PushButton1>, "", 309, 181, 80,  20, 3, "OK",              kSystemFont},
  {"PushButton2", Create<&pswdWin2::PushButton2>, "", 217, 181, 80,  20, 4, "Cancel",          kSystemFont},
  {"Canvas1",     Create<&pswdWin2::Canvas1>,     "", 16,  28,  64,  64, 5, nullptr,           kNoText},
  {"StaticText4", Create<&pswdWin2::StaticText4>, "", 92,  119, 95,  20, 6, "New Password:",   kSystemFont},
  {"newPswd",     Create<&pswdWin2::newPswd>,     "", 196, 118, 193, 22, 7, "",                kSystemFont},
  {"StaticText5", Create<&pswdWin2::StaticText5>, "", 92,  149, 95,  20, 8, "Confirm:",        kSystemFont},
  {"confirmPswd", Create<&pswdWin2::confirmPswd>, "", 196, 147, 193, 22, 9, "",                kSystemFont},
}};
// clang-format on

constexpr fw::Color kBlack{0, 0, 0};
constexpr fw::Color kWhite{255, 255, 255};

constexpr fw::WindowProperties kWindow{
    .title = "Untitled", .width = 409, .height = 221,
    .minWidth = 64, .minHeight = 64, .maxWidth = 32000, .maxHeight = 32000,
    .placement = 0, .frame = 8, .hasBackColor = true, .backColor = kWhite,
    .closeButton = true, .resizeable = false, .liveResize = false, .maximizeButton = false, .minimizeButton = true,
    .visible = true, .menuBarVisible = true};

void StylePasswordField(fw::TextField& field) {
  field.Password(true);
  field.TextColor(kBlack);
  field.BackColor(kWhite);
  field.ReadOnly(false);
  field.LimitText(0);
  field.TabStop(true);
}

// The messages of OK, their lines joined with CR.
std::string WrongOldPasswordMessage() {
  const std::string cr = fw::Chr(13);
  return "Error" + cr + cr + "The entered password is not valid." + cr + "Please try with another one...";
}

std::string NotConfirmedMessage() {
  const std::string cr = fw::Chr(13);
  return "Error" + cr + cr + "The entered password was not confirmed." + cr + "Please try again...";
}

}  // namespace

void pswdWin2::Layout() { fw::ApplyProperties(*this, kWindow); }

void pswdWin2::CreateControls() { CreateControls0(); }

void pswdWin2::CreateControls0() {
  fw::CreateFromTable(*this, kControls);

  for (fw::StaticText* label : {StaticText1, StaticText3, StaticText4, StaticText5}) {
    label->TextColor(kBlack);
    label->TextAlign(0);
    label->Multiline(false);
  }
  for (fw::TextField* field : {oldPswd, newPswd, confirmPswd}) StylePasswordField(*field);
  PushButton1->Default(true);
  PushButton2->Cancel(true);
  Canvas1->Backdrop(newIcon64());
  Canvas1->AcceptFocus(false);

  PushButton1->Action = [this] { PushButton1_Action(); };
  PushButton2->Action = [this] { PushButton2_Action(); };
}

void pswdWin2::PushButton1_Action() {
  App& app = fw::Shared<App>();
  if (oldPswd->Text() != app.pswd) {
    fw::MsgBox(WrongOldPasswordMessage());
  } else if (newPswd->Text() != confirmPswd->Text()) {
    fw::MsgBox(NotConfirmedMessage());
  } else {
    app.pswd = newPswd->Text();
  }
  Close();
}

void pswdWin2::PushButton2_Action() { Close(); }
