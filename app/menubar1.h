#pragma once
#include "framework/fw_menu.h"

// The application's menu bar: File with the application's commands, Edit with
// the framework's editing commands. Handlers find the items by Name.
class MenuBar1 : public fw::MenuBar {
 public:
  MenuBar1();
  virtual void Untitled0();  // the File menu
  virtual void Untitled1();  // the Edit menu
};
