#pragma once
#include "framework/fw_controls.h"
#include "framework/fw_window.h"

// The preferences window: what Go copies, whether quitting empties the
// clipboard, whether the main window shows the eye. It opens on App's current
// settings; OK stores the choices in App (the preferences file takes them when
// the main window closes) and shows or hides the eye at once. Cancel and the
// close box change nothing. Reached as fw::Shared<prefsWin>().
class prefsWin : public fw::Window {
 public:
  // The controls, in creation order; set while the window builds.
  fw::GroupBox* GroupBox2 = nullptr;
  fw::RadioButton* RadioButton1 = nullptr;
  fw::RadioButton* RadioButton2 = nullptr;
  fw::StaticText* StaticText1 = nullptr;
  fw::GroupBox* GroupBox1 = nullptr;
  fw::CheckBox* Checkbox1 = nullptr;
  fw::CheckBox* Checkbox2 = nullptr;
  fw::Canvas* Canvas1 = nullptr;
  fw::PushButton* PushButton1 = nullptr;
  fw::PushButton* PushButton2 = nullptr;

  void PushButton1_Action();  // OK
  void PushButton2_Action();  // Cancel

 protected:
  void Layout() override;
  void CreateControls() override;
  void CreateControls0();
  void Event_Open() override;
};

