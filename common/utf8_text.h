// Which texts a description may hold: any character written as valid UTF-8
// (so "&", "<", ">" and accented letters), but no control characters and
// no bytes that are not UTF-8. IDs and symbol names keep the stricter
// FirstBadChar of text_line.h.
#pragma once

// First byte of the first character a description may not hold: a control
// character (0..31, 127, or U+0080..U+009F), or a byte that does not start a
// valid UTF-8 sequence (overlong forms, surrogates, code points beyond
// U+10FFFF, a sequence cut short), or U+FFFE / U+FFFF, which XML refuses.
// Returns that byte (1..255), or 0 when the text is clean.
int FirstBadTextChar(const char* text);
