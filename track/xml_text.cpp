#include "xml_text.h"

namespace {

bool IsContinuation(unsigned char byte) { return byte >= 0x80 && byte <= 0xBF; }

// Length of the valid UTF-8 sequence of an XML character at p (2 to 4),
// or 0. Overlong forms, surrogates, U+FFFE, U+FFFF and code points beyond
// U+10FFFF are refused, as XML 1.0 refuses them.
int Utf8SequenceLength(const unsigned char* p) {
    unsigned char lead = p[0];
    if (lead >= 0xC2 && lead <= 0xDF) return IsContinuation(p[1]) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        unsigned char low = lead == 0xE0 ? 0xA0 : 0x80;
        unsigned char high = lead == 0xED ? 0x9F : 0xBF;
        if (p[1] < low || p[1] > high || !IsContinuation(p[2])) return 0;
        if (lead == 0xEF && p[1] == 0xBF && (p[2] == 0xBE || p[2] == 0xBF)) return 0;
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        unsigned char low = lead == 0xF0 ? 0x90 : 0x80;
        unsigned char high = lead == 0xF4 ? 0x8F : 0xBF;
        if (p[1] < low || p[1] > high || !IsContinuation(p[2]) || !IsContinuation(p[3])) return 0;
        return 4;
    }
    return 0;
}

}  // namespace

void WriteXmlText(std::FILE* file, const char* text) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    while (*p) {
        unsigned char byte = *p;
        if (byte == '&') {
            std::fputs("&amp;", file);
        } else if (byte == '<') {
            std::fputs("&lt;", file);
        } else if (byte == '>') {
            std::fputs("&gt;", file);
        } else if (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') {
            std::fputc('?', file);
        } else if (byte >= 0x80) {
            int length = Utf8SequenceLength(p);
            if (length == 0) {
                std::fputc('?', file);
            } else {
                std::fwrite(p, 1, static_cast<size_t>(length), file);
                p += length;
                continue;
            }
        } else {
            std::fputc(byte, file);
        }
        ++p;
    }
}
