#include "mainwin/startup.h"

#include "mainwin/mainwin.h"
#include "platform/application.h"

int RunZorvikVexo(int argc, char** argv) {
    try {
        Application->Initialize(argc, argv);
        Application->Title = "Zorvik Vexo";
        Application->HelpFile = "Zrkvexo.hlp";
        Application->CreateForm(MainWindow);
        Application->Run();
    } catch (const Exception& e) {
        Application->ShowException(e);
    }
    MainWindow = nullptr;
    Application->Finalize();
    return 0;
}
