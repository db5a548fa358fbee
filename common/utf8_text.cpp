#include "utf8_text.h"

#include <cstring>

namespace {

constexpr int kMaxContinuationBytes = 3;  // a UTF-8 character is at most 4 bytes

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// A character a description may not hold, though valid UTF-8.
bool IsRefusedCharacter(std::int32_t codePoint) {
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F)  // C0, DEL, C1 controls
           || codePoint == 0xFFFE || codePoint == 0xFFFF;                // not characters for XML
}

}  // namespace

std::int32_t NextCodePoint(const char*& text) {
    const unsigned char* at = reinterpret_cast<const unsigned char*>(text);
    const unsigned char lead = at[0];
    int length = 0;
    std::int32_t codePoint = 0, lowest = 0;  // lowest: refuses overlong forms
    if (lead < 0x80) {
        ++text;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, codePoint = lead & 0x1F, lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, codePoint = lead & 0x0F, lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, codePoint = lead & 0x07, lowest = 0x10000;
    }
    for (int i = 1; i < length; ++i) {
        if (!IsContinuation(at[i])) {
            length = 0;  // a missing continuation byte; the NUL stops here too
            break;
        }
        codePoint = codePoint << 6 | (at[i] & 0x3F);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (length == 0 || codePoint < lowest || codePoint > 0x10FFFF || surrogate) {
        ++text;
        return kNotUtf8;
    }
    text += length;
    return codePoint;
}

int FirstBadTextChar(const char* text) {
    while (*text) {
        const char* start = text;
        const std::int32_t codePoint = NextCodePoint(text);
        if (codePoint == kNotUtf8 || IsRefusedCharacter(codePoint)) return static_cast<unsigned char>(*start);
    }
    return 0;
}

std::size_t Utf8PrefixLength(const char* text, std::size_t maxBytes) {
    std::size_t length = strnlen(text, maxBytes + 1);
    if (length <= maxBytes) return length;
    // text[maxBytes] is the first byte left out: while it continues a
    // character, that character's first bytes go too.
    std::size_t cut = maxBytes;
    for (int i = 0; i < kMaxContinuationBytes && cut > 0 && IsContinuation(text[cut]); ++i) --cut;
    return IsContinuation(text[cut]) ? maxBytes : cut;
}
