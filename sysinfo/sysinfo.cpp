#include "mainwin/mainwin.h"

void TMainWindow::mnVersionInfoClick(TObject*) {}
