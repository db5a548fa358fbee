// The wrapped text printer for usage and help texts of both programs.
#pragma once

#include <cstdio>

// Prints the entries of table, in order, up to its first empty entry, word
// wrapped at 80 columns. Control bytes inside an entry change the printer:
//   12 n  line length becomes the signed byte n (at least 8)
//   11 n  tab spacing becomes n
//    8    the rest of the entry becomes a prefix put before every line
// Returns 0, or 1 after "Usage Error" when the prefix leaves no room.
int PrintWrapped(std::FILE* stream, const char* const* table);
