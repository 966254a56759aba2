#include "app/pictures.h"
#include "dialogs/pswdwin1.h"
#include "framework/fw_shared.h"
#include "mainwindow/window1.h"

namespace {

// The commands that need an unlocked store; the entry fields stay as they are.
void Unlock(Window1& w) {
  w.lockBtn->Caption("Lock");
  w.lockBtn->Icon(unlocked());
  w.ListBox1->Enabled(true);
  w.saveBtn->Enabled(true);
  w.addbtn->Enabled(true);
  w.goBtn->Enabled(true);
}

// Clearing the selection goes through the list's Change, which empties the
// entry fields, so nothing of an entry stays on show while locked. With no row
// selected there is no change to raise, and the fields may still hold what was
// typed into them: they are emptied all the same.
void Lock(Window1& w) {
  w.lockBtn->Caption("Unlock");
  w.lockBtn->Icon(locked());
  w.ListBox1->Enabled(false);
  const bool rowWasSelected = w.ListBox1->ListIndex() > -1;
  w.ListBox1->ListIndex(-1);
  if (!rowWasSelected) w.ListBox1_Change();
  w.saveBtn->Enabled(false);
  w.delBtn->Enabled(false);
  w.addbtn->Enabled(false);
  w.goBtn->Enabled(false);
}

}  // namespace

bool Window1::IsLocked() const { return lockBtn == nullptr || lockBtn->Caption() == "Unlock"; }

void Window1::ToggleLock() {
  if (IsLocked()) {
    Unlock(*this);
  } else {
    Lock(*this);
  }
}

void Window1::lockBtn_Action() { fw::Shared<pswdWin1>().Show(); }
