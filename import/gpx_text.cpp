#include "gpx_text.h"

#include "utf8_text.h"

namespace {

bool IsXmlSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// U+0080 to U+009F, the C1 controls, are C2 80 to C2 9F in UTF-8.
bool IsC1Control(const std::string_view text, size_t at) {
    return static_cast<unsigned char>(text[at]) == 0xC2 && at + 1 < text.size() &&
           static_cast<unsigned char>(text[at + 1]) >= 0x80 && static_cast<unsigned char>(text[at + 1]) <= 0x9F;
}

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

std::string WayFileText(std::string_view text, size_t maxBytes) {
    std::string clean;
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char byte = static_cast<unsigned char>(text[i]);
        if (IsC1Control(text, i)) {
            ++i;
        } else if (byte == ' ' || byte == '\t' || byte == '\n' || byte == '\r') {
            if (!clean.empty() && clean.back() != ' ') clean += ' ';
        } else if (byte < 0x20 || byte == 0x7F) {
            // dropped
        } else {
            clean += byte == '|' ? '/' : static_cast<char>(byte);
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
