#include "mainwindow/window1.h"

void Window1::Splitview1_Open() {}
bool Window1::Splitview1_CanCollapseSubview(fw::RectControl& subview) {
  (void)subview;
  return false;
}
bool Window1::Splitview1_MinSizeOfSubview(fw::RectControl& subview, int32_t& size) {
  (void)subview;
  (void)size;
  return false;
}
void Window1::ListBox1_Change() {}
void Window1::descrFld_TextChange() {}
void Window1::saveBtn_Action() {}
void Window1::Canvas1_MouseEnter() {}
void Window1::Canvas1_MouseExit() {}
void Window1::addbtn_Action() {}
void Window1::delBtn_Action() {}
