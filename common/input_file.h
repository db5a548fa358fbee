// Opening a text file to read. fopen succeeds on a directory, whose first
// read then fails; both programs count a directory as a file that can't be
// opened, with the same message as a missing file.
#pragma once

#include <cstdio>

// Opens name for reading. Returns nullptr when it can't be opened or is a
// directory; the caller prints its own message.
std::FILE* OpenInputFile(const char* name);
