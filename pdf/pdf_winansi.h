// Text as the standard fonts draw it: the caller's UTF-8 read character by
// character and mapped to the fonts' Windows character set (WinAnsi, codes
// 0 to 255), which is what the content streams and the width tables use.
//
// A character of the set is drawn as itself ("á", "£", "€"); a letter
// outside it as its base letter where it has one ("ŵ" as "w", "ŷ" as "y");
// anything else, and every byte that is not part of valid UTF-8, as "?".
#pragma once

#include <cstdint>

constexpr std::int32_t PDF_NOT_UTF8 = -1;  // PdfNextCodePoint: a byte outside valid UTF-8

// Reads the character that starts at text and moves text past it. Returns
// its code point, or PDF_NOT_UTF8 for a byte that begins no valid UTF-8
// sequence (an overlong form, a surrogate, past U+10FFFF, a stray or
// missing continuation byte); text then moves on by that one byte. text
// must not be at its NUL.
std::int32_t PdfNextCodePoint(const char*& text);

// The WinAnsi code that draws the code point: itself, its base letter, or
// "?".
unsigned char PdfWinAnsiCode(std::int32_t codePoint);

// The next character of text as a WinAnsi code; text moves past it.
inline unsigned char PdfNextWinAnsi(const char*& text) { return PdfWinAnsiCode(PdfNextCodePoint(text)); }
