// Fuzz target: the PDF writer driven by a byte program. The first bytes
// choose the page size, the content buffer's starting capacity and the
// Info and footer texts; then each byte picks an operation (font, text,
// grey, line, page, footer, formatter) and the bytes after it give its
// arguments: doubles taken raw, so NaN, infinities and huge values come as
// often as ordinary ones, and texts of any bytes. The formatter's output
// is checked on every number and format it is given.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "Pdf.h"
#include "fuzz_check.h"

namespace {

// The fuzz input, consumed from the front; past its end every value is 0.
struct ByteProgram {
    const std::uint8_t* at;
    std::size_t left;
};

std::uint8_t TakeByte(ByteProgram& program) {
    if (program.left == 0) return 0;
    --program.left;
    return *program.at++;
}

double TakeDouble(ByteProgram& program) {
    std::uint8_t bytes[sizeof(double)] = {};
    for (std::uint8_t& byte : bytes) byte = TakeByte(program);
    double value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

std::int32_t TakeInt(ByteProgram& program) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = value << 8 | TakeByte(program);
    return static_cast<std::int32_t>(value);
}

// A text of up to 255 bytes, stopped early by a NUL in the input.
std::string TakeText(ByteProgram& program) {
    std::string text;
    for (std::uint8_t length = TakeByte(program); length > 0 && program.left > 0; --length) {
        char c = static_cast<char>(TakeByte(program));
        if (c == '\0') break;
        text += c;
    }
    return text;
}

const char* const kFontNames[] = {
    "Times-Roman", "Times-Bold", "Times-Italic", "Times-BoldItalic",
    "Helvetica", "Helvetica-Bold", "Helvetica-Oblique", "Helvetica-BoldOblique",
    "Courier", "Courier-Bold", "Courier-Oblique", "Courier-BoldOblique",
    "helvetica", "",
};

const char* TakeFontName(ByteProgram& program) {
    return kFontNames[TakeByte(program) % (sizeof kFontNames / sizeof kFontNames[0])];
}

// A number as the formatter writes it: an optional "-", then "**overflow**"
// or digits and at most two decimals of which the last is not 0.
void CheckNumber(const char* text, int length) {
    FUZZ_CHECK(length > 0 && length <= PDF_NUMBER_MAX);
    std::string number(text, static_cast<std::size_t>(length));
    std::size_t at = number[0] == '-' ? 1 : 0;
    if (number.compare(at, std::string::npos, "**overflow**") == 0) return;
    std::size_t digits = number.find_first_not_of("0123456789", at);
    FUZZ_CHECK(digits != at);
    if (digits == std::string::npos) return;
    FUZZ_CHECK(number[digits] == '.');
    std::size_t decimals = number.size() - digits - 1;
    FUZZ_CHECK(decimals == 1 || decimals == 2);
    FUZZ_CHECK(number.find_first_not_of("0123456789", digits + 1) == std::string::npos);
    FUZZ_CHECK(number.back() != '0');
}

void FormatNumber(double value) {
    char text[PDF_NUMBER_MAX + 8];
    int length = PdfFormatNumber(text, value);
    CheckNumber(text, length);
    if (std::isfinite(value) && std::fabs(value) < 4294967295.0) FUZZ_CHECK(std::strcmp(text, "**overflow**") != 0);
}

// A format made from the text with its argument-taking conversions made
// harmless, then one conversion whose argument is passed: the text may
// hold "%%", "%x", a lone "%" at its end or "%l" before anything else.
void Format(ByteProgram& program) {
    std::string format = TakeText(program);
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') continue;
        char next = i + 1 < format.size() ? format[i + 1] : '\0';
        char after = i + 2 < format.size() ? format[i + 2] : '\0';
        if (std::strchr("dufcs", next) != nullptr && next != '\0') format[i] = '_';
        if (next == 'l' && (after == 'd' || after == 'u')) format[i] = '_';
        if (next == '%') ++i;
    }
    std::string text = TakeText(program);
    char dest[4 * 256 + 64];
    int length = 0;
    switch (TakeByte(program) % 5) {
        case 0: length = PdfFormat(dest, (format + "%d").c_str(), TakeInt(program)); break;
        case 1: length = PdfFormat(dest, (format + "%lu").c_str(), static_cast<unsigned>(TakeInt(program))); break;
        case 2: length = PdfFormat(dest, (format + "%f").c_str(), TakeDouble(program)); break;
        case 3: length = PdfFormat(dest, (format + "%c").c_str(), static_cast<int>(TakeByte(program))); break;
        default: length = PdfFormat(dest, (format + "%s").c_str(), text.c_str()); break;
    }
    FUZZ_CHECK(length >= 0 && static_cast<std::size_t>(length) <= format.size() + 2 * text.size() + PDF_NUMBER_MAX + 2);
    FUZZ_CHECK(dest[length] == '\0');
}

