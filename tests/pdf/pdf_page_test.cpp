#include <gtest/gtest.h>

#include <string>

#include "pdf_test_support.h"

namespace {

JUDGED_TEST(PdfShowPage, FooterPartsSitAtTheirAnchorsWithThePageNumber, Judge::kPdfReaders) {
    TestDocument doc("Test", "Proof\t\tPage %d");
    PdfShowPage(doc.pdf, 0);
    PdfShowPage(doc.pdf, 0);
    PdfSetFont(doc.pdf, "Courier", 20);  // the footer keeps its own font
    PdfShowPage(doc.pdf, 0);
    std::vector<std::string> pages = Streams(doc.Close(), false);
    ASSERT_EQ(pages.size(), 3u);
    // "Proof" in Helvetica 10 is 23.9 wide and ends at 72; part 2 is empty.
    EXPECT_EQ(pages[2],
              "BT\r\n/F5 1 Tf\r\n0 g\r\n/GS1 gs\r\n0 Tc\r\n0 Tw\r\n10 0 0 10 540 36 Tm\r\n(Page 3)Tj\r\nET\r\n"
              "BT\r\n10 0 0 10 48.1 36 Tm\r\n(Proof)Tj\r\nET\r\n");
    EXPECT_EQ(PdfReadersFault(doc.path), "");
}

TEST(PdfShowPage, FooterConversionsReadOnlyThePageNumber) {
    TestDocument doc("Test", "\t%s%c%f %ld%% (%lu)\tend%");
    PdfShowPage(doc.pdf, 0);
    std::vector<std::string> pages = Streams(doc.Close(), false);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].find("(scf 1% \\(1\\))Tj"), std::string::npos) << pages[0];
    EXPECT_NE(pages[0].find("(end)Tj"), std::string::npos) << pages[0];
}

JUDGED_TEST(PdfShowPage, StreamLengthCountsExactlyTheStreamData, Judge::kPdfReaders) {
    TestDocument doc;
    PdfShowPage(doc.pdf, 0);  // empty, not compressed
    PdfSetFont(doc.pdf, "Helvetica", 6);
    PdfText(doc.pdf, 100, 700, "compressed");
    std::string content = PageContent(doc.pdf);
    PdfShowPage(doc.pdf, 1);
    std::string document = doc.Close();
    EXPECT_NE(document.find("1 0 obj\r\n<<\r\n/Length 0\r\n>>\r\nstream\r\nendstream\r\nendobj\r\n"),
              std::string::npos);
    std::string raw = Streams(document, false)[1];
    EXPECT_NE(document.find("2 0 obj\r\n<<\r\n/Length " + std::to_string(raw.size()) +
                            "\r\n/Filter /FlateDecode\r\n>>\r\nstream\r\n"),
              std::string::npos);
    EXPECT_EQ(Inflate(raw), content);
    EXPECT_EQ(PdfReadersFault(doc.path), "");
}

TEST(PdfShowPage, EveryPageStartsEmptyAndUnfinishedPagesAreDropped) {
    TestDocument doc;
    PdfSetFont(doc.pdf, "Helvetica", 6);
    PdfSetLineWidth(doc.pdf, 2);
    PdfText(doc.pdf, 1, 1, "one");
    PdfShowPage(doc.pdf, 1);
    EXPECT_EQ(doc.pdf.contentLength, 0u);
    EXPECT_EQ(doc.pdf.text.fontIndex, 0);
    EXPECT_EQ(doc.pdf.line.width, 0);
    EXPECT_EQ(doc.pdf.line.xmax, 612);
    EXPECT_EQ(doc.pdf.line.ymax, 792);
    PdfSetFont(doc.pdf, "Helvetica", 6);
    PdfText(doc.pdf, 1, 1, "never shown");
    std::string document = doc.Close();
    EXPECT_NE(document.find("/Count 1\r\n"), std::string::npos);
}

// A page laid out like a guide sheet, judged by the outside readers.
JUDGED_TEST(PdfShowPage, AGuideLikeDocumentReadsBackInEveryReader, Judge::kPdfReaders, Judge::kPdftotext) {
    TestDocument doc("Coast (north) walk", "\tSheet %d\t");
    for (int page = 0; page < 2; ++page) {
        PdfSetTextGray(doc.pdf, 0);
        PdfSetLineWidth(doc.pdf, 0.5);
        PdfSetLineGray(doc.pdf, 0.7);
        for (int column = 0; column < 4; ++column) {
            double left = 28.8 + column * 140.4;
            PdfSetFont(doc.pdf, "Helvetica-Bold", 6);
            PdfSetTextAlign(doc.pdf, PDF_ALIGN_CENTER | PDF_VALIGN_BASELINE, 0);
            PdfText(doc.pdf, left + 9, 766, "WP");
            PdfSetFont(doc.pdf, "Helvetica", 6);
            PdfSetTextAlign(doc.pdf, PDF_ALIGN_LEFT | PDF_VALIGN_BASELINE, 0);
            PdfText(doc.pdf, left + 62.7, 750, "Stile (by the wall) \\ gate");
            PdfMoveTo(doc.pdf, left + 18, 774);
            PdfLineTo(doc.pdf, left + 18, 414);
            PdfStroke(doc.pdf);
        }
        PdfMoveTo(doc.pdf, -50, 100);  // runs off both sides
        PdfLineTo(doc.pdf, 700, 120);
        PdfStroke(doc.pdf);
        ASSERT_EQ(PdfShowPage(doc.pdf, 1), 0);
    }
    doc.Close();
    EXPECT_EQ(PdfReadersFault(doc.path), "");
    std::string text;
    EXPECT_EQ(PdfText(doc.path, "-layout", &text), 0);
    EXPECT_NE(text.find("Stile (by the wall) \\ gate"), std::string::npos) << text;
    EXPECT_NE(text.find("Sheet 2"), std::string::npos);
    std::string info;
    PdfInfo(doc.path, &info);
    EXPECT_NE(info.find("Coast (north) walk"), std::string::npos);
}

}  // namespace
