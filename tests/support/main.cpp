// Test entry point: one application object for every suite, offscreen.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/application.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    static int qtArgc = 1;
    static char name[] = "unit-tests";
    static char* qtArgv[] = {name, nullptr};
    Application->Initialize(qtArgc, qtArgv);
    const int result = RUN_ALL_TESTS();
    Application->Finalize();
    return result;
}
