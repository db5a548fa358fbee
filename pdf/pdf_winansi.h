// Text as the standard fonts draw it: the caller's UTF-8 read character by
// character and mapped to the fonts' Windows character set (WinAnsi, codes
// 0 to 255), which is what the content streams and the width tables use.
//
// A character of the set is drawn as itself ("á", "£", "€"); a letter
// outside it as its base letter where it has one ("ŵ" as "w", "ŷ" as "y");
// anything else, and every byte that is not part of valid UTF-8, as "?".
#pragma once

#include <cstdint>

#include "utf8_text.h"

// The WinAnsi code that draws the code point: itself, its base letter, or
// "?".
unsigned char PdfWinAnsiCode(std::int32_t codePoint);

// The next character of text as a WinAnsi code; text moves past it.
inline unsigned char PdfNextWinAnsi(const char*& text) { return PdfWinAnsiCode(NextCodePoint(text)); }
