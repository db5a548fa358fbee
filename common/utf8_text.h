// UTF-8 texts: reading them character by character, cutting them to a
// limit in bytes without splitting a character (so that a cut title or name
// never ends in half a letter), and which texts a description may hold: any
// character written as valid UTF-8 (so "&", "<", ">" and accented letters),
// but no control characters and no bytes that are not UTF-8. IDs and symbol
// names keep the stricter FirstBadChar of text_line.h.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr std::int32_t kNotUtf8 = -1;  // NextCodePoint: a byte outside valid UTF-8

// Reads the character that starts at text and moves text past it. Returns
// its code point, or kNotUtf8 for a byte that begins no valid UTF-8
// sequence (an overlong form, a surrogate, past U+10FFFF, a stray or
// missing continuation byte); text then moves on by that one byte. text
// must not be at its NUL.
std::int32_t NextCodePoint(const char*& text);

// First byte of the first character a description may not hold: a control
// character (0..31, 127, or U+0080..U+009F), a byte that is not valid
// UTF-8, or U+FFFE / U+FFFF, which XML refuses. Returns that byte
// (1..255), or 0 when the text is clean.
int FirstBadTextChar(const char* text);

// Bytes of the longest start of text that holds at most maxBytes and does
// not end inside a UTF-8 character: the whole text when it fits, else
// maxBytes less the leading bytes of a character that the limit would cut.
std::size_t Utf8PrefixLength(const char* text, std::size_t maxBytes);