void Escape(ByteProgram& program) {
    std::string text = TakeText(program);
    char dest[2 * 256 + 1];
    int length = PdfEscapeString(dest, text.c_str());
    std::size_t specials = 0;
    for (char c : text) specials += c == '(' || c == ')' || c == '\\';
    FUZZ_CHECK(static_cast<std::size_t>(length) == text.size() + specials);
}

void Draw(PdfWriter& pdf, ByteProgram& program) {
    switch (TakeByte(program) % 16) {
        case 0: PdfSetFont(pdf, TakeFontName(program), TakeDouble(program)); break;
        case 1: PdfSetTextAlign(pdf, TakeInt(program), TakeDouble(program)); break;
        case 2: PdfSetTextGray(pdf, TakeDouble(program)); break;
        case 3: {
            double x = TakeDouble(program), y = TakeDouble(program);
            PdfText(pdf, x, y, TakeText(program).c_str());
            break;
        }
        case 4: PdfTextWidth(pdf, TakeText(program).c_str()); break;
        case 5: PdfSetLineWidth(pdf, TakeDouble(program)); break;
        case 6: PdfSetLineGray(pdf, TakeDouble(program)); break;
        case 7: {
            double x = TakeDouble(program);
            PdfMoveTo(pdf, x, TakeDouble(program));
            break;
        }
        case 8:
        case 9: {
            double x = TakeDouble(program);
            PdfLineTo(pdf, x, TakeDouble(program));
            break;
        }
        case 10: PdfStroke(pdf); break;
        case 11: PdfShowPage(pdf, TakeByte(program) & 1); break;
        case 12: PdfSetFooter(pdf, TakeText(program).c_str()); break;
        case 13: PdfSetFooterFont(pdf, TakeFontName(program), TakeInt(program)); break;
        case 14: FormatNumber(TakeDouble(program)); break;
        default: TakeByte(program) & 1 ? Format(program) : Escape(program); break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteProgram program{data, size};
    // Page sizes up to the largest PDF page, 200 inches (14,400 points).
    std::int32_t width = static_cast<std::int32_t>(static_cast<std::uint32_t>(TakeInt(program)) % 14401);
    std::int32_t height = static_cast<std::int32_t>(static_cast<std::uint32_t>(TakeInt(program)) % 14401);
    std::int32_t capacity = TakeInt(program) % 4096;  // small, so that pages must grow
    std::string title = TakeText(program);
    std::string footer = TakeText(program);

    PdfWriter pdf;
    pdf.clockFixed = 1;
    pdf.clockSeconds = 1700000000;
    if (PdfOpen(pdf, "/dev/null", title.c_str(), nullptr, "fuzz", nullptr, footer.c_str(), capacity, width, height))
        return 0;
    while (program.left > 0) Draw(pdf, program);
    FUZZ_CHECK(pdf.contentLength <= pdf.contentCapacity);
    PdfClose(pdf);
    return 0;
}
