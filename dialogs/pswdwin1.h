#pragma once
#include "framework/fw_controls.h"
#include "framework/fw_window.h"

// The master-password prompt: shown at every start and by the main window's
// lock button. Each accepted password toggles the main window's lock; Cancel
// quits. Reached as fw::Shared<pswdWin1>(); a closed prompt is gone, so every
// opening starts with an empty field and no error shown.
class pswdWin1 : public fw::Window {
 public:
  // The controls, in creation order; set while the window builds.
  fw::StaticText* StaticText2 = nullptr;
  fw::StaticText* StaticText3 = nullptr;
  fw::TextField* EditField1 = nullptr;
  fw::PushButton* PushButton1 = nullptr;
  fw::PushButton* PushButton2 = nullptr;
  fw::Canvas* Canvas1 = nullptr;
  fw::StaticText* pswdError = nullptr;
  fw::StaticText* StaticText4 = nullptr;

  // OK and Cancel.
  void PushButton1_Action();
  void PushButton2_Action();

 protected:
  void Layout() override;
  void CreateControls() override;
  void CreateControls0();
};
