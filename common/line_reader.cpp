#include "line_reader.h"

#include <climits>
#include <cstring>

#include "text_line.h"

namespace {

constexpr unsigned char kByteOrderMark[] = {0xEF, 0xBB, 0xBF};  // U+FEFF in UTF-8

// Refills the empty block. Returns 0 at the end of the file or on an error.
int Refill(LineReader& reader) {
    reader.start = 0;
    reader.end = std::fread(reader.block, 1, sizeof reader.block, reader.file);
    if (reader.atFileStart) {
        reader.atFileStart = 0;
        if (reader.end >= sizeof kByteOrderMark &&
            std::memcmp(reader.block, kByteOrderMark, sizeof kByteOrderMark) == 0) {
            reader.start = sizeof kByteOrderMark;
        }
    }
    return reader.end > 0;
}

// piece receives the next piece and its terminating NUL. Returns 1 when a
// piece was read, 0 at the end of the file or after a read error.
int ReadLinePiece(LineReader& reader, char (&piece)[kLinePieceMax + 1]) {
    size_t length = 0;
    while (length < static_cast<size_t>(kLinePieceMax)) {
        if (reader.start == reader.end && !Refill(reader)) break;
        size_t available = reader.end - reader.start;
        size_t room = static_cast<size_t>(kLinePieceMax) - length;
        size_t take = available < room ? available : room;
        const char* from = reader.block + reader.start;
        const char* lineFeed = static_cast<const char*>(std::memchr(from, '\n', take));
        if (lineFeed) take = static_cast<size_t>(lineFeed - from) + 1;
        std::memcpy(piece + length, from, take);
        length += take;
        reader.start += take;
        if (lineFeed) break;
    }
    piece[length] = '\0';
    return length > 0;
}

}  // namespace

std::unique_ptr<LineReader> MakeLineReader(std::FILE* file) {
    std::unique_ptr<LineReader> reader(new LineReader);
    reader->file = file;
    return reader;
}

void CleanLine(char* line) {
    // The line end and the comment cut in one scan: the text ends at its
    // first CR, LF or "|", whichever comes first.
    line[std::strcspn(line, "\r\n|")] = '\0';
    TrimTrailingBlanks(line);
    ReplaceChar(line, '\t');
}

int ReadCleanLine(LineReader& reader, char (&line)[kLinePieceMax + 1], int& textLost) {
    if (!ReadLinePiece(reader, line)) return 0;
    if (reader.lineNo < INT_MAX) ++reader.lineNo;  // a file of 2^31 lines must not wrap the count
    textLost = HasTextAfterCarriageReturn(line);
    CleanLine(line);
    return 1;
}
