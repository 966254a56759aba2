#include "mainwindow/window1.h"

bool Window1::IsLocked() const { return lockBtn == nullptr || lockBtn->Caption() == "Unlock"; }
void Window1::ToggleLock() {}
void Window1::lockBtn_Action() {}
