#pragma once
// The program's start-up: sets up the application, creates the main window and
// runs the message loop. Returns the exit code.
int RunZorvikVexo(int argc, char** argv);
