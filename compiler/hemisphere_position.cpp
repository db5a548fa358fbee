#include "hemisphere_position.h"

#include <charconv>
#include <cstring>

#include "text_line.h"

namespace {

constexpr int kMaxParts = 3;               // degrees, minutes, seconds
constexpr double kMinutesPerDegree = 60.0;
constexpr double kSecondsPerDegree = 3600.0;
constexpr double kMaxLatDeg = 90.0;
constexpr double kMaxLongDeg = 180.0;

// The signs after degrees, minutes and seconds, as UTF-8 and in the ASCII
// forms people type instead.
constexpr const char* kDegreeSign = "\xC2\xB0";        // U+00B0
constexpr const char* kPrimeSign = "\xE2\x80\xB2";     // U+2032, minutes
constexpr const char* kDoublePrime = "\xE2\x80\xB3";  // U+2033, seconds

struct Coordinate {
    double parts[kMaxParts] = {};
    int count = 0;
    bool marked = false;     // a sign or a decimal point: no grid reference looks so
    bool decimals = false;   // the last number read has a decimal part
};

// Length of the sign that may follow the number of the given part, or 0.
int SignLength(const char* p, int part) {
    switch (part) {
        case 0: return StartsWith(p, kDegreeSign) ? 2 : 0;
        case 1: return *p == '\'' ? 1 : StartsWith(p, kPrimeSign) ? 3 : 0;
        default: return *p == '"' ? 1 : StartsWith(p, kDoublePrime) ? 3 : 0;
    }
}

// Reads up to maxParts numbers at p, each ended by its sign, by blanks or by
// the end of the text. On return p is just past the last number or sign
// taken (or where reading broke). Returns 1 when at least one number was
// read and nothing broke the rules.
int ReadParts(const char*& p, int maxParts, Coordinate& c) {
    const char* q = p;
    while (c.count < maxParts && IsDigit(*q)) {
        if (c.decimals) {  // only the last number may have decimals
            p = q;
            return 0;
        }
        const char* end = q;
        while (IsDigit(*end)) ++end;
        if (*end == '.' && IsDigit(end[1])) {
            for (++end; IsDigit(*end); ++end) {}
            c.decimals = c.marked = true;
        }
        std::from_chars(q, end, c.parts[c.count]);  // plain digits, always read
        p = end;
        const int sign = SignLength(end, c.count);
        ++c.count;
        if (sign > 0) {
            c.marked = true;
            p = end + sign;
        } else if (*end != ' ' && *end != '\0') {
            c.marked = c.marked || std::strchr("'\"\xC2\xE2", *end) != nullptr;  // a sign out of place
            return 0;  // "56x", or the sign of another part
        }
        q = SkipBlanks(p);
    }
    return c.count > 0;
}

// The degrees the parts give, or a negative value when a part is out of
// range.
double DegreesOf(const Coordinate& c, double maxDeg) {
    for (int part = 1; part < c.count; ++part) {
        if (c.parts[part] >= kMinutesPerDegree) return -1.0;
    }
    const double degrees = c.parts[0] + c.parts[1] / kMinutesPerDegree + c.parts[2] / kSecondsPerDegree;
    return degrees <= maxDeg ? degrees : -1.0;
}

// The hemisphere letter at p, upper-cased, when it is one of letters.
char LetterAt(const char* p, const char* letters) {
    const char c = UpperCase(*p);
    return c != '\0' && std::strchr(letters, c) ? c : '\0';
}

// A letter before its numbers: the letter, blanks, then a digit.
bool LeadingLetter(const char* p, const char* letters) {
    return LetterAt(p, letters) && IsDigit(*SkipBlanks(p + 1));
}

HemisphereScan Bad(const char* text, const char* at, int& usedChars) {
    while (*at != ' ' && *at != '\0') ++at;
    usedChars = static_cast<int>(at - text);
    return kBadHemispherePosition;
}

// "N56 06.480 W004 34.620": each coordinate's letter before its numbers.
HemisphereScan ScanLettersFirst(const char* text, Coordinate& lat, Coordinate& lon, char& latLetter,
                                char& lonLetter, const char*& p) {
    latLetter = LetterAt(text, "NS");
    p = SkipBlanks(text + 1);
    const int latRead = ReadParts(p, kMaxParts, lat);
    const char* next = SkipBlanks(p);
    // "N 553 745" is the Irish square N: only an E or W makes it degrees.
    if (!LeadingLetter(next, "EW")) return lat.marked ? kBadHemispherePosition : kNotHemispherePosition;
    if (!latRead) return kBadHemispherePosition;
    lonLetter = LetterAt(next, "EW");
    p = SkipBlanks(next + 1);
    if (!ReadParts(p, lat.count, lon) || lon.count != lat.count) return kBadHemispherePosition;
    return kHemispherePositionRead;
}

// "56°06′29″N 4°34′37″W": each coordinate's letter after its numbers.
HemisphereScan ScanLettersAfter(Coordinate& lat, Coordinate& lon, char& latLetter, char& lonLetter,
                                const char*& p) {
    if (!ReadParts(p, kMaxParts, lat)) return kBadHemispherePosition;
    p = SkipBlanks(p);
    if (!(latLetter = LetterAt(p, "NS"))) return kBadHemispherePosition;
    ++p;
    if (*p != ' ') return kBadHemispherePosition;
    p = SkipBlanks(p);
    if (!ReadParts(p, lat.count, lon) || lon.count != lat.count) return kBadHemispherePosition;
    p = SkipBlanks(p);
    if (!(lonLetter = LetterAt(p, "EW"))) return kBadHemispherePosition;
    ++p;
    return kHemispherePositionRead;
}

// The first number carries the degree sign.
bool DegreesMarked(const char* p) {
    while (IsDigit(*p) || *p == '.') ++p;
    return StartsWith(p, kDegreeSign);
}

}  // namespace

HemisphereScan ScanHemispherePosition(const char* text, double& latDeg, double& longDeg, int& usedChars) {
    Coordinate lat, lon;
    char latLetter = '\0', lonLetter = '\0';
    const char* p = text;
    HemisphereScan scan = kNotHemispherePosition;
    if (LeadingLetter(text, "NS")) {
        scan = ScanLettersFirst(text, lat, lon, latLetter, lonLetter, p);
    } else if (IsDigit(*text) && DegreesMarked(text)) {
        scan = ScanLettersAfter(lat, lon, latLetter, lonLetter, p);
    }
    if (scan == kNotHemispherePosition) return scan;
    if (scan == kBadHemispherePosition || (*p != ' ' && *p != '\0')) return Bad(text, p, usedChars);
    const double latAbs = DegreesOf(lat, kMaxLatDeg);
    const double lonAbs = DegreesOf(lon, kMaxLongDeg);
    if (latAbs < 0.0 || lonAbs < 0.0) return Bad(text, p, usedChars);
    // 0 - x rather than -x, so that S0 is 0 and not -0.
    latDeg = latLetter == 'S' ? 0.0 - latAbs : latAbs;
    longDeg = lonLetter == 'W' ? 0.0 - lonAbs : lonAbs;
    usedChars = static_cast<int>(p - text);
    return kHemispherePositionRead;
}
