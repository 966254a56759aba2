// Built as program code by the Qt seam test, which passes only when this
// include fails: the program reaches Qt through the framework alone.
#include <QWidget>

#include "mainwindow/store_format.h"

int ProgramCodeThatUsesQt() { return QWidget().isVisible() ? 1 : 0; }
