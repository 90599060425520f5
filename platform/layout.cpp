#include "platform/layout.h"

#include <QMainWindow>
#include <stdexcept>

#include "ui_mainwin.h"

void ReadLayout(const std::string& name, QMainWindow& window) {
    if (name == "mainwin") {
        Ui::MainWin ui;
        ui.setupUi(&window);
        return;
    }
    throw std::invalid_argument("no window layout named " + name);
}
