// Putting a line together in a char buffer, for the writers that write a
// million lines: each piece is copied to out, which moves past it.
#pragma once

#include <cstring>
#include <string_view>

inline char* PutText(char* out, std::string_view text) {
    if (text.empty()) return out;  // an empty view may hold no pointer at all
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
}
