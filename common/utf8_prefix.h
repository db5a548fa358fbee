// Cutting a UTF-8 text to a limit in bytes without splitting a character,
// so that a cut title or name never ends in half a letter.
#pragma once

#include <cstddef>

// Bytes of the longest start of text that holds at most maxBytes and does
// not end inside a UTF-8 character: the whole text when it fits, else
// maxBytes less the leading bytes of a character that the limit would cut.
std::size_t Utf8PrefixLength(const char* text, std::size_t maxBytes);
