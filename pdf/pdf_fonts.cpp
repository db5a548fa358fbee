#include "pdf_fonts.h"

#include <cstring>

#include "font_widths.h"

const PdfFontEntry kPdfFonts[PDF_FONT_COUNT] = {
    {"/F0", "always-invalid", nullptr},
    {"/F1", "Times-Roman", kTimesRomanWidths},
    {"/F2", "Times-Bold", kTimesBoldWidths},
    {"/F3", "Times-Italic", kTimesItalicWidths},
    {"/F4", "Times-BoldItalic", kTimesBoldItalicWidths},
    {"/F5", "Helvetica", kHelveticaWidths},
    {"/F6", "Helvetica-Bold", kHelveticaBoldWidths},
    {"/F7", "Helvetica-Oblique", kHelveticaObliqueWidths},
    {"/F8", "Helvetica-BoldOblique", kHelveticaBoldObliqueWidths},
    {"/F9", "Courier", kCourierWidths},
    {"/F10", "Courier-Bold", kCourierBoldWidths},
    {"/F11", "Courier-Oblique", kCourierObliqueWidths},
    {"/F12", "Courier-BoldOblique", kCourierBoldObliqueWidths},
};

int PdfFindFont(std::int32_t (&fontUsed)[PDF_FONT_COUNT], const char* name) {
    if (name == nullptr) return 0;
    // Entry 0 has no metrics: matching its placeholder name would put a
    // Font object for a font that does not exist into the document.
    for (int index = 1; index < PDF_FONT_COUNT; ++index) {
        if (std::strcmp(kPdfFonts[index].baseFontName, name) == 0) {
            fontUsed[index] = 1;
            return index;
        }
    }
    return 0;
}
