#include "output_file.h"

#include <sys/stat.h>

namespace {

// True when name is, without following links, the regular file open as file.
bool NamesThisRegularFile(std::FILE* file, const char* name) {
    struct stat opened;
    struct stat named;
    return ::fstat(::fileno(file), &opened) == 0 && ::lstat(name, &named) == 0 && S_ISREG(named.st_mode) &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

}  // namespace

int FinishOutputFile(std::FILE* file, const char* name, int failed) {
    // Asked while the file is open: afterwards only the name is left.
    const bool removable = NamesThisRegularFile(file, name);
    if (std::fflush(file) != 0 || std::ferror(file) != 0) failed = 1;
    if (std::fclose(file) != 0) failed = 1;
    if (failed && removable) std::remove(name);
    return failed ? 1 : 0;
}
