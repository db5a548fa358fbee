#include "report_format.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace {

constexpr int kLongDigitsMax = 24;  // a 64-bit long in decimal: 19 digits and a sign, with room

// Pads digits (an optional sign, then the rest) out to width: blanks before
// the sign, or zeros after it.
char* PutPadded(char* out, const char* text, size_t length, int width, bool zeroPad) {
    const size_t padding = width > 0 && length < static_cast<size_t>(width) ? width - length : 0;
    const size_t signLength = zeroPad && text[0] == '-' ? 1 : 0;
    std::memcpy(out, text, signLength);
    out += signLength;
    std::memset(out, zeroPad ? '0' : ' ', padding);
    out += padding;
    std::memcpy(out, text + signLength, length - signLength);
    return out + (length - signLength);
}

}  // namespace

char* PutFixed(char* out, double value, int width, int precision, bool zeroPad) {
    char text[kFixedTextMax + 1];
    const size_t length = static_cast<size_t>(FormatFixed(text, value, precision) - text);
    // printf never pads infinity or NaN with zeros.
    return PutPadded(out, text, length, width, zeroPad && std::isfinite(value));
}

char* PutInteger(char* out, long value, int width, bool zeroPad) {
    char text[kLongDigitsMax];
    const std::to_chars_result result = std::to_chars(text, text + sizeof text, value);
    return PutPadded(out, text, static_cast<size_t>(result.ptr - text), width, zeroPad);
}
