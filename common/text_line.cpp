#include "text_line.h"

#include <cstring>

namespace {

bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }

// The bytes FirstBadChar finds, one table entry a byte: every ID and
// description of a WayFile passes through it.
struct BadBytes {
    bool bad[256];
    constexpr BadBytes() : bad() {
        for (int c = 0; c < 256; ++c) bad[c] = c < 32 || c > 126 || c == '&' || c == '<' || c == '>';
    }
};
constexpr BadBytes kBadBytes;

}  // namespace

int FirstBadChar(const char* text) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    while (*p && !kBadBytes.bad[*p]) ++p;
    return *p;
}

int DirectiveNameIs(const char* text, const char* name, const char* followers) {
    size_t length = std::strlen(name);
    if (std::strncmp(text, name, length) != 0) return 1;
    char next = text[length];
    if (next == '\0') return 0;
    return std::strchr(followers, next) != nullptr ? 0 : 1;
}

int StartsWith(const char* text, const char* prefix) {
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

const char* FindCharOrEnd(const char* text, int c) {
    while (*text && *text != static_cast<char>(c)) ++text;
    return text;
}

char* FindCharOrEnd(char* text, int c) {
    return const_cast<char*>(FindCharOrEnd(static_cast<const char*>(text), c));
}

void TrimTrailingBlanks(char* text) {
    size_t length = std::strlen(text);
    while (length > 0 && IsBlankOrTab(text[length - 1])) --length;
    text[length] = '\0';
}

const char* SkipBlanks(const char* text) {
    while (IsBlankOrTab(*text)) ++text;
    return text;
}

char* SkipBlanks(char* text) {
    return const_cast<char*>(SkipBlanks(static_cast<const char*>(text)));
}

const char* SkipFields(const char* text, int count) {
    for (int i = 0; i < count; ++i) {
        while (*text && !IsBlankOrTab(*text)) ++text;
        text = SkipBlanks(text);
    }
    return text;
}

char* SkipFields(char* text, int count) {
    return const_cast<char*>(SkipFields(static_cast<const char*>(text), count));
}

void CutAtLineEnd(char* text) {
    text[std::strcspn(text, "\r\n")] = '\0';
}

int HasTextAfterCarriageReturn(const char* text) {
    const char* carriageReturn = std::strchr(text, '\r');
    if (!carriageReturn) return 0;
    const char* rest = carriageReturn + std::strspn(carriageReturn, "\r\n");
    return *rest != '\0';
}

char* LowerCaseInPlace(char* text) {
    for (char* p = text; *p; ++p) {
        if (*p >= 'A' && *p <= 'Z') *p = static_cast<char>(*p - 'A' + 'a');
    }
    return text;
}

// Both scan with strchr, which reads many bytes a step: every WayFile line
// passes through them.
void CutAtChar(char* text, int c) {
    if (char* found = std::strchr(text, c)) *found = '\0';
}

void ReplaceChar(char* text, int c) {
    if (c == '\0') return;
    for (char* p = std::strchr(text, c); p != nullptr; p = std::strchr(p + 1, c)) *p = ' ';
}

const char* FindExtension(const char* name) {
    const char* dot = nullptr;
    for (const char* p = FindCharOrEnd(name, '.'); *p; p = FindCharOrEnd(p + 1, '.')) dot = p;
    return dot ? dot + 1 : name + std::strlen(name);
}

char* FindExtension(char* name) {
    return const_cast<char*>(FindExtension(static_cast<const char*>(name)));
}
