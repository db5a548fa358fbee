#include "waypoint_scan.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "grid_inverse.h"
#include "grid_reference.h"
#include "hemisphere_position.h"
#include "text_line.h"

namespace {

constexpr const char* kMinusSign = "\xE2\x88\x92";  // U+2212 minus sign
constexpr int kSignedFields = 3;                       // the ID, the latitude and the longitude

// White space as "%s" and " " see it in the C locale, less the blank.
int IsOtherSpace(char c) { return c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// Bytes that may begin a number for "%lf": anything else is a certain
// matching failure, with nothing consumed.
int MayStartNumber(char c) { return IsDigit(c) || std::strchr("+-.iInN", c) != nullptr; }

// Up to 15 digits make an integer below 10^15 < 2^53, which a double holds
// exactly, and 10^15 is a double exactly too. One division of the two is
// then rounded correctly, as IEEE division is, and gives the very double
// that a correctly rounding strtod gives for the decimal.
constexpr int kExactDigits = 15;
constexpr double kExactPowersOfTen[kExactDigits + 1] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// Reads a plain decimal, -?digits(.digits)?, ended by a blank or the end,
// from *p. Returns 1 and moves *p past it; 0 when the field is anything else.
int TakePlainNumber(const char*& p, double& number) {
    const char* q = p;
    const bool negative = *q == '-';
    if (negative) ++q;
    if (!IsDigit(*q)) return 0;
    uint64_t digits = 0;  // wraps for very long numbers, which from_chars reads instead
    int count = 0;
    int decimals = 0;
    for (; IsDigit(*q); ++q, ++count) digits = digits * 10 + static_cast<uint64_t>(*q - '0');
    if (*q == '.') {
        ++q;
        if (!IsDigit(*q)) return 0;
        for (; IsDigit(*q); ++q, ++count, ++decimals) digits = digits * 10 + static_cast<uint64_t>(*q - '0');
    }
    if (*q != ' ' && *q != '\0') return 0;
    if (count <= kExactDigits) {
        const double quotient = static_cast<double>(digits) / kExactPowersOfTen[decimals];
        number = negative ? -quotient : quotient;
    } else {
        std::from_chars_result result = std::from_chars(p, q, number);
        if (result.ec != std::errc() || result.ptr != q) return 0;
    }
    p = q;
    return 1;
}

const char* SkipSpaces(const char* p) {
    while (*p == ' ') ++p;
    return p;
}

// The optional elevation after a position, read as the fourth conversion of
// the formatted scan reads it. Returns where the description starts.
const char* TakeElevation(const char* text, double& elev, bool& elevRead) {
    const char* field = SkipBlanks(text);
    double number = 0.0;
    if (std::sscanf(field, "%lf", &number) != 1 || !std::isfinite(number)) return field;
    elev = number;
    elevRead = true;
    return SkipFields(field, 1);
}

}  // namespace

// Anything out of the way is left to sscanf itself, so that both ways give
// identical results.
int QuickScanWaypointFields(const char* data, WaypointFields& fields) {
    // The ID runs to a blank or the end; any other white space is sscanf's.
    size_t length = std::strcspn(data, " \t\n\v\f\r");
    const char* p = data + length;
    if (*p != ' ' && *p != '\0') return kScanUnsure;
    if (length == 0 || length > static_cast<size_t>(kLinePieceMax)) return kScanUnsure;
    std::memcpy(fields.Id, data, length);
    fields.Id[length] = '\0';

    double* numbers[] = {&fields.Lat, &fields.Long, &fields.Elev};
    int count = 1;
    for (double* number : numbers) {
        p = SkipSpaces(p);
        if (*p == '\0') break;  // input ends: the conversions so far
        if (IsOtherSpace(*p)) return kScanUnsure;
        if (!MayStartNumber(*p)) break;  // matching failure
        if (!TakePlainNumber(p, *number)) return kScanUnsure;
        ++count;
    }
    // Every field ended at a blank or the end, so this is where SkipFields
    // over count fields would land.
    fields.Rest = SkipBlanks(p);
    fields.ElevRead = count == 4;
    return count;
}

int ScanWaypointFields(const char* data, WaypointFields& fields) {
    int count = QuickScanWaypointFields(data, fields);
    if (count != kScanUnsure) return count;  // plain decimals are all finite
    fields = WaypointFields{};
    // The width keeps the ID inside its buffer; data is never longer.
    count = std::sscanf(data, "%254s %lf %lf %lf", fields.Id, &fields.Lat, &fields.Long, &fields.Elev);
    if (count == 4 && !std::isfinite(fields.Elev)) {
        fields.Elev = 0.0;
        count = 3;
    }
    fields.Rest = SkipFields(data, count > 0 ? count : 0);
    fields.ElevRead = count == 4;
    return count;
}

int ScanWithMinusSigns(const char* data, WaypointFields& fields) {
    std::string plain;
    bool replaced = false;
    const char* p = data;
    for (int field = 0; field < kSignedFields && *p != '\0'; ++field) {
        if (field > 0 && StartsWith(p, kMinusSign)) {
            plain += '-';
            p += std::strlen(kMinusSign);
            replaced = true;
        }
        const char* next = SkipFields(p, 1);
        plain.append(p, next);
        p = next;
    }
    if (!replaced) return 0;
    plain += p;
    const int count = ScanWaypointFields(plain.c_str(), fields);
    fields.Rest = SkipFields(data, count > 0 ? count : 0);  // the same fields, counted in data
    return count;
}

LetteredScan ScanLetteredPosition(const char* position, double metresPerElevationUnit, WaypointFields& fields,
                                  int& writtenLength) {
    double latDeg = 0.0, longDeg = 0.0;
    int used = 0;
    const HemisphereScan hemisphere = ScanHemispherePosition(position, latDeg, longDeg, used);
    if (hemisphere == kBadHemispherePosition) {
        writtenLength = used;
        return kBadLetteredPosition;
    }
    GridReference ref;
    if (hemisphere == kNotHemispherePosition) {
        const GridRefScan scan = ScanGridReference(position, ref, used);
        if (scan == kNotGridReference) return kNoLetteredPosition;
        if (scan == kBadGridReference) {
            writtenLength = used;
            return kBadGridRef;
        }
    }
    double elev = 0.0;
    bool elevRead = false;
    const char* rest = TakeElevation(position + used, elev, elevRead);
    if (hemisphere == kNotHemispherePosition &&
        GridToLatLong(ref.Grid, ref.EastingM, ref.NorthingM, latDeg, longDeg, elev * metresPerElevationUnit) != 0) {
        writtenLength = used;
        return kBadGridRef;
    }
    fields.Lat = latDeg;
    fields.Long = longDeg;
    fields.Elev = elev;
    fields.ElevRead = elevRead;
    fields.Rest = rest;
    return kLetteredPositionRead;
}
