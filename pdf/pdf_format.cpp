#include "pdf_format.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

constexpr char kOverflow[] = "**overflow**";
constexpr double kNegativeZeroBand = -0.0005;  // above this, a negative prints "0"
constexpr double kHalfHundredth = 0.005;       // rounds the fraction half up
constexpr double kNumberLimit = 4294967296.0;  // 2^32: integer parts must fit 32 bits
constexpr double kFloatLimit = 4294967295.0;   // "%f" gives "**overflow**" from here

int WriteOverflow(char* dest) {
    std::memcpy(dest, kOverflow, sizeof kOverflow - 1);
    return static_cast<int>(sizeof kOverflow - 1);
}

int WriteUnsigned(char* dest, std::uint64_t value) {
    return static_cast<int>(std::to_chars(dest, dest + 20, value).ptr - dest);  // 20 digits hold any uint64
}

}  // namespace

int PdfFormatNumber(char* dest, double value) {
    if (std::isnan(value)) return WriteOverflow(dest);
    char* out = dest;
    if (!(value >= 0)) {
        if (value > kNegativeZeroBand) {
            *out = '0';
            return 1;
        }
        *out++ = '-';
        value = -value;
    }
    if (!(value < kNumberLimit)) return static_cast<int>(out - dest) + WriteOverflow(out);

    double whole = 0;
    double fraction = std::modf(value, &whole) + kHalfHundredth;
    std::uint64_t integer = static_cast<std::uint64_t>(whole);
    if (fraction >= 1) {
        fraction = 0;
        integer += 1;
    }
    out += WriteUnsigned(out, integer);
    int hundredths = static_cast<int>(100 * fraction);
    if (hundredths > 99) hundredths = 99;
    if (hundredths != 0) {
        *out++ = '.';
        *out++ = static_cast<char>('0' + hundredths / 10);
        if (hundredths % 10 != 0) *out++ = static_cast<char>('0' + hundredths % 10);
    }
    return static_cast<int>(out - dest);
}

int PdfEscapeString(char* dest, const char* text) {
    char* out = dest;
    for (; *text != '\0'; ++text) out += PdfEscapeByte(out, *text);
    return static_cast<int>(out - dest);
}

char PdfNextConversion(char*& out, const char*& at) {
    for (; *at != '\0'; ++at) {
        if (*at != '%') {
            *out++ = *at;
            continue;
        }
        char conversion = *++at;
        if (conversion == 'l' && (at[1] == 'd' || at[1] == 'u')) conversion = *++at;
        if (conversion == '\0') return '\0';
        ++at;
        return conversion;
    }
    return '\0';
}

int PdfFormatV(char* dest, const char* format, std::va_list args) {
    char* out = dest;
    const char* at = format;
    for (char conversion; (conversion = PdfNextConversion(out, at)) != '\0';) {
        switch (conversion) {
        case 'd':
            out += PdfFormatNumber(out, va_arg(args, int));
            break;
        case 'u':
            out += PdfFormatNumber(out, va_arg(args, unsigned));
            break;
        case 'f': {
            double value = va_arg(args, double);
            out += std::fabs(value) >= kFloatLimit ? WriteOverflow(out) : PdfFormatNumber(out, value);
            break;
        }
        case 'c':
            *out++ = static_cast<char>(va_arg(args, int));
            break;
        case 's': {
            const char* text = va_arg(args, const char*);
            if (text != nullptr) out += PdfEscapeString(out, text);
            break;
        }
        default:  // "%%", and any character without a meaning here
            *out++ = conversion;
            break;
        }
    }
    *out = '\0';
    return static_cast<int>(out - dest);
}

int PdfFormatPageNumber(char* dest, const char* format, int pageNumber) {
    char* out = dest;
    const char* at = format;
    for (char conversion; (conversion = PdfNextConversion(out, at)) != '\0';) {
        if (conversion == 'd' || conversion == 'u')
            out += PdfFormatNumber(out, pageNumber);
        else
            *out++ = conversion;
    }
    *out = '\0';
    return static_cast<int>(out - dest);
}

int PdfFormat(char* dest, const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    int count = PdfFormatV(dest, format, args);
    va_end(args);
    return count;
}
