#include "xml_text.h"

#include <cstdint>

#include "utf8_text.h"

namespace {

// What XML 1.0 can't carry though it is valid UTF-8: control characters
// other than tab, LF and CR, and U+FFFE and U+FFFF.
bool IsOutsideXml(std::int32_t code) {
    return (code < 0x20 && code != '\t' && code != '\n' && code != '\r') || code == 0xFFFE || code == 0xFFFF;
}

}  // namespace

void WriteXmlText(std::FILE* file, const char* text) {
    while (*text) {
        const char* start = text;
        const std::int32_t code = NextCodePoint(text);
        if (code == '&') {
            std::fputs("&amp;", file);
        } else if (code == '<') {
            std::fputs("&lt;", file);
        } else if (code == '>') {
            std::fputs("&gt;", file);
        } else if (code == kNotUtf8 || IsOutsideXml(code)) {
            for (; start < text; ++start) std::fputc('?', file);  // a "?" for each byte
        } else {
            std::fwrite(start, 1, static_cast<size_t>(text - start), file);
        }
    }
}
