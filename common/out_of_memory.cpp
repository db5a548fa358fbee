#include "out_of_memory.h"

#include <cstdio>
#include <cstdlib>

void ExitOutOfMemory() {
    std::fputs("Oops, can't get memory\n", stderr);
    std::exit(1);
}
