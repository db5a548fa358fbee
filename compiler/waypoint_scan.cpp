#include "waypoint_scan.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

int IsDigit(char c) { return c >= '0' && c <= '9'; }

// White space as "%s" and " " see it in the C locale, less the blank.
int IsOtherSpace(char c) { return c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// Bytes that may begin a number for "%lf": anything else is a certain
// matching failure, with nothing consumed.
int MayStartNumber(char c) { return IsDigit(c) || std::strchr("+-.iInN", c) != nullptr; }

// Powers of ten that a double holds exactly: 10^22 = 2^22 * 5^22 is the last
// whose odd part, 5^22, fits in 53 bits.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kMaxExactPower = 22;
constexpr uint64_t kMaxExactInteger = uint64_t{1} << 53;  // every integer up to it is a double

// The plain decimal in [start, end), -?digits(.digits)?, when its digits
// make an exact double and its decimals an exact power of ten: then one
// division, rounded correctly as IEEE division is, gives the very double a
// correctly rounding strtod gives. Returns 0 for the numbers beyond that.
int TakeExactQuotient(const char* start, const char* end, double& number) {
    const char* p = start;
    bool negative = *p == '-';
    if (negative) ++p;
    uint64_t digits = 0;
    int decimals = -1;  // none until the point
    for (; p < end; ++p) {
        if (*p == '.') {
            decimals = 0;
            continue;
        }
        if (digits > kMaxExactInteger / 10) return 0;  // also keeps the sum below from overflowing
        digits = digits * 10 + static_cast<uint64_t>(*p - '0');
        if (decimals >= 0) ++decimals;
    }
    if (digits > kMaxExactInteger || decimals > kMaxExactPower) return 0;
    double quotient = static_cast<double>(digits) / kExactPowersOfTen[decimals < 0 ? 0 : decimals];
    number = negative ? -quotient : quotient;
    return 1;
}

// Reads a plain decimal, -?digits(.digits)?, ended by a blank or the end,
// from *p. Returns 1 and moves *p past it; 0 when the field is anything else.
int TakePlainNumber(const char*& p, double& number) {
    const char* q = p;
    if (*q == '-') ++q;
    if (!IsDigit(*q)) return 0;
    while (IsDigit(*q)) ++q;
    if (*q == '.') {
        ++q;
        if (!IsDigit(*q)) return 0;
        while (IsDigit(*q)) ++q;
    }
    if (*q != ' ' && *q != '\0') return 0;
    if (TakeExactQuotient(p, q, number)) {
        p = q;
        return 1;
    }
    std::from_chars_result result = std::from_chars(p, q, number);
    if (result.ec != std::errc() || result.ptr != q) return 0;
    p = q;
    return 1;
}

const char* SkipSpaces(const char* p) {
    while (*p == ' ') ++p;
    return p;
}

}  // namespace

// Anything out of the way is left to sscanf itself, so that both ways give
// identical results.
int QuickScanWaypointFields(const char* data, WaypointFields& fields) {
    const char* p = data;
    size_t length = 0;
    while (*p && *p != ' ') {
        if (IsOtherSpace(*p)) return kScanUnsure;
        ++p;
        ++length;
    }
    if (length == 0 || length > static_cast<size_t>(kLinePieceMax)) return kScanUnsure;
    std::memcpy(fields.Id, data, length);
    fields.Id[length] = '\0';

    double* numbers[] = {&fields.Lat, &fields.Long, &fields.Elev};
    int count = 1;
    for (double* number : numbers) {
        p = SkipSpaces(p);
        if (*p == '\0') return count;  // input ends: the conversions so far
        if (IsOtherSpace(*p)) return kScanUnsure;
        if (!MayStartNumber(*p)) return count;  // matching failure
        if (!TakePlainNumber(p, *number)) return kScanUnsure;
        ++count;
    }
    return count;
}

int ScanWaypointFields(const char* data, WaypointFields& fields) {
    int count = QuickScanWaypointFields(data, fields);
    if (count == kScanUnsure) {
        fields = WaypointFields{};
        // The width keeps the ID inside its buffer; data is never longer.
        count = std::sscanf(data, "%254s %lf %lf %lf", fields.Id, &fields.Lat, &fields.Long, &fields.Elev);
    }
    if (count == 4 && !std::isfinite(fields.Elev)) {
        fields.Elev = 0.0;
        count = 3;
    }
    return count;
}
