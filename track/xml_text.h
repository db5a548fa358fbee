// Writing a free text, such as a file name, into XML element content so
// that the file stays well-formed whatever bytes the text holds.
#pragma once

#include <cstdio>

// Writes text to file with & < > escaped as &amp; &lt; &gt;. A byte that
// XML 1.0 can't carry (a control byte other than tab, LF and CR, or a byte
// outside a valid UTF-8 sequence of an allowed character) becomes "?".
void WriteXmlText(std::FILE* file, const char* text);
