#include "mainwin/startup.h"

int main(int argc, char** argv) {
    return RunZorvikVexo(argc, argv);
}
