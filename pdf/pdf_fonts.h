// The font table: the twelve standard Type 1 fonts a document may use, named
// and never embedded, with their resource names and width tables.
#pragma once

#include <cstdint>

constexpr int PDF_FONT_COUNT = 13;  // entry 0 (no font) and the twelve fonts

struct PdfFontEntry {
    const char* resourceName;   // name in content streams and Resources, "/F5"
    const char* baseFontName;   // PostScript name, "Helvetica"
    const std::int16_t* widths; // 256 widths in 1/1000 of the size, by WinAnsi code; null for entry 0
};

// Entry 0 is the no-font entry; entries 1..12 are Times, Helvetica, Courier.
extern const PdfFontEntry kPdfFonts[PDF_FONT_COUNT];

// Returns the index of the font whose base name equals name exactly (case
// matters) and marks it in fontUsed, the document's fonts, so that PdfClose
// writes its Font object. Returns 0, marking nothing, for any other name;
// the no-font entry itself is never matched.
int PdfFindFont(std::int32_t (&fontUsed)[PDF_FONT_COUNT], const char* name);
