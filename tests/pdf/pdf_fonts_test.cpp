#include <gtest/gtest.h>

#include <cstring>

#include "Pdf.h"

namespace {

int Width(int font, char code) { return kPdfFonts[font].widths[static_cast<unsigned char>(code)]; }

TEST(PdfFonts, WinAnsiWidthsFromTheAdobeMetrics) {
    const int helvetica = 5, timesRoman = 1;
    EXPECT_EQ(Width(helvetica, ' '), 278);
    EXPECT_EQ(Width(helvetica, '\''), 191);  // quotesingle, not quoteright
    EXPECT_EQ(Width(helvetica, 'A'), 667);
    EXPECT_EQ(Width(helvetica, 'a'), 556);
    EXPECT_EQ(Width(timesRoman, ' '), 250);
    EXPECT_EQ(Width(timesRoman, '\''), 180);
    EXPECT_EQ(Width(timesRoman, '`'), 333);  // grave, not quoteleft
    EXPECT_EQ(Width(timesRoman, 'A'), 722);
}

TEST(PdfFonts, ControlCodesTakeTheWidthOfN) {
    const int nWidth[PDF_FONT_COUNT] = {0, 500, 556, 500, 556, 556, 611, 556, 611, 600, 600, 600, 600};
    for (int font = 1; font < PDF_FONT_COUNT; ++font) {
        for (int code = 0; code < 32; ++code) EXPECT_EQ(kPdfFonts[font].widths[code], nWidth[font]);
        EXPECT_EQ(kPdfFonts[font].widths[127], nWidth[font]) << kPdfFonts[font].baseFontName;
    }
}

TEST(PdfFonts, ObliquesMatchTheirUprightsAndCourierIsFixed) {
    EXPECT_EQ(std::memcmp(kPdfFonts[5].widths, kPdfFonts[7].widths, 256), 0);
    EXPECT_EQ(std::memcmp(kPdfFonts[6].widths, kPdfFonts[8].widths, 256), 0);
    for (int font = 9; font <= 12; ++font)
        for (int code = 0; code < 128; ++code) EXPECT_EQ(kPdfFonts[font].widths[code], 600);
}

TEST(PdfFindFont, MatchesExactNamesAndMarksThemUsed) {
    PdfWriter pdf;
    EXPECT_EQ(PdfFindFont(pdf, "Helvetica-Bold"), 6);
    EXPECT_EQ(pdf.fontUsed[6], 1);
    EXPECT_EQ(PdfFindFont(pdf, "helvetica"), 0);
    EXPECT_EQ(PdfFindFont(pdf, "Palatino"), 0);
    EXPECT_EQ(PdfFindFont(pdf, "always-invalid"), 0);
    for (int font = 0; font < PDF_FONT_COUNT; ++font) EXPECT_EQ(pdf.fontUsed[font], font == 6) << font;
}

}  // namespace
