#include "pdf_text.h"

#include <cmath>
#include <cstring>

#include "pdf_fonts.h"
#include "pdf_format.h"
#include "pdf_output.h"
#include "pdf_winansi.h"

namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;  // pi / 180
constexpr double kWidthUnit = 0.001;                        // AFM widths: 1/1000 of the size
constexpr int kDefaultAlign = PDF_ALIGN_LEFT | PDF_VALIGN_BASELINE;

}  // namespace

int PdfSetFont(PdfWriter& pdf, const char* name, double size) {
    if (pdf.content == nullptr) return 1;
    PdfTextState& text = pdf.text;
    text.fontIndex = PdfFindFont(pdf.fontUsed, name);
    text.size = size;
    text.fontWritten = 0;
    text.matrixValid = 0;
    text.align = kDefaultAlign;
    text.angle = 0;
    return 0;
}

int PdfSetTextAlign(PdfWriter& pdf, int align, double angle) {
    pdf.text.align = align;
    pdf.text.angle = angle;
    pdf.text.matrixValid = 0;
    return 0;
}

int PdfSetTextGray(PdfWriter& pdf, double gray) { return PdfTakeGray(pdf.text, gray); }

double PdfTextWidth(const PdfWriter& pdf, const char* text) {
    int font = pdf.text.fontIndex;
    if (font <= 0 || font >= PDF_FONT_COUNT || text == nullptr) return 0;
    const std::int16_t* widths = kPdfFonts[font].widths;
    long sum = 0;
    for (const char* at = text; *at != '\0';) sum += widths[PdfNextWinAnsi(at)];
    return pdf.text.size * kWidthUnit * static_cast<double>(sum);
}

int PdfText(PdfWriter& pdf, double x, double y, const char* text) {
    if (pdf.content == nullptr || pdf.text.fontIndex == 0) return 1;
    if (text == nullptr) text = "";
    PdfTextState& state = pdf.text;

    PdfEmit(pdf, "BT\r\n");
    if (!state.fontWritten) {
        // Set at size 1: the text matrix carries the size.
        PdfEmit(pdf, "%s 1 Tf\r\n", kPdfFonts[state.fontIndex].resourceName);
        state.fontWritten = 1;
    }
    if (!state.grayWritten) {
        PdfEmit(pdf, "%f g\r\n", state.gray);
        state.grayWritten = 1;
    }
    if (!state.rgbWritten) {
        PdfEmit(pdf, "%f %f %f rg\r\n", state.rgb[0], state.rgb[1], state.rgb[2]);
        state.rgbWritten = 1;
    }
    if (!state.stateWritten) {
        PdfEmit(pdf, "/GS1 gs\r\n");
        PdfEmit(pdf, "0 Tc\r\n0 Tw\r\n");
        state.stateWritten = 1;
    }

    double t = state.angle * kRadiansPerDegree;
    double s = state.size;
    if (!state.matrixValid) {
        state.a = std::cos(t) * s;
        state.b = std::sin(t) * s;
        state.c = -state.b;
        state.d = state.a;
        state.matrixValid = 1;
    }
    if (state.align != kDefaultAlign) {
        // Move the anchor by the alignment offset, rotated with the text.
        double w = PdfTextWidth(pdf, text);
        double dy = state.align & PDF_VALIGN_MIDDLE ? s / 2 : state.align & PDF_VALIGN_TOP ? s : 0;
        double dx = state.align & PDF_ALIGN_CENTER ? w / 2 : state.align & PDF_ALIGN_RIGHT ? w : 0;
        double r = std::sqrt(dx * dx + dy * dy);
        double phi = std::atan2(dy, dx) + t;
        x = x - r * std::cos(phi);
        y = y - r * std::sin(phi);
    }
    PdfEmit(pdf, "%f %f %f %f %f %f Tm\r\n", state.a, state.b, state.c, state.d, x, y);
    // The text in WinAnsi codes, escaped: at most twice its bytes, since no
    // character takes more than one code.
    PdfEmit(pdf, "(");
    if (PdfReserveContent(pdf, 2 * std::strlen(text) + PDF_EMIT_ROOM) != 0) return 0;
    char* out = pdf.content + pdf.contentLength;
    for (const char* at = text; *at != '\0';) {
        unsigned char code = PdfNextWinAnsi(at);
        if (code > PDF_LAST_ASCII_CODE) pdf.winAnsiDrawn = 1;
        out += PdfEscapeByte(out, static_cast<char>(code));
    }
    pdf.contentLength = static_cast<std::size_t>(out - pdf.content);
    PdfEmit(pdf, ")Tj\r\nET\r\n");
    return 0;
}
