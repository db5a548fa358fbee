// Closing an output file so that no write error goes unnoticed: a failed
// write sets the stream's error flag, and a full disk may only show when the
// buffered bytes are flushed at close.
#pragma once

#include <cstddef>
#include <cstdio>

// Stdio buffer of the outputs that grow with the input (GPX files, the
// report): a million lines then take some hundred write calls, not 40,000.
constexpr size_t kLargeOutputBuffer = size_t{1} << 20;  // bytes

// Flushes and closes file. Returns 0 when every write to it succeeded and
// the close did too, 1 otherwise. The file is closed in both cases.
int CloseOutputFile(std::FILE* file);
