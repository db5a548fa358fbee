#include "utf8_prefix.h"

#include <cstring>

namespace {

constexpr int kMaxContinuationBytes = 3;  // a UTF-8 character is at most 4 bytes

bool IsContinuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

}  // namespace

std::size_t Utf8PrefixLength(const char* text, std::size_t maxBytes) {
    std::size_t length = strnlen(text, maxBytes + 1);
    if (length <= maxBytes) return length;
    // text[maxBytes] is the first byte left out: while it continues a
    // character, that character's first bytes go too.
    std::size_t cut = maxBytes;
    for (int i = 0; i < kMaxContinuationBytes && cut > 0 && IsContinuation(text[cut]); ++i) --cut;
    return IsContinuation(text[cut]) ? maxBytes : cut;
}
