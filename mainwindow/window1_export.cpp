#include "mainwindow/window1.h"

void Window1::Export() {}
