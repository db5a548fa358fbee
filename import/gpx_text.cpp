#include "gpx_text.h"

#include <cstdint>

#include "utf8_text.h"

namespace {

bool IsXmlSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// C0 controls, DEL and the C1 controls U+0080 to U+009F; a byte outside
// valid UTF-8 goes with them, though expat hands over none.
bool IsControl(std::int32_t code) { return code < 0x20 || code == 0x7F || (code >= 0x80 && code <= 0x9F); }

void TrimTrailingBlank(std::string& text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
}

}  // namespace

void AppendCollapsed(std::string& text, const char* data, size_t length) {
    for (size_t i = 0; i < length && text.size() < kRawTextMax; ++i) {
        if (!IsXmlSpace(data[i])) {
            text += data[i];
        } else if (!text.empty() && text.back() != ' ') {
            text += ' ';
        }
    }
}

std::string WayFileText(const std::string& text, size_t maxBytes) {
    std::string clean;
    for (const char* next = text.c_str(); *next;) {
        const char* start = next;
        std::int32_t code = NextCodePoint(next);
        if (code < 0x80 && IsXmlSpace(static_cast<char>(code))) {
            if (!clean.empty() && clean.back() != ' ') clean += ' ';
        } else if (code == '|') {
            clean += '/';
        } else if (!IsControl(code)) {
            clean.append(start, next);
        }
    }
    clean.resize(Utf8PrefixLength(clean.c_str(), maxBytes));
    TrimTrailingBlank(clean);
    return clean;
}

std::string PointText(const std::string& name, const std::string& desc, const std::string& cmt) {
    const std::string& more = desc.empty() ? cmt : desc;
    if (more.empty() || more == name) return name;
    if (name.empty()) return more;
    return name + " - " + more;
}
