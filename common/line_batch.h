// Lines put together straight in a large buffer and handed to stdio a
// buffer at a time, for the writers of a million lines: one fwrite per
// quarter megabyte instead of one per line, and no copy of a line on its
// way, as stdio writes a block that large itself.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>

constexpr size_t kLineBatchBytes = size_t{256} << 10;

struct LineBatch {
    std::FILE* File;
    std::unique_ptr<char[]> Text;  // kLineBatchBytes; the lines not yet handed to stdio, Used bytes of it
    size_t Used = 0;
};

LineBatch MakeLineBatch(std::FILE* file);

// Where the next line of at most lineMax bytes goes; what the batch holds is
// written out first when the room after it is less.
char* LineRoom(LineBatch& batch, size_t lineMax);

// The line put at LineRoom ends at end.
void LineDone(LineBatch& batch, const char* end);

// Writes out what the batch holds. Returns 0 while every write to the file
// has succeeded so far, 1 once one has failed.
int WriteLineBatch(LineBatch& batch);
