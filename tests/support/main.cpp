// Test entry point: one toolkit application for every suite, offscreen. It is
// the tests' own, so a start-up run inside a test cannot take it down.
#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>
#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    int qtArgc = 1;
    char name[] = "unit-tests";
    char* qtArgv[] = {name, nullptr};
    QApplication qt(qtArgc, qtArgv);
    std::setlocale(LC_NUMERIC, "C"); // as the game's own start-up does
    return RUN_ALL_TESTS();
}
