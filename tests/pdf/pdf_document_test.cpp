#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "pdf_output.h"
#include "pdf_test_support.h"

namespace {

// The text of object n, from its "n 0 obj" line to its "endobj".
std::string Object(const std::string& document, int n) {
    std::string head = "\n" + std::to_string(n) + " 0 obj\r\n";
    std::size_t start = document.find(head);
    if (start == std::string::npos) return "";
    return document.substr(start + 1, document.find("endobj", start) - start - 1);
}

std::string Trailer(const std::string& document) { return document.substr(document.rfind("trailer")); }

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

TEST(PdfDocument, EmptyDocumentToTheByte) {
    TestDocument doc;
    std::string document = doc.Close();

    const char* objects[] = {
        "1 0 obj\r\n<<\r\n/Type /Font\r\n/Subtype /Type1\r\n/Name /F5\r\n/BaseFont /Helvetica\r\n>>\r\nendobj\r\n",
        "2 0 obj\r\n<<\r\n/Type /ExtGState\r\n/SA false\r\n/OP false\r\n/HT /Default\r\n>>\r\nendobj\r\n",
        "3 0 obj\r\n<<\r\n/Type /Halftone\r\n/HalftoneType 1\r\n/HalftoneName (Default)\r\n/Frequency 60\r\n"
        "/Angle 45\r\n/SpotFunction /Round\r\n>>\r\nendobj\r\n",
        "4 0 obj\r\n<<\r\n/ProcSet [/PDF /Text ]\r\n/Font <<\r\n/F5 1 0 R\r\n>>\r\n/ExtGState <<\r\n"
        "/GS1 2 0 R\r\n>>\r\n>>\r\nendobj\r\n",
        "5 0 obj\r\n<<\r\n/Title (Test)\r\n/Author (Tessaron Engineering)\r\n/Creator (Unknown)\r\n"
        "/Producer (Pdf)\r\n/CreationDate (D:20231114221320)\r\n>>\r\nendobj\r\n",
        "6 0 obj\r\n<<\r\n/Type /Pages\r\n/Kids [\r\n ]\r\n/Count 0\r\n/MediaBox [0 0 612 792]\r\n>>\r\nendobj\r\n",
        "7 0 obj\r\n<<\r\n/Type /Catalog\r\n/Pages 6 0 R\r\n>>\r\nendobj\r\n",
    };
    std::string expected = "%PDF-1.5\r\n";
    std::string xref = "xref\r\n0 8\r\n0000000000 65535 f\r\n";
    for (const char* object : objects) {
        char line[32];
        std::snprintf(line, sizeof line, "%010zu 00000 n\r\n", expected.size());
        xref += line;
        expected += object;
    }
    std::string startxref = std::to_string(expected.size());
    expected += xref;
    expected +=
        "trailer\r\n<<\r\n/Size 8\r\n/Root 7 0 R\r\n/Info 5 0 R\r\n"
        "/ID [<73736554  666450747365546553f100><73736554  666450747365546553f100>]\r\n>>\r\n"
        "startxref\r\n" + startxref + "\r\n%%EOF\r\n";
    EXPECT_EQ(document, expected);
}

// Poppler and MuPDF refuse a document without pages; qpdf judges its form.
JUDGED_TEST(PdfDocument, EmptyDocumentPassesQpdf, Judge::kQpdf) {
    TestDocument doc;
    doc.Close();
    EXPECT_EQ(QpdfFault(doc.path), "");
}

TEST(PdfDocument, OnePageIsNumberedBeforeTheFontsAndReferredToByItsPage) {
    TestDocument doc;
    PdfShowPage(doc.pdf, 1);
    std::string document = doc.Close();
    EXPECT_NE(Object(document, 1).find("/Filter /FlateDecode"), std::string::npos);
    EXPECT_NE(Object(document, 2).find("/BaseFont /Helvetica"), std::string::npos);
    EXPECT_NE(Object(document, 5).find("/F5 2 0 R\r\n>>\r\n/ExtGState <<\r\n/GS1 3 0 R"), std::string::npos);
    EXPECT_NE(Object(document, 6).find("/Title (Test)"), std::string::npos);
    EXPECT_NE(Object(document, 7).find("/Kids [\r\n 8 0 R\r\n ]\r\n/Count 1\r\n"), std::string::npos);
    EXPECT_EQ(Object(document, 8),
              "8 0 obj\r\n<<\r\n/Type /Page\r\n/Parent 7 0 R\r\n/Resources 5 0 R\r\n/Contents 1 0 R\r\n>>\r\n");
    EXPECT_NE(Object(document, 9).find("/Type /Catalog\r\n/Pages 7 0 R"), std::string::npos);
    EXPECT_TRUE(StartsWith(Trailer(document), "trailer\r\n<<\r\n/Size 10\r\n/Root 9 0 R\r\n/Info 6 0 R\r\n/ID [<"));
    EXPECT_EQ(CrossReferenceFault(document), "");
}

JUDGED_TEST(PdfDocument, ThreeHundredPagesAreAllInTheFile, Judge::kPdfReaders, Judge::kPdftotext) {
    TestDocument doc;
    for (int page = 1; page <= 300; ++page) {
        PdfSetFont(doc.pdf, "Times-Bold", 12);
        PdfText(doc.pdf, 72, 700, ("Sheet " + std::to_string(page)).c_str());
        ASSERT_EQ(PdfShowPage(doc.pdf, 1), 0);
    }
    std::string document = doc.Close();
    // Contents 1..300, fonts 301-302, ExtGState, Halftone, Resources 305,
    // Info 306, Pages 307, Page objects 308..607, Catalog 608.
    EXPECT_TRUE(StartsWith(Trailer(document),
                           "trailer\r\n<<\r\n/Size 609\r\n/Root 608 0 R\r\n/Info 306 0 R\r\n/ID [<"));
    EXPECT_NE(Object(document, 307).find(" 607 0 R\r\n ]\r\n/Count 300\r\n"), std::string::npos);
    EXPECT_NE(Object(document, 607).find("/Contents 300 0 R"), std::string::npos);
    EXPECT_EQ(CrossReferenceFault(document), "");
    EXPECT_EQ(PdfReadersFault(doc.path), "");
    std::string text;
    PdfText(doc.path, "-f 300 -l 300", &text);
    EXPECT_NE(text.find("Sheet 300"), std::string::npos);
}

JUDGED_TEST(PdfDocument, InfoStringsAreCutAndEscapedAndFeedTheId, Judge::kPdfReaders) {
    std::string longTitle(200, 'x');
    std::string halfCharacterTitle = std::string(126, 'x') + "\xC3\xA9";  // "é" at bytes 127 and 128
    const struct {
        const char* title;
        std::string infoTitle;
        const char* w2;
    } cases[] = {
        {"ab", "/Title (ab)", "    6261"},
        {"a(b)\\", "/Title (a\\(b\\)\\\\)", "29622861"},
        {longTitle.c_str(), "/Title (" + std::string(127, 'x') + ")", "78787878"},
        // Beyond ASCII: UTF-16BE with a byte order mark; cut between characters.
        {"D\xC3\xA1", "/Title <FEFF004400E1>", "  a1c344"},
        {"\xF0\x9F\x98\x80", "/Title <FEFFD83DDE00>", "80989ff0"},  // a surrogate pair
        {"Caf\xE9", "/Title <FEFF004300610066FFFD>", "e9666143"},     // not UTF-8
        {halfCharacterTitle.c_str(), "/Title (" + std::string(126, 'x') + ")", "78787878"},
    };
    for (const auto& c : cases) {
        TestDocument doc(c.title);
        PdfShowPage(doc.pdf, 1);
        std::string document = doc.Close();
        EXPECT_NE(document.find(c.infoTitle + "\r\n"), std::string::npos) << c.infoTitle;
        std::string id = std::string("/ID [<73736554  666450") + c.w2 + "6553f100><";
        EXPECT_NE(Trailer(document).find(id), std::string::npos) << Trailer(document);
        EXPECT_EQ(PdfReadersFault(doc.path), "");
    }
}

JUDGED_TEST(PdfDocument, FontsNameWinAnsiEncodingOnlyWhenACodeAboveAsciiIsDrawn, Judge::kPdfReaders,
            Judge::kPdftotext) {
    for (const char* text : {"Gleann Da Loch", "Gleann D\xC3\xA1 Loch"}) {
        SCOPED_TRACE(text);
        TestDocument doc;
        PdfSetFont(doc.pdf, "Helvetica-Bold", 12);
        PdfText(doc.pdf, 72, 700, text);
        PdfShowPage(doc.pdf, 1);
        std::string document = doc.Close();
        const bool aboveAscii = std::string(text).find('\xC3') != std::string::npos;
        EXPECT_EQ(document.find("/Encoding"), aboveAscii ? document.find("/Encoding /WinAnsiEncoding\r\n>>")
                                                         : std::string::npos);
        for (const char* font : {"Helvetica", "Helvetica-Bold"}) {  // the footer font too
            std::string baseFont = std::string("/BaseFont /") + font + "\r\n";
            EXPECT_NE(document.find(baseFont + (aboveAscii ? "/Encoding /WinAnsiEncoding\r\n>>" : ">>")),
                      std::string::npos);
        }
        EXPECT_EQ(PdfReadersFault(doc.path), "");
        std::string drawn;
        PdfText(doc.path, "", &drawn);
        EXPECT_NE(drawn.find(text), std::string::npos) << drawn;
    }
}

TEST(PdfDocument, NullInfoStringsTakeThePathAndTheDefaults) {
    ScratchDir dir;
    std::string path = dir.File("walk(1)Guide.pdf");
    PdfWriter pdf;
    UseFixedClock(pdf);
    ASSERT_EQ(PdfOpen(pdf, path.c_str(), nullptr, "www.example", "cairnlog", "Writer", nullptr, 0, 612, 792), 0);
    EXPECT_EQ(pdf.contentCapacity, 65536u);
    PdfClose(pdf);
    std::string document = ReadFile(path);
    std::string escapedPath = dir.path + "/walk\\(1\\)Guide.pdf";
    EXPECT_NE(document.find("/Title (" + escapedPath + ")\r\n/Author (www.example)\r\n"
                            "/Creator (cairnlog)\r\n/Producer (Writer)\r\n"),
              std::string::npos);
}

JUDGED_TEST(PdfDocument, ASecondOpenIsRefusedBeforeAnyFileIsCreated, Judge::kPdfReaders) {
    TestDocument doc;
    std::string second = doc.dir.File("second.pdf");
    PdfError error = PdfOpen(doc.pdf, second.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr, 0, 612, 792);
    EXPECT_EQ(PdfErrorMessage(error, doc.pdf.failure.size, doc.pdf.path), "Oops, PDF content buffer already open\n");
    EXPECT_FALSE(FileExists(second));
    PdfShowPage(doc.pdf, 1);
    EXPECT_EQ(CrossReferenceFault(doc.Close()), "");
    EXPECT_EQ(PdfReadersFault(doc.path), "");
}

TEST(PdfDocument, AFileThatCannotBeCreatedIsReported) {
    PdfWriter pdf;
    PdfError error = PdfOpen(pdf, "/no/such/folder/g.pdf", nullptr, nullptr, nullptr, nullptr, nullptr, 0, 612, 792);
    EXPECT_EQ(PdfErrorMessage(error, pdf.failure.size, pdf.path), "Can't open PDF file </no/such/folder/g.pdf>, aborting\n");
    EXPECT_EQ(pdf.content, nullptr);
}

// A failure keeps the document's first message, stops all later output,
// and leaves the file closed and removed by PdfClose (a device stays);
// nothing ends the program.
TEST(PdfDocument, FailuresAreValuesThatPdfCloseReturnsAfterClosingTheFile) {
    struct Case {
        const char* name;
        const char* path;
        void (*draw)(PdfWriter&);
        PdfError showPage;  // what the first PdfShowPage returns
        const char* message;
    };
    const Case cases[] = {
        {"close fails", "/dev/full", [](PdfWriter& pdf) { PdfText(pdf, 1, 1, "small"); }, PDF_OK,
         "Oops, can't write /dev/full\n"},
        {"content block fails", "/dev/full",
         [](PdfWriter& pdf) {
             for (int i = 0; i < 2000; ++i) PdfText(pdf, i % 600, i % 700, "bulk");
         },
         PDF_ERROR_CONTENT_WRITE, "Oops, can't write PDF content block\n"},
        {"page past the content limit", "overflow.pdf",
         [](PdfWriter& pdf) {
             PdfText(pdf, 1, 1, "kept");
             PdfReserveContent(pdf, PDF_CONTENT_LIMIT + 1);
             PdfText(pdf, 1, 1, "dropped");
         },
         PDF_ERROR_CONTENT_OVERFLOW, "Oops, PDF content buffer overflow, aborting\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir dir;
        std::string path = c.path[0] == '/' ? c.path : dir.File(c.path);
        PdfWriter pdf;
        UseFixedClock(pdf);
        ASSERT_EQ(PdfOpen(pdf, path.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr, 0, 612, 792), PDF_OK);
        PdfSetFont(pdf, "Helvetica", 6);
        c.draw(pdf);
        EXPECT_EQ(PdfShowPage(pdf, 0), c.showPage);
        EXPECT_EQ(PdfShowPage(pdf, 0), c.showPage);  // the first failure stays
        PdfError error = PdfClose(pdf);
        EXPECT_EQ(PdfErrorMessage(error, pdf.failure.size, pdf.path), c.message);
        EXPECT_EQ(pdf.file, nullptr);
        EXPECT_EQ(pdf.content, nullptr);
        EXPECT_EQ(FileExists(path), c.path[0] == '/');
    }
}

TEST(PdfDocument, EachDocumentNamesOnlyTheFontsItUses) {
    TestDocument first;
    PdfSetFont(first.pdf, "Courier", 6);
    first.Close();
    TestDocument second;
    std::string document = second.Close();
    EXPECT_EQ(document.find("Courier"), std::string::npos);
}

TEST(PdfDocument, TheLocaleDoesNotChangeAByte) {
    auto write = [] {
        TestDocument doc;
        PdfSetFont(doc.pdf, "Helvetica", 6.5);
        PdfSetTextAlign(doc.pdf, PDF_ALIGN_CENTER | PDF_VALIGN_MIDDLE, 12.5);
        PdfText(doc.pdf, 100.25, 700.5, "1,5 km");
        PdfSetLineWidth(doc.pdf, 0.5);
        PdfMoveTo(doc.pdf, 0.5, 0.25);
        PdfLineTo(doc.pdf, 300.75, 400.5);
        PdfStroke(doc.pdf);
        PdfShowPage(doc.pdf, 0);
        return doc.Close();
    };
    std::string plain = write();
    if (std::setlocale(LC_ALL, "fr_FR.UTF-8") == nullptr) GTEST_SKIP() << "no fr_FR.UTF-8 locale";
    std::string french = write();
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(french, plain);
    EXPECT_NE(plain.find("0.5 w"), std::string::npos);
}

}  // namespace
