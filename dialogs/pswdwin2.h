#pragma once
#include "framework/fw_controls.h"
#include "framework/fw_window.h"

// The change-password window: the current master password once, the new one
// twice. OK changes App's password in memory (the preferences file takes it
// when the main window closes); OK closes the window whatever the outcome.
// Reached as fw::Shared<pswdWin2>().
class pswdWin2 : public fw::Window {
 public:
  // The controls, in creation order; set while the window builds.
  fw::StaticText* StaticText1 = nullptr;
  fw::StaticText* StaticText3 = nullptr;
  fw::TextField* oldPswd = nullptr;
  fw::PushButton* PushButton1 = nullptr;
  fw::PushButton* PushButton2 = nullptr;
  fw::Canvas* Canvas1 = nullptr;
  fw::StaticText* StaticText4 = nullptr;
  fw::TextField* newPswd = nullptr;
  fw::StaticText* StaticText5 = nullptr;
  fw::TextField* confirmPswd = nullptr;

  void PushButton1_Action();  // OK
  void PushButton2_Action();  // Cancel

 protected:
  void Layout() override;
  void CreateControls() override;
  void CreateControls0();
};

