// Bounded reading of a text file in line pieces: each piece ends after a
// line feed or at kLinePieceMax bytes, whichever comes first, so a longer
// physical line arrives as several pieces. A UTF-8 byte order mark at the
// very start of the file is skipped and counts towards no piece.
#pragma once

#include <cstddef>
#include <cstdio>

#include "waypoint.h"

struct LineReader {
    std::FILE* file = nullptr;
    char block[64 * 1024];            // read ahead in large blocks, not byte by byte
    size_t start = 0;                 // next unread byte of block
    size_t end = 0;                   // bytes held in block
    int atFileStart = 1;              // the byte order mark test is still to come
};

// piece receives the next piece and its terminating NUL; a NUL byte inside
// the piece ends its text as it ends any C string. Returns 1 when a piece
// was read, 0 at the end of the file or after a read error (ferror tells).
int ReadLinePiece(LineReader& reader, char (&piece)[kLinePieceMax + 1]);
