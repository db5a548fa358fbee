#include <gtest/gtest.h>

#include <cstring>

#include "Pdf.h"

namespace {

int Width(int font, int code) { return kPdfFonts[font].widths[static_cast<unsigned char>(code)]; }

constexpr int kCodes = 256;  // WinAnsi codes 0..255

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
    EXPECT_EQ(Width(helvetica, 0x80), 556);  // Euro
    EXPECT_EQ(Width(helvetica, 0xA0), 278);  // space again
    EXPECT_EQ(Width(helvetica, 0xAD), 333);  // hyphen again
    EXPECT_EQ(Width(helvetica, 0xE6), 889);  // ae
    EXPECT_EQ(Width(timesRoman, 0x80), 500);
    EXPECT_EQ(Width(timesRoman, 0x95), 350);  // bullet
    EXPECT_EQ(Width(timesRoman, 0xFF), 500);  // ydieresis
}

TEST(PdfFonts, ControlCodesTakeTheWidthOfN) {
    const int nWidth[PDF_FONT_COUNT] = {0, 500, 556, 500, 556, 556, 611, 556, 611, 600, 600, 600, 600};
    for (int font = 1; font < PDF_FONT_COUNT; ++font) {
        for (int code = 0; code < 32; ++code) EXPECT_EQ(kPdfFonts[font].widths[code], nWidth[font]);
        for (int code : {127, 0x81, 0x8D, 0x8F, 0x90, 0x9D})  // 127 and the codes WinAnsi leaves undefined
            EXPECT_EQ(kPdfFonts[font].widths[code], nWidth[font]) << kPdfFonts[font].baseFontName;
    }
}

TEST(PdfFonts, ObliquesMatchTheirUprightsAndCourierIsFixed) {
    EXPECT_EQ(std::memcmp(kPdfFonts[5].widths, kPdfFonts[7].widths, kCodes * sizeof(std::int16_t)), 0);
    EXPECT_EQ(std::memcmp(kPdfFonts[6].widths, kPdfFonts[8].widths, kCodes * sizeof(std::int16_t)), 0);
    for (int font = 9; font <= 12; ++font)
        for (int code = 0; code < kCodes; ++code) EXPECT_EQ(kPdfFonts[font].widths[code], 600);
}

TEST(PdfFindFont, MatchesExactNamesAndMarksThemUsed) {
    std::int32_t fontUsed[PDF_FONT_COUNT] = {};
    EXPECT_EQ(PdfFindFont(fontUsed, "Helvetica-Bold"), 6);
    EXPECT_EQ(fontUsed[6], 1);
    EXPECT_EQ(PdfFindFont(fontUsed, "helvetica"), 0);
    EXPECT_EQ(PdfFindFont(fontUsed, "Palatino"), 0);
    EXPECT_EQ(PdfFindFont(fontUsed, "always-invalid"), 0);
    for (int font = 0; font < PDF_FONT_COUNT; ++font) EXPECT_EQ(fontUsed[font], font == 6) << font;
}

}  // namespace
