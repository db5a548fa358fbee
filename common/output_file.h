// Closing an output file so that no write error goes unnoticed and none
// leaves a damaged file behind: a failed write sets the stream's error flag,
// and a full disk may only show when the buffered bytes are flushed at close.
#pragma once

#include <cstdio>

// Flushes and closes file, opened for writing under name, and removes it
// when failed is non-zero or a write to it or the close failed, so that a
// partly written output never passes for a whole one. Only a regular file
// that name itself still denotes is removed: a device (/dev/full), a pipe
// or a link such as /dev/stdout is where the caller sent the bytes, not a
// file made for them, and unlinking it would break it for everyone else.
// Returns 0 when failed was 0 and every write and the close succeeded, 1
// otherwise. The file is closed in both cases.
int FinishOutputFile(std::FILE* file, const char* name, int failed);
