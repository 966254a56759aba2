#include "mainwindow/window1.h"

Window1::Window1() = default;

void Window1::Layout() {}

void Window1::CreateControls() { CreateControls0(); }

void Window1::CreateControls0() {}
