#include "dialogs/pswdwin1.h"

#include <array>

#include "app/app.h"
#include "app/pictures.h"
#include "framework/fw_application.h"
#include "framework/fw_control_table.h"
#include "framework/fw_shared.h"
#include "framework/fw_window_properties.h"
#include "mainwindow/window1.h"

namespace {

using fw::Create;
using fw::kDefaultFont;
using fw::kNoText;

constexpr fw::WindowProperties kWindow{
    .title = "Password...", .width = 413, .height = 161,
    .minWidth = 64, .minHeight = 64, .maxWidth = 32000, .maxHeight = 32000,
    .placement = 0, .frame = 1, .hasBackColor = true, .backColor = {255, 255, 255},
    .closeButton = false, .resizeable = false, .liveResize = false, .maximizeButton = false, .minimizeButton = true,
    .visible = true, .menuBarVisible = true};

// clang-format off
const std::array<fw::ControlRow, 8> kControls{{
  {"StaticText2", Create<&pswdWin1::StaticText2>, "", 89,  44,  313, 20, 0, "Please enter your password.", kDefaultFont},
  {"StaticText3", Create<&pswdWin1::StaticText3>, "", 89,  76,  75,  20, 1, "Password:",                   kDefaultFont},
  {"EditField1",  Create<&pswdWin1::EditField1>,  "", 163, 75,  193, 22, 2, nullptr,                       kDefaultFont},
  {"PushButton1", Create<&pswdWin1::PushButton1>, "", 276, 121, 80,  20, 3, "OK",                          kDefaultFont},
  {"PushButton2", Create<&pswdWin1::PushButton2>, "", 184, 121, 80,  20, 4, "Cancel",                      kDefaultFont},
  {"Canvas1",     Create<&pswdWin1::Canvas1>,     "", 13,  21,  64,  64, 5, nullptr,                       kNoText},
  {"pswdError",   Create<&pswdWin1::pswdError>,   "", 163, 97,  193, 20, 6, "Wrong password...",           kDefaultFont},
  {"StaticText4", Create<&pswdWin1::StaticText4>, "", 89,  14,  313, 20, 7, "Kavro",                       kDefaultFont},
}};
// clang-format on

}  // namespace

void pswdWin1::Layout() { fw::ApplyProperties(*this, kWindow); }

void pswdWin1::CreateControls() { CreateControls0(); }

void pswdWin1::CreateControls0() {
  fw::CreateFromTable(*this, kControls);

  for (fw::StaticText* label : {StaticText2, StaticText3, pswdError, StaticText4}) {
    label->TextAlign(0);
    label->TextColor(fw::RGB(0, 0, 0));
  }
  StaticText2->Multiline(false);

  EditField1->Password(true);
  EditField1->TextColor(fw::RGB(0, 0, 0));
  EditField1->BackColor(fw::RGB(255, 255, 255));

  PushButton1->Default(true);
  PushButton1->Action = [this] { PushButton1_Action(); };
  PushButton2->Cancel(true);
  PushButton2->Action = [this] { PushButton2_Action(); };

  Canvas1->Backdrop(newIcon64());
  Canvas1->AcceptFocus(false);

  pswdError->TextSize(10);
  pswdError->Bold(true);
  pswdError->TextColor(fw::RGB(255, 0, 0));
  pswdError->Visible(false);

  StaticText4->Bold(true);
}

void pswdWin1::PushButton1_Action() {
  App& app = fw::Shared<App>();
  if (EditField1->Text() != app.pswd) {
    pswdError->Visible(true);
    return;
  }
  Window1& main = fw::Shared<Window1>();
  // Opening the main window ends the run when a store file cannot be read:
  // then nothing is unlocked, and flag stays as it was so that nothing is saved.
  if (fw::QuitInProgress()) return;
  main.ToggleLock();
  app.flag = "true";
  Close();
  main.Show();
}

void pswdWin1::PushButton2_Action() {
  Close();
  fw::SetExitStatus(0);
  fw::Quit();
}
