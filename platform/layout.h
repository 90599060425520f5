#pragma once
// Reads a window layout: builds the widgets, menu and placeholders it names.
#include <string>

class QMainWindow;

// Throws std::invalid_argument for a layout that does not exist.
void ReadLayout(const std::string& name, QMainWindow& window);
