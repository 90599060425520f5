#include "mainwin/mainwin.h"

void TMainWindow::EnterClick(TObject*) {}
void TMainWindow::PlayerListDblClick(TObject*) {}
void TMainWindow::PlayerListKeyPress(TObject*, char&) {}
void TMainWindow::NewEntryKeyPress(TObject*, char&) {}
void TMainWindow::DeleteClick(TObject*) {}
void TMainWindow::mnChangePlayerClick(TObject*) {}
