#include "platform/layout.h"

#include <QMainWindow>
#include <stdexcept>

#include "ui_mainwin.h"

// The pictures are linked in from a static library: register them by hand.
static void RegisterPictures() {
    Q_INIT_RESOURCE(assets);
}

void ReadLayout(const std::string& name, QMainWindow& window) {
    RegisterPictures();
    if (name == "mainwin") {
        Ui::MainWin ui;
        ui.setupUi(&window);
        return;
    }
    throw std::invalid_argument("no window layout named " + name);
}
