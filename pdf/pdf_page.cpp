#include "pdf_page.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <zlib.h>

#include "pdf_errors.h"
#include "pdf_fonts.h"
#include "pdf_format.h"
#include "pdf_objects.h"
#include "pdf_output.h"
#include "pdf_text.h"

namespace {

constexpr int kFooterBaseline = 36;  // points above the bottom edge
constexpr int kFooterInset = 72;     // points from the left and right edges

// A part of at most 127 bytes in which every two-byte "%d" becomes a page
// number of up to ten digits: five times the part, and the NUL.
constexpr int kFooterLineSize = 5 * PDF_FOOTER_SIZE + 1;

void DrawFooterPart(PdfWriter& pdf, const char* part, int align, int x) {
    if (*part == '\0') return;
    char line[kFooterLineSize];
    PdfFormatPageNumber(line, part, pdf.footer.pageNumber);
    PdfSetTextAlign(pdf, align, 0);
    PdfText(pdf, x, pdf.footer.y, line);
}

void DrawFooter(PdfWriter& pdf) {
    PdfTextState saved = pdf.text;
    const PdfFooter& footer = pdf.footer;
    PdfSetFont(pdf, kPdfFonts[footer.fontIndex].baseFontName, footer.fontSize);
    PdfSetTextGray(pdf, 0);
    DrawFooterPart(pdf, footer.text + footer.part3Start, PDF_ALIGN_LEFT | PDF_VALIGN_BASELINE,
                   footer.part3X);
    DrawFooterPart(pdf, footer.text + footer.part2Start, PDF_ALIGN_CENTER | PDF_VALIGN_BASELINE,
                   footer.part2X);
    DrawFooterPart(pdf, footer.text, PDF_ALIGN_RIGHT | PDF_VALIGN_BASELINE, footer.part1X);
    pdf.footer.pageNumber += 1;
    pdf.text = saved;
}

// Compresses the page content into the scratch buffer, which is kept for
// the next page, giving its length. Returns PDF_OK or the failure, which it
// records.
PdfError Compress(PdfWriter& pdf, std::size_t& compressedLength) {
    uLong length = static_cast<uLong>(pdf.contentLength);
    std::size_t bound = compressBound(length);
    if (pdf.scratchSize < bound) {
        void* grown = std::realloc(pdf.scratch, bound);
        if (grown == nullptr) return PdfFail(pdf.failure, PDF_ERROR_SCRATCH_MEMORY, bound);
        pdf.scratch = static_cast<unsigned char*>(grown);
        pdf.scratchSize = bound;
    }
    uLongf compressed = static_cast<uLongf>(pdf.scratchSize);
    if (compress2(pdf.scratch, &compressed, reinterpret_cast<const Bytef*>(pdf.content), length,
                  Z_DEFAULT_COMPRESSION) != Z_OK)
        return PdfFail(pdf.failure, PDF_ERROR_COMPRESS);
    compressedLength = compressed;
    return PDF_OK;
}

}  // namespace

PdfError PdfShowPage(PdfWriter& pdf, int flate) {
    if (pdf.file == nullptr) return PDF_ERROR_NOT_OPEN;
    if (pdf.failure.error != PDF_OK) return pdf.failure.error;
    DrawFooter(pdf);
    if (pdf.failure.error != PDF_OK) return pdf.failure.error;

    const void* data = pdf.content;
    std::size_t length = pdf.contentLength;
    const char* filter = "";
    if (flate == 1) {
        if (Compress(pdf, length) != PDF_OK) return pdf.failure.error;
        data = pdf.scratch;
        filter = "/Filter /FlateDecode\r\n";
    }
    std::int32_t number = PdfRecordObject(pdf.objects, pdf.failure, pdf.fileOffset, PDF_KIND_CONTENT);
    PdfPrint(pdf, "%d 0 obj\r\n<<\r\n/Length %lu\r\n%s>>\r\nstream\r\n", number,
             static_cast<unsigned long>(length), filter);
    if (pdf.failure.error == PDF_OK && PdfWriteBlock(pdf, data, length) != 0)
        PdfFail(pdf.failure, PDF_ERROR_CONTENT_WRITE);
    PdfPrint(pdf, "endstream\r\nendobj\r\n");
    if (std::ferror(pdf.file)) PdfFail(pdf.failure, PDF_ERROR_WRITE);
    if (pdf.failure.error == PDF_OK) PdfResetPage(pdf);
    return pdf.failure.error;
}

void PdfResetPage(PdfWriter& pdf) {
    pdf.contentLength = 0;
    pdf.text = PdfTextState{};
    pdf.line = PdfLineState{};
    pdf.line.xmax = pdf.pageWidth;
    pdf.line.ymax = pdf.pageHeight;
}

void PdfSetFooter(PdfWriter& pdf, const char* text) {
    PdfFooter& footer = pdf.footer;
    std::memset(footer.text, 0, sizeof footer.text);
    footer.part2Start = footer.part3Start = 0;
    if (text != nullptr) {
        std::snprintf(footer.text, sizeof footer.text, "%s", text);
        std::int32_t end = static_cast<std::int32_t>(std::strlen(footer.text));
        char* tab = std::strchr(footer.text, '\t');
        footer.part2Start = footer.part3Start = end;  // missing parts are empty
        if (tab != nullptr) {
            *tab = '\0';
            footer.part2Start = footer.part3Start = static_cast<std::int32_t>(tab - footer.text) + 1;
            char* second = std::strchr(tab + 1, '\t');
            if (second != nullptr) {
                *second = '\0';
                footer.part3Start = static_cast<std::int32_t>(second - footer.text) + 1;
            } else {
                footer.part3Start = end;
            }
        }
    }
    footer.y = kFooterBaseline;
    footer.part1X = kFooterInset;
    footer.part2X = pdf.pageWidth / 2;
    footer.part3X = pdf.pageWidth - kFooterInset;
}

void PdfSetFooterFont(PdfWriter& pdf, const char* name, int size) {
    pdf.footer.fontIndex = PdfFindFont(pdf.fontUsed, name);
    pdf.footer.fontSize = size;
}
