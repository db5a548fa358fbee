#include "report_format.h"

#include <charconv>
#include <cmath>

namespace {

// Pads digits (an optional sign, then the rest) out to width: blanks before
// the sign, or zeros after it.
void AppendPadded(std::string& out, const char* text, size_t length, int width, bool zeroPad) {
    const size_t padding = width > 0 && length < static_cast<size_t>(width) ? width - length : 0;
    if (zeroPad && padding > 0) {
        const size_t signLength = text[0] == '-' ? 1 : 0;
        out.append(text, signLength);
        out.append(padding, '0');
        out.append(text + signLength, length - signLength);
    } else {
        out.append(padding, ' ');
        out.append(text, length);
    }
}

}  // namespace

void AppendFixed(std::string& out, double value, int width, int precision, bool zeroPad) {
    // Room for the largest double in fixed notation (309 digits) and the
    // fraction; to_chars rounds exactly, as printf does.
    char text[400];
    const std::to_chars_result result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, precision);
    const size_t length = result.ec == std::errc() ? static_cast<size_t>(result.ptr - text) : 0;
    // printf never pads infinity or NaN with zeros.
    AppendPadded(out, text, length, width, zeroPad && std::isfinite(value));
}

void AppendInteger(std::string& out, long value, int width, bool zeroPad) {
    char text[24];
    const std::to_chars_result result = std::to_chars(text, text + sizeof text, value);
    AppendPadded(out, text, static_cast<size_t>(result.ptr - text), width, zeroPad);
}
