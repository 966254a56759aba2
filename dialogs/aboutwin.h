#pragma once
#include <cstdint>
#include <string>

#include "framework/fw_controls.h"
#include "framework/fw_window.h"

// The about window: the product, its version, the author's e-mail address and
// web site as two links, and a donation button. Any key, a click on the window
// or on a link closes it; the donation button leaves it open. Reached as
// fw::Shared<aboutWin>().
class aboutWin : public fw::Window {
 public:
  // The controls, in creation order; set while the window builds.
  fw::GroupBox* GroupBox1 = nullptr;
  fw::StaticText* StaticText2 = nullptr;
  fw::StaticText* StaticText1 = nullptr;
  fw::Canvas* Canvas1 = nullptr;
  fw::StaticText* StaticText3 = nullptr;
  fw::StaticText* StaticText4 = nullptr;  // the e-mail link
  fw::StaticText* StaticText5 = nullptr;  // the web link
  fw::BevelButton* BevelButton1 = nullptr;
  fw::StaticText* StaticText6 = nullptr;

  bool StaticText4_MouseDown(int32_t x, int32_t y);
  void StaticText4_MouseEnter();
  void StaticText4_MouseExit();
  void StaticText5_MouseEnter();
  void StaticText5_MouseExit();
  bool StaticText5_MouseDown(int32_t x, int32_t y);
  void BevelButton1_Action();

 protected:
  void Layout() override;
  void CreateControls() override;
  void CreateControls0();
  bool Event_KeyDown(const std::string& key) override;
  bool Event_MouseDown(int x, int y) override;
};
