#include "input_file.h"

#include <sys/stat.h>

std::FILE* OpenInputFile(const char* name) {
    std::FILE* file = std::fopen(name, "r");
    struct stat status;
    if (file && ::fstat(::fileno(file), &status) == 0 && S_ISDIR(status.st_mode)) {
        std::fclose(file);
        return nullptr;
    }
    return file;
}
