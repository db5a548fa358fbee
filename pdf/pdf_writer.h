// The writer's state for one open document: object table, Info strings,
// /ID words, page and footer state, the per-page text and line state, the
// output file and the page content buffer. The caller keeps one PdfWriter
// and passes it to every operation; a value-initialised PdfWriter has no
// document open.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "pdf_errors.h"
#include "pdf_fonts.h"
#include "pdf_objects.h"

constexpr int PDF_INFO_SIZE = 128;           // Info strings: 127 characters + NUL
constexpr int PDF_FOOTER_SIZE = 128;         // footer text: 127 characters + NUL
constexpr int PDF_DATE_SIZE = 20;            // "D:" + 14 digits + NUL, with room
constexpr int PDF_PATH_SIZE = 4096;          // Linux PATH_MAX, bytes with NUL
constexpr std::size_t PDF_CONTENT_MARGIN = 512;  // bytes allocated past the capacity
constexpr int PDF_LAST_ASCII_CODE = 126;     // "~": codes above need the fonts' /Encoding

// Horizontal and vertical text alignment, ORed together.
constexpr int PDF_ALIGN_LEFT = 0x10;       // x is the left end of the text
constexpr int PDF_ALIGN_CENTER = 0x20;     // x is the middle of the text
constexpr int PDF_ALIGN_RIGHT = 0x40;      // x is the right end of the text
constexpr int PDF_VALIGN_BASELINE = 0x01;  // y is on the baseline
constexpr int PDF_VALIGN_MIDDLE = 0x02;    // y is half the size above the baseline
constexpr int PDF_VALIGN_TOP = 0x04;       // y is one size above the baseline

// Per-page text state; each "written" flag says the current value is
// already in this page's content.
struct PdfTextState {
    std::int32_t fontIndex = 0;       // into kPdfFonts; 0 is no font
    std::int32_t fontWritten = 0;
    std::int32_t stateWritten = 0;    // /GS1 and the character and word spacing
    std::int32_t grayWritten = 0;
    std::int32_t rgbWritten = 0;
    std::int32_t matrixValid = 0;
    std::int32_t align = 0;           // PDF_ALIGN_* | PDF_VALIGN_*
    double size = 0;                  // points
    double angle = 0;                 // degrees, counter-clockwise
    double gray = 0;                  // 0 black .. 1 white
    double a = 0, b = 0, c = 0, d = 0;  // text matrix
    double rgb[3] = {0, 0, 0};        // never changed; written once if no grey
};

// Per-page line state, the current point and the clip box.
struct PdfLineState {
    std::int32_t widthWritten = 0;
    std::int32_t rgbWritten = 0;
    std::int32_t grayWritten = 0;
    double width = 0;                 // points
    double gray = 0;                  // 0 black .. 1 white
    double rgb[3] = {0, 0, 0};        // never changed
    std::int32_t outcode = 0;         // of the current point
    double x = 0, y = 0;              // current point, points
    double xmin = 0, ymin = 0, xmax = 0, ymax = 0;  // clip box, points
};

// Page number and the three-part footer drawn by PdfShowPage.
struct PdfFooter {
    std::int32_t pageNumber = 0;      // 1 after PdfOpen
    std::int32_t part3X = 0, part2X = 0, part1X = 0, y = 0;  // points
    std::int32_t fontIndex = 0;
    std::int32_t fontSize = 0;        // whole points
    char text[PDF_FOOTER_SIZE] = {};  // the parts, separated by NULs
    std::int32_t part2Start = 0;      // offsets into text
    std::int32_t part3Start = 0;
};

// A grey level below 0, above 1 or not a number is black (0), so a bad
// value never gives an invalid operator.
inline double PdfValidGray(double gray) { return gray >= 0 && gray <= 1 ? gray : 0; }

// Takes a new grey for the text or the line state: the next drawing writes
// it, and it stands in for the RGB colour, which then need not be written.
// Returns 0, as the setters do.
template <typename State>
int PdfTakeGray(State& state, double gray) {
    state.gray = PdfValidGray(gray);
    state.grayWritten = 0;
    state.rgbWritten = 1;
    return 0;
}

struct PdfWriter {
    // Document state; PdfOpen sets all of it afresh.
    std::int32_t fontCount = 0;       // PDF_FONT_COUNT once open
    std::uint32_t idWords[4] = {0, 0, 0, 0};  // /ID w0..w3
    char title[PDF_INFO_SIZE] = {};
    char author[PDF_INFO_SIZE] = {};
    char creator[PDF_INFO_SIZE] = {};
    char producer[PDF_INFO_SIZE] = {};
    char creationDate[PDF_DATE_SIZE] = {};
    std::int32_t pageWidth = 0, pageHeight = 0;  // points, the MediaBox
    const PdfFontEntry* fonts = nullptr;
    std::int32_t fontUsed[PDF_FONT_COUNT] = {};  // set by PdfFindFont
    std::int32_t winAnsiDrawn = 0;    // a code above PDF_LAST_ASCII_CODE was drawn
    PdfFooter footer;
    PdfTextState text;
    PdfLineState line;
    char path[PDF_PATH_SIZE] = {};    // output file name, for messages
    std::uint64_t fileOffset = 0;     // bytes written to the file so far
    PdfFailure failure;               // the document's first failure; it stops all output

    // Storage owned from PdfOpen to PdfClose; PdfOpen's reset keeps it.
    std::FILE* file = nullptr;        // null while no document is open
    PdfObjectTable objects;           // started by PdfOpen, released by PdfClose
    char* content = nullptr;          // page content; null while none is open
    std::size_t contentLength = 0;    // bytes written to this page
    std::size_t contentCapacity = 0;  // grows; PDF_CONTENT_MARGIN more allocated
    unsigned char* scratch = nullptr; // compressed page, reused across pages
    std::size_t scratchSize = 0;

    // The clock PdfOpen reads for CreationDate and /ID w3. Set clockFixed to
    // 1 and clockSeconds before PdfOpen to give it a time (tests compare
    // whole documents); PdfOpen keeps both.
    std::int32_t clockFixed = 0;
    std::int64_t clockSeconds = 0;    // seconds since 1970-01-01 UTC
};
