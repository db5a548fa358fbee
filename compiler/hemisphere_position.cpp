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

// The signs after degrees, minutes and seconds in UTF-8, with the ASCII
// forms people type and the look-alikes that word processors and web pages
// put in their place.
constexpr const char* kDegreeSigns[] = {
    "\xC2\xB0",      // U+00B0 degree sign
    "\xC2\xBA",      // U+00BA masculine ordinal indicator
    "\xCB\x9A",      // U+02DA ring above
    "\xE2\x81\xB0",  // U+2070 superscript zero
};
constexpr const char* kMinuteSigns[] = {
    "'",             // U+0027 apostrophe
    "\xE2\x80\xB2",  // U+2032 prime
    "\xE2\x80\x99",  // U+2019 right single quotation mark
    "\xC2\xB4",      // U+00B4 acute accent
};
// Seconds are also written as two minute signs: '' and the ’’ a word
// processor makes of it.
constexpr const char* kSecondSigns[] = {
    "\"",            // U+0022 quotation mark
    "\xE2\x80\xB3",  // U+2033 double prime
    "\xE2\x80\x9D",  // U+201D right double quotation mark
};

struct Coordinate {
    double parts[kMaxParts] = {};
    int count = 0;
    bool marked = false;     // a sign or a decimal point: no grid reference looks so
    bool decimals = false;   // the last number read has a decimal part
};

// Length of the one of signs that p starts with, or 0.
template <size_t N>
int SignOf(const char* p, const char* const (&signs)[N]) {
    for (const char* sign : signs) {
        if (StartsWith(p, sign)) return static_cast<int>(std::strlen(sign));
    }
    return 0;
}

// Length of the sign that may follow the number of the given part, or 0.
int SignLength(const char* p, int part) {
    switch (part) {
        case 0: return SignOf(p, kDegreeSigns);
        case 1: return SignOf(p, kMinuteSigns);
        default: {
            if (int length = SignOf(p, kSecondSigns)) return length;
            const int first = SignOf(p, kMinuteSigns);
            const int second = first > 0 ? SignOf(p + first, kMinuteSigns) : 0;
            return second > 0 ? first + second : 0;
        }
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
            // A sign out of place: ' " or the first byte of a UTF-8 one.
            c.marked = c.marked || std::strchr("'\"\xC2\xCB\xE2", *end) != nullptr;
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
    return SignLength(p, 0) > 0;
}

// One coordinate of a spaced position at p: three numbers parted by blanks,
// only the last with decimals, then one of letters, glued to it or after
// blanks, and a blank or the end. Appends it with its signs to marked and
// returns where it ends, or nullptr.
const char* TakeSpacedCoordinate(const char* p, const char* letters, std::string& marked) {
    const char* const signs[kMaxParts] = {kDegreeSigns[0], kMinuteSigns[0], kSecondSigns[0]};
    for (int part = 0; part < kMaxParts; ++part) {
        if (part > 0) {
            if (*p != ' ') return nullptr;
            p = SkipBlanks(p);
        }
        const char* end = p;
        while (IsDigit(*end)) ++end;
        if (end == p) return nullptr;
        if (part == kMaxParts - 1 && *end == '.' && IsDigit(end[1])) {
            for (++end; IsDigit(*end); ++end) {}
        }
        marked.append(p, end).append(signs[part]);
        p = end;
    }
    const char* letter = SkipBlanks(p);
    const char upper = LetterAt(letter, letters);
    if (!upper || (letter[1] != ' ' && letter[1] != '\0')) return nullptr;
    marked += upper;
    return letter + 1;
}

}  // namespace

int MarkSpacedPosition(const char* text, std::string& marked) {
    marked.clear();
    const char* p = TakeSpacedCoordinate(text, "NS", marked);
    if (p == nullptr || *p != ' ') return 0;
    marked += ' ';
    if (TakeSpacedCoordinate(SkipBlanks(p), "EW", marked) == nullptr) return 0;
    double latDeg = 0.0, longDeg = 0.0;
    int used = 0;
    return ScanHemispherePosition(marked.c_str(), latDeg, longDeg, used) == kHemispherePositionRead;
}

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
