#include "mainwin/mainwin.h"

void TMainWindow::DrawPlayfield() {}
void TMainWindow::FormatSeconds(char*, int32_t) {}
void TMainWindow::DrawLetter(int32_t, int32_t, char) {}
void TMainWindow::DrawBackground() {}
void TMainWindow::CopyToScreen(int32_t, int32_t, int32_t, int32_t) {}
void TMainWindow::PresentScreen() {}
void TMainWindow::DrawBomb(int32_t, int32_t, int32_t) {}
void TMainWindow::DrawRestore(int32_t, int32_t, int32_t) {}
