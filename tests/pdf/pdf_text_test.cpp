#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "pdf_test_support.h"

namespace {

// The Tm line of the last text drawn on the page.
std::string LastMatrix(const PdfWriter& pdf) {
    std::string content = PageContent(pdf);
    std::size_t end = content.rfind(" Tm\r\n");
    std::size_t start = content.rfind("\r\n", end) + 2;
    return content.substr(start, end - start);
}

TEST(PdfText, FirstTextWritesTheWholeStateAndLaterTextsOnlyWhatChanged) {
    TestDocument doc;
    PdfSetFont(doc.pdf, "Helvetica", 6);
    PdfSetTextGray(doc.pdf, 0);
    EXPECT_EQ(PdfText(doc.pdf, 100, 700, "A(b)"), 0);
    EXPECT_EQ(PageContent(doc.pdf),
              "BT\r\n/F5 1 Tf\r\n0 g\r\n/GS1 gs\r\n0 Tc\r\n0 Tw\r\n6 0 0 6 100 700 Tm\r\n"
              "(A\\(b\\))Tj\r\nET\r\n");
    std::size_t before = doc.pdf.contentLength;
    PdfText(doc.pdf, 100, 680, "c");
    EXPECT_EQ(PageContent(doc.pdf).substr(before), "BT\r\n6 0 0 6 100 680 Tm\r\n(c)Tj\r\nET\r\n");
}

TEST(PdfText, AlignmentMovesTheAnchorByTheMeasuredWidth) {
    TestDocument doc;
    PdfSetFont(doc.pdf, "Helvetica", 10);  // "AA" is 10 x 0.001 x 1334 = 13.34 wide
    EXPECT_DOUBLE_EQ(PdfTextWidth(doc.pdf, "AA"), 13.34);
    const struct {
        int align;
        const char* matrix;
    } cases[] = {
        {PDF_ALIGN_LEFT | PDF_VALIGN_BASELINE, "10 0 0 10 100 700"},
        {PDF_ALIGN_RIGHT | PDF_VALIGN_BASELINE, "10 0 0 10 86.66 700"},
        {PDF_ALIGN_CENTER | PDF_VALIGN_BASELINE, "10 0 0 10 93.33 700"},
        {PDF_ALIGN_LEFT | PDF_VALIGN_TOP, "10 0 0 10 100 690"},
        {PDF_ALIGN_LEFT | PDF_VALIGN_MIDDLE, "10 0 0 10 100 695"},
        {PDF_ALIGN_CENTER | PDF_ALIGN_RIGHT | PDF_VALIGN_MIDDLE | PDF_VALIGN_TOP, "10 0 0 10 93.33 695"},
    };
    for (const auto& c : cases) {
        PdfSetTextAlign(doc.pdf, c.align, 0);
        PdfText(doc.pdf, 100, 700, "AA");
        EXPECT_EQ(LastMatrix(doc.pdf), c.matrix) << std::hex << c.align;
    }
}

TEST(PdfText, RotatedTextTurnsTheMatrixAndTheAlignmentOffset) {
    TestDocument doc;
    PdfSetFont(doc.pdf, "Helvetica", 10);
    PdfSetTextAlign(doc.pdf, PDF_ALIGN_RIGHT | PDF_VALIGN_BASELINE, 90);
    PdfText(doc.pdf, 100, 700, "AA");
    EXPECT_EQ(LastMatrix(doc.pdf), "0 10 -10 0 100 686.66");
    PdfSetTextAlign(doc.pdf, PDF_ALIGN_LEFT | PDF_VALIGN_TOP, 180);
    PdfText(doc.pdf, 100, 700, "AA");
    EXPECT_EQ(LastMatrix(doc.pdf), "-10 0 0 -10 100 710");
}

TEST(PdfText, WidthsNeedAFont) {
    TestDocument doc;
    EXPECT_EQ(PdfTextWidth(doc.pdf, "A"), 0);  // no font yet
    EXPECT_EQ(PdfText(doc.pdf, 1, 1, "A"), 1);
    EXPECT_EQ(doc.pdf.contentLength, 0u);
    PdfSetFont(doc.pdf, "No-Such-Font", 5);
    EXPECT_EQ(PdfText(doc.pdf, 1, 1, "A"), 1);
}

// UTF-8 in, the WinAnsi codes that draw it out: the characters of the set
// as themselves, other letters as their base letter, anything else "?",
// and every byte that is not part of valid UTF-8 "?" on its own.
TEST(PdfText, TextIsDrawnAndMeasuredInWinAnsiCodes) {
    const struct {
        const char* utf8;
        const char* winAnsi;
    } cases[] = {
        {"Fox & Hounds (A)", "Fox & Hounds (A)"},
        {"Gleann D\xC3\xA1 Loch", "Gleann D\xE1 Loch"},
        {"\xC2\xA3" "5 \xE2\x82\xAC" "3", "\xA3" "5 \x80" "3"},            // £5 €3
        {"\xE2\x80\x99 \xC5\xB8 \xC5\x93", "\x92 \x9F \x9C"},              // ’ Ÿ œ
        {"Ll\xC5\xB7n \xC5\xB4 \xE1\xBA\x81 \xE1\xBB\xB3", "Llyn W w y"},  // ŷ Ŵ ẁ ỳ
        {"\xC5\x81\xC3\xB3" "d\xC5\xBA \xC4\xB0", "L\xF3" "dz I"},            // Łódź İ
        {"\xCE\xB1 \xF0\x9F\x98\x80 \xE2\x80\xB2", "? ? ?"},               // α 😀 ′
        {"Caf\xE9", "Caf?"},                                                  // Latin-1, not UTF-8
        {"a\xE1\x80" "b \xC3", "a??b ?"},                                     // cut short
        {"\xC0\xAF \xE0\x80\xAF \xED\xA0\x80 \xF4\x90\x80\x80 \x80",
         "?? ??? ??? ???? ?"},  // overlong, surrogate, past U+10FFFF, stray
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        std::string codes;
        for (const char* at = c.utf8; *at != '\0';) codes += static_cast<char>(PdfNextWinAnsi(at));
        EXPECT_EQ(codes, c.winAnsi);

        TestDocument doc;
        PdfSetFont(doc.pdf, "Times-Roman", 10);
        PdfText(doc.pdf, 1, 1, c.utf8);
        std::string escaped;
        for (char code : codes) escaped += std::string(code == '(' || code == ')' ? "\\" : "") + code;
        EXPECT_NE(PageContent(doc.pdf).find("(" + escaped + ")Tj\r\n"), std::string::npos);
        double width = 0;
        for (char code : codes) width += kPdfFonts[1].widths[static_cast<unsigned char>(code)] * 0.01;
        EXPECT_DOUBLE_EQ(PdfTextWidth(doc.pdf, c.utf8), width);
        const bool aboveAscii = std::any_of(codes.begin(), codes.end(), [](char code) { return code < 0; });
        EXPECT_EQ(doc.pdf.winAnsiDrawn, aboveAscii ? 1 : 0);
    }
}

TEST(PdfText, GreysOutsideZeroToOneAreBlack) {
    TestDocument doc;
    PdfSetFont(doc.pdf, "Times-Roman", 8);
    for (double gray : {-0.1, 1.5, std::nan("")}) {
        PdfSetTextGray(doc.pdf, gray);
        PdfSetLineGray(doc.pdf, gray);
        EXPECT_EQ(doc.pdf.text.gray, 0);
        EXPECT_EQ(doc.pdf.line.gray, 0);
    }
    PdfSetTextGray(doc.pdf, 0.5);
    PdfText(doc.pdf, 1, 1, "x");
    EXPECT_NE(PageContent(doc.pdf).find("0.5 g\r\n"), std::string::npos);
}

TEST(PdfText, NothingIsDrawnWithoutADocument) {
    PdfWriter pdf;
    EXPECT_EQ(PdfSetFont(pdf, "Helvetica", 6), 1);
    EXPECT_EQ(PdfText(pdf, 1, 1, "A"), 1);
    EXPECT_EQ(PdfShowPage(pdf, 1), 1);
    PdfMoveTo(pdf, 1, 1);
    PdfLineTo(pdf, 5, 5);
    PdfStroke(pdf);
    EXPECT_EQ(PdfClose(pdf), 0);
}

TEST(PdfText, ThePageBufferGrowsForTextLongerThanItsCapacity) {
    TestDocument doc("Test", nullptr, 64);
    std::string text(5000, '(');
    PdfSetFont(doc.pdf, "Helvetica", 6);
    PdfText(doc.pdf, 1, 1, text.c_str());
    std::string escaped;
    for (char c : text) escaped += std::string("\\") + c;
    EXPECT_NE(PageContent(doc.pdf).find("(" + escaped + ")Tj\r\nET\r\n"), std::string::npos);
    EXPECT_GE(doc.pdf.contentCapacity, doc.pdf.contentLength);
}

}  // namespace
