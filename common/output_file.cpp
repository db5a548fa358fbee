#include "output_file.h"

int CloseOutputFile(std::FILE* file) {
    int failed = std::fflush(file) != 0 || std::ferror(file) != 0;
    if (std::fclose(file) != 0) failed = 1;
    return failed;
}
