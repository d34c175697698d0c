// Starts the editor, or converts a drawing without a window when the first
// argument is "convert".
#include "app/ConvertCommand.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "convert") == 0) return RunConvert(argc, argv);
    std::fputs("Pluvo: het tekenvenster is nog niet beschikbaar; gebruik 'pluvo convert'.\n", stderr);
    return 0;
}
