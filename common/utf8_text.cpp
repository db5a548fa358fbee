#include "utf8_text.h"

namespace {

int IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the valid UTF-8 character at p that a text may hold, or 0.
// Follows the table of well-formed byte sequences of Unicode 15, 3.9.
int TextCharLength(const unsigned char* p) {
    const unsigned char c = p[0];
    if (c >= 32 && c < 127) return 1;
    if (c < 0xC2) return 0;  // controls, DEL, stray continuations, overlong C0/C1
    if (c < 0xE0) {
        if (!IsContinuation(p[1])) return 0;
        // U+0080..U+009F are the C1 control characters.
        return c == 0xC2 && p[1] < 0xA0 ? 0 : 2;
    }
    if (c < 0xF0) {
        const unsigned char low = c == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
        const unsigned char high = c == 0xED ? 0x9F : 0xBF;  // no surrogates
        if (p[1] < low || p[1] > high || !IsContinuation(p[2])) return 0;
        // U+FFFE and U+FFFF are not characters for XML.
        if (c == 0xEF && p[1] == 0xBF && p[2] >= 0xBE) return 0;
        return 3;
    }
    if (c < 0xF5) {
        const unsigned char low = c == 0xF0 ? 0x90 : 0x80;   // no overlong forms
        const unsigned char high = c == 0xF4 ? 0x8F : 0xBF;  // nothing past U+10FFFF
        if (p[1] < low || p[1] > high || !IsContinuation(p[2]) || !IsContinuation(p[3])) return 0;
        return 4;
    }
    return 0;
}

}  // namespace

int FirstBadTextChar(const char* text) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    while (*p) {
        const int length = TextCharLength(p);
        if (length == 0) return *p;
        p += length;
    }
    return 0;
}
