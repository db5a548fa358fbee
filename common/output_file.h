// Closing an output file so that no write error goes unnoticed: a failed
// write sets the stream's error flag, and a full disk may only show when the
// buffered bytes are flushed at close.
#pragma once

#include <cstdio>

// Flushes and closes file. Returns 0 when every write to it succeeded and
// the close did too, 1 otherwise. The file is closed in both cases.
int CloseOutputFile(std::FILE* file);
