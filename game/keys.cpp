#include "mainwin/mainwin.h"

void TMainWindow::StartGame() {}
void TMainWindow::FormKeyDown(TObject*, uint16_t&, TShiftState) {}
void TMainWindow::mnPlayerInfoClick(TObject*) {}
void TMainWindow::mnStartVexoClick(TObject*) {}
