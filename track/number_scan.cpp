#include "number_scan.h"

#include <charconv>
#include <cstdio>
#include <cstring>

namespace {

// White space as scanf skips it in the C locale.
bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Digits, point, signs and exponent only: no inf or nan, whose spellings
// from_chars and scanf read differently ("nan(1)").
bool IsPlainNumber(const char* start, const char* end) {
    return std::strspn(start, "0123456789.eE+-") >= static_cast<size_t>(end - start);
}

}  // namespace

int ScanThreeNumbers(const char* text, double values[3]) {
    const char* end = text + std::strlen(text);
    const char* p = text;
    double parsed[3];
    int converted = 0;
    for (; converted < 3; ++converted) {
        while (IsSpace(*p)) ++p;
        if (*p == '\0') break;
        std::from_chars_result result = std::from_chars(p, end, parsed[converted]);
        if (result.ec != std::errc() || !(IsSpace(*result.ptr) || *result.ptr == '\0') ||
            !IsPlainNumber(p, result.ptr)) {
            return std::sscanf(text, "%lf %lf %lf", &values[0], &values[1], &values[2]);
        }
        p = result.ptr;
    }
    if (converted == 0) return EOF;  // nothing but white space
    for (int i = 0; i < converted; ++i) values[i] = parsed[i];
    return converted;
}
