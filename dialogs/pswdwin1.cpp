#include "dialogs/pswdwin1.h"

#include "app/app.h"
#include "app/pictures.h"
#include "framework/fw_application.h"
#include "framework/fw_shared.h"
#include "framework/fw_window_properties.h"
#include "mainwindow/window1.h"

namespace {

constexpr fw::WindowProperties kWindow{
    .title = "Password...", .width = 413, .height = 161,
    .minWidth = 64, .minHeight = 64, .maxWidth = 32000, .maxHeight = 32000,
    .placement = 0, .frame = 1, .hasBackColor = true, .backColor = {255, 255, 255},
    .closeButton = false, .resizeable = false, .liveResize = false, .maximizeButton = false, .minimizeButton = true,
    .visible = true, .menuBarVisible = true};

// Every control of the prompt keeps its distance to the top left corner.
template <class C>
C& Place(C& control, int left, int top, int width, int height, int tabIndex) {
  control.SetBounds(left, top, width, height);
  control.SetAnchors(true, true, false, false);
  control.TabIndex(tabIndex);
  return control;
}

fw::StaticText& Label(fw::Window& window, const std::string& name, const std::string& text) {
  auto& label = window.AddControl<fw::StaticText>(name);
  label.Text(text);
  label.TextAlign(0);
  label.TextColor(fw::RGB(0, 0, 0));
  return label;
}

}  // namespace

void pswdWin1::Layout() { fw::ApplyProperties(*this, kWindow); }

void pswdWin1::CreateControls() { CreateControls0(); }

void pswdWin1::CreateControls0() {
  StaticText2 = &Place(Label(*this, "StaticText2", "Please enter your password."), 89, 44, 313, 20, 0);
  StaticText2->Multiline(false);
  StaticText3 = &Place(Label(*this, "StaticText3", "Password:"), 89, 76, 75, 20, 1);

  EditField1 = &Place(AddControl<fw::TextField>("EditField1"), 163, 75, 193, 22, 2);
  EditField1->Password(true);
  EditField1->TextColor(fw::RGB(0, 0, 0));
  EditField1->BackColor(fw::RGB(255, 255, 255));

  PushButton1 = &Place(AddControl<fw::PushButton>("PushButton1"), 276, 121, 80, 20, 3);
  PushButton1->Caption("OK");
  PushButton1->Default(true);
  PushButton1->Action = [this] { PushButton1_Action(); };

  PushButton2 = &Place(AddControl<fw::PushButton>("PushButton2"), 184, 121, 80, 20, 4);
  PushButton2->Caption("Cancel");
  PushButton2->Cancel(true);
  PushButton2->Action = [this] { PushButton2_Action(); };

  Canvas1 = &Place(AddControl<fw::Canvas>("Canvas1"), 13, 21, 64, 64, 5);
  Canvas1->Backdrop(newIcon64());
  Canvas1->AcceptFocus(false);

  pswdError = &Place(Label(*this, "pswdError", "Wrong password..."), 163, 97, 193, 20, 6);
  pswdError->TextSize(10);
  pswdError->Bold(true);
  pswdError->TextColor(fw::RGB(255, 0, 0));
  pswdError->Visible(false);

  StaticText4 = &Place(Label(*this, "StaticText4", "Kavro"), 89, 14, 313, 20, 7);
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
