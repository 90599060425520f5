#include "mainwin/mainwin.h"

void TMainWindow::ReadPlayerFile() {}
void TMainWindow::SavePlayer() {}
void TMainWindow::LoadPlayer(const char*) {}
void TMainWindow::DeletePlayer(const char*) {}
