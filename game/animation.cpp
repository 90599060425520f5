#include "mainwin/mainwin.h"

void TMainWindow::AnimeTimer(TObject*) {}
