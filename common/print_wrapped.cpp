#include "print_wrapped.h"

#include <cstring>

namespace {

constexpr int kFormFeed = 12;     // sets the line length
constexpr int kVerticalTab = 11;  // sets the tab spacing
constexpr int kBackspace = 8;     // starts the per-line prefix
constexpr int kBufferSize = 256;  // line length is a signed byte, so lines stay below 128
constexpr int kDefaultLineLen = 80;  // columns of a terminal
constexpr int kDefaultTabLen = 8;    // columns between tab stops, as a terminal sets them
constexpr int kShortestLineLen = 8;  // a narrower line would hold no word
constexpr int kPrefixRoom = 12;      // columns a line keeps beyond its per-line prefix

struct Printer {
    std::FILE* stream;
    int LineLen = kDefaultLineLen;
    int TabLen = kDefaultTabLen;
    const char* Special = "";
    char line[kBufferSize];
    int count = 0;

    void Emit() {
        std::fwrite(line, 1, static_cast<size_t>(count), stream);
        std::fputc('\n', stream);
        count = 0;
    }
    void Append(char c) {
        if (count < kBufferSize - 1) line[count++] = c;
    }
    void StartLineIfEmpty() {
        if (count != 0) return;
        for (const char* p = Special; *p; ++p) Append(*p);
    }
};

// Length of the word that starts at p: bytes up to the next blank, tab, LF,
// CR or NUL, an 11 or 12 with its argument byte counting as one.
int WordLength(const char* p) {
    int length = 0;
    while (*p && *p != ' ' && *p != '\t' && *p != '\n' && *p != '\r') {
        if ((*p == kVerticalTab || *p == kFormFeed) && p[1] != '\0') ++p;
        ++p;
        ++length;
    }
    return length;
}

}  // namespace

int PrintWrapped(std::FILE* stream, const char* const* table) {
    Printer printer;
    printer.stream = stream;
    for (; *table && **table; ++table) {
        const char* p = *table;
        char previous = '\0';
        for (;; ++p) {
            char c = *p;
            if (c == kFormFeed) {
                if (p[1] != '\0') {
                    printer.LineLen = static_cast<signed char>(*++p);
                    if (printer.LineLen < kShortestLineLen) printer.LineLen = kShortestLineLen;
                }
            } else if (c == kVerticalTab) {
                if (p[1] != '\0') {
                    printer.TabLen = static_cast<unsigned char>(*++p);
                    if (printer.TabLen < 1) printer.TabLen = 1;  // a zero spacing has no stops
                }
            } else if (c == kBackspace) {
                printer.Special = p + 1;
                if (static_cast<int>(std::strlen(printer.Special)) >= printer.LineLen - kPrefixRoom) {
                    std::fprintf(stderr, "Usage Error: (strlen(Special) >= (LineLen - 12)), aborting\n");
                    return 1;
                }
                break;
            } else {
                printer.StartLineIfEmpty();
                if (c == '\0') {
                    printer.Emit();
                    break;
                }
                if (c == ' ') {
                    if (printer.count + 1 >= printer.LineLen) {
                        printer.Emit();
                        if (previous == '.' && p[1] == ' ') c = *++p;
                    } else {
                        printer.Append(' ');
                        if (printer.count + WordLength(p + 1) >= printer.LineLen) printer.Emit();
                    }
                } else if (c == '\t') {
                    int stop = (printer.count / printer.TabLen + 1) * printer.TabLen;
                    if (stop >= printer.LineLen) {
                        printer.Emit();
                        printer.StartLineIfEmpty();
                        stop = (printer.count / printer.TabLen + 1) * printer.TabLen;
                        if (stop >= printer.LineLen) stop = printer.LineLen - 1;
                    }
                    while (printer.count < stop) printer.Append(' ');
                    if (printer.count + WordLength(p + 1) >= printer.LineLen) printer.Emit();
                } else if (c == '\n') {
                    printer.Emit();
                } else {
                    printer.Append(c);
                    if (printer.count >= printer.LineLen) printer.Emit();
                }
            }
            previous = c;
        }
    }
    return 0;
}
