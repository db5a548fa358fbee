// Reading a text file line by line, for both programs: bounded pieces, a
// byte order mark skipped, and each piece cleaned of its line end, its "|"
// comment and its trailing blanks, with tabs made blanks.
//
// Each piece ends after a line feed or at kLinePieceMax bytes, whichever
// comes first, so a longer physical line arrives as several pieces, each
// counted as a line of its own. A UTF-8 byte order mark at the very start of
// the file is skipped and counts towards no piece.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>

constexpr int kLinePieceMax = 254;  // bytes taken by one read of a line

struct LineReader {
    std::FILE* file = nullptr;
    char block[64 * 1024];            // read ahead in large blocks, not byte by byte
    size_t start = 0;                 // next unread byte of block
    size_t end = 0;                   // bytes held in block
    int atFileStart = 1;              // the byte order mark test is still to come
    int lineNo = 0;                   // pieces read so far, held at INT_MAX
};

// A reader at the start of file, on the heap: its block is too large for
// the stack.
std::unique_ptr<LineReader> MakeLineReader(std::FILE* file);

// Ends the line at its first CR, LF or "|", removes trailing blanks and tabs,
// and turns the remaining tabs into blanks.
void CleanLine(char* line);

// line receives the next piece, cleaned, and reader.lineNo its number; a NUL
// byte inside the piece ends its text as it ends any C string. textLost
// becomes 1 when the piece held text after a carriage return, which
// cleaning dropped (a file with CR-only line ends, or a stray CR), else 0.
// Returns 1 when a piece was read, 0 at the end of the file or after a read
// error (ferror tells).
int ReadCleanLine(LineReader& reader, char (&line)[kLinePieceMax + 1], int& textLost);
