#include <gtest/gtest.h>

#include <string>

#include "pdf_test_support.h"

namespace {

const double W = 612, H = 792;  // the test page, points

// The path written for one move and one line on a fresh page.
std::string Path(double x0, double y0, double x1, double y1) {
    TestDocument doc;
    PdfMoveTo(doc.pdf, x0, y0);
    PdfLineTo(doc.pdf, x1, y1);
    return PageContent(doc.pdf);
}

TEST(PdfLines, StrokeWritesWidthAndGreyOncePerPageAfterThePath) {
    TestDocument doc;
    PdfMoveTo(doc.pdf, 10, 10);
    PdfLineTo(doc.pdf, 20, 10);
    PdfStroke(doc.pdf);
    EXPECT_EQ(PageContent(doc.pdf), "10 10 m\r\n20 10 l\r\n0 w\r\n0 G\r\nS\r\n");
    std::size_t before = doc.pdf.contentLength;
    PdfSetLineWidth(doc.pdf, 0.5);
    PdfSetLineGray(doc.pdf, 0.7);
    PdfStroke(doc.pdf);
    PdfStroke(doc.pdf);
    EXPECT_EQ(PageContent(doc.pdf).substr(before), "0.5 w\r\n0.7 G\r\nS\r\nS\r\n");
}

TEST(PdfLines, OutcodesCountTheEdgesAsInside) {
    TestDocument doc;
    EXPECT_EQ(PdfOutcode(doc.pdf, 0, 0), 0);
    EXPECT_EQ(PdfOutcode(doc.pdf, W, H), 0);
    EXPECT_EQ(PdfOutcode(doc.pdf, W + 1, -1), PDF_OUT_RIGHT | PDF_OUT_BOTTOM);
    EXPECT_EQ(PdfOutcode(doc.pdf, -1, H + 1), PDF_OUT_LEFT | PDF_OUT_TOP);
}

TEST(PdfLines, StraightLinesAreClippedToThePage) {
    EXPECT_EQ(Path(100, 100, 100, H + 50), "100 100 m\r\n100 792 l\r\n");
    EXPECT_EQ(Path(-10, 50, 50, 50), "0 50 m\r\n50 50 l\r\n");
    EXPECT_EQ(Path(50, -10, 50, H + 10), "50 792 m\r\n50 0 l\r\n");
    EXPECT_EQ(Path(-20, 50, W + 20, 50), "612 50 m\r\n0 50 l\r\n");
    EXPECT_EQ(Path(-10, -10, -10, 50), "");
    EXPECT_EQ(Path(50, H + 1, 50, H + 9), "");
}

TEST(PdfLines, SlantedLinesLeaveAndEnterThroughTheRightEdge) {
    EXPECT_EQ(Path(306, 396, 706, 596), "306 396 m\r\n612 549 l\r\n");   // leaves right
    EXPECT_EQ(Path(100, 700, 200, 900), "100 700 m\r\n146 792 l\r\n");  // leaves top
    EXPECT_EQ(Path(-100, 100, 100, 300), "0 200 m\r\n100 300 l\r\n");  // enters left
    EXPECT_EQ(Path(100, -100, 200, 100), "150 0 m\r\n200 100 l\r\n");  // enters bottom
}

TEST(PdfLines, SlantedLinesWithBothEndsOutsideDrawTheirVisiblePart) {
    EXPECT_EQ(Path(-100, 300, 300, 900), "0 450 m\r\n228 792 l\r\n");
    EXPECT_EQ(Path(300, 900, -100, 300), "228 792 m\r\n0 450 l\r\n");
    EXPECT_EQ(Path(-10, -10, W + 10, W + 10), "0 0 m\r\n612 612 l\r\n");  // corner to edge
    EXPECT_EQ(Path(-20, 10, 10, -20), "");         // passes outside the corner
    EXPECT_EQ(Path(-20, 10, -10, 900), "");        // wholly to the left
    EXPECT_EQ(Path(W + 1, -5, W + 50, H + 5), "");  // wholly to the right
}

TEST(PdfLines, TheCurrentPointIsTheEndWhateverWasDrawn) {
    TestDocument doc;
    PdfMoveTo(doc.pdf, -10, -10);
    EXPECT_EQ(PageContent(doc.pdf), "");
    PdfLineTo(doc.pdf, -10, 50);
    EXPECT_EQ(doc.pdf.line.x, -10);
    EXPECT_EQ(doc.pdf.line.y, 50);
    EXPECT_EQ(doc.pdf.line.outcode, PDF_OUT_LEFT);
    PdfLineTo(doc.pdf, 20, 50);  // the remembered point brings the entry move
    EXPECT_EQ(PageContent(doc.pdf), "0 50 m\r\n20 50 l\r\n");
}

}  // namespace
