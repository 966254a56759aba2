#include "mainwindow/window1.h"

void Window1::Event_Open() { loadPrefs(); }
void Window1::Event_Moved() {}
void Window1::Event_Resized() {}
bool Window1::Event_CancelClose(bool appQuitting) {
  (void)appQuitting;
  return false;
}
void Window1::loadPrefs() {}
void Window1::savePrefs() {}
