#include "app/ConvertCommand.h"

#include <cstdio>

int RunConvert(int, char**) {
    std::fputs("pluvo convert: nog niet beschikbaar\n", stderr);
    return 2;
}
