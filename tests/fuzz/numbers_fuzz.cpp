// Fuzz target: the hand-made number formatters and scanners that stand in
// for printf and scanf on the fast paths, held to the C library on every
// input: FormatFixed against "%.Nf", the report's PutFixed and PutInteger
// against "%W.Pf" and "%Wld", stileline's ScanThreeNumbers against
// "%lf %lf %lf" and cairnlog's quick waypoint scan against "%s %lf %lf %lf"
// (and SkipFields for where the description starts). The first byte picks the pair; the rest is the value
// or the text.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "fixed_format.h"
#include "fuzz_check.h"
#include "number_scan.h"
#include "report_format.h"
#include "text_line.h"
#include "waypoint_scan.h"

namespace {

bool SameDouble(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
}

struct Bytes {
    const std::uint8_t* at;
    std::size_t left;
    std::uint8_t Take() {
        if (left == 0) return 0;
        --left;
        return *at++;
    }
    std::uint64_t TakeWord() {
        std::uint64_t word = 0;
        for (int i = 0; i < 8; ++i) word = word << 8 | Take();
        return word;
    }
    // Raw bits half the time (NaN, infinities, subnormals, 1e308), else a
    // decimal of the kind files hold: a whole number over a power of ten.
    double TakeDouble() {
        std::uint8_t kind = Take();
        std::uint64_t word = TakeWord();
        if (kind & 1) {
            double value;
            std::memcpy(&value, &word, sizeof value);
            return value;
        }
        return static_cast<double>(static_cast<std::int64_t>(word) >> (kind >> 2 & 31)) /
               std::pow(10.0, kind >> 1 & 7);
    }
    std::string TakeRest(std::size_t most) {
        std::string text(reinterpret_cast<const char*>(at), left < most ? left : most);
        text = text.c_str();  // a NUL ends the text as it ends a line piece
        left = 0;
        return text;
    }
};

void CheckFormatFixed(Bytes& bytes) {
    double value = bytes.TakeDouble();
    int places = bytes.Take() % (kFixedPlacesMax + 1);
    char fast[kFixedTextMax + 1];
    char slow[kFixedTextMax + 1];
    *FormatFixed(fast, value, places) = '\0';
    std::snprintf(slow, sizeof slow, "%.*f", places, value);
    FUZZ_CHECK(std::strcmp(fast, slow) == 0);
}

void CheckReportNumbers(Bytes& bytes) {
    std::uint8_t shape = bytes.Take();
    int width = shape % 13;  // the report's widths go up to 12
    bool zeroPad = shape & 0x80;
    char fast[kReportNumberMax + 1];
    char slow[kReportNumberMax + 1];
    if (shape & 0x40) {
        long value = static_cast<long>(bytes.TakeWord());
        *PutInteger(fast, value, width, zeroPad) = '\0';
        std::snprintf(slow, sizeof slow, zeroPad ? "%0*ld" : "%*ld", width, value);
    } else {
        double value = bytes.TakeDouble();
        int precision = bytes.Take() % (kFixedPlacesMax + 1);
        *PutFixed(fast, value, width, precision, zeroPad) = '\0';
        std::snprintf(slow, sizeof slow, zeroPad ? "%0*.*f" : "%*.*f", width, precision, value);
    }
    FUZZ_CHECK(std::strcmp(fast, slow) == 0);
}

void CheckTrackScan(Bytes& bytes) {
    std::string text = bytes.TakeRest(254);
    double fast[3] = {1.5, 2.5, -1.0};
    double slow[3] = {1.5, 2.5, -1.0};
    int fastCount = ScanThreeNumbers(text.c_str(), fast);
    int slowCount = std::sscanf(text.c_str(), "%lf %lf %lf", &slow[0], &slow[1], &slow[2]);
    FUZZ_CHECK(fastCount == slowCount);
    for (int i = 0; i < 3; ++i) FUZZ_CHECK(SameDouble(fast[i], slow[i]));
}

void CheckWaypointScan(Bytes& bytes) {
    std::string text = bytes.TakeRest(kLinePieceMax);
    WaypointFields fast;
    int fastCount = QuickScanWaypointFields(text.c_str(), fast);
    if (fastCount == kScanUnsure) return;  // sscanf itself takes these
    WaypointFields slow;
    int slowCount = std::sscanf(text.c_str(), "%254s %lf %lf %lf", slow.Id, &slow.Lat, &slow.Long, &slow.Elev);
    FUZZ_CHECK(fastCount == slowCount);
    FUZZ_CHECK(std::strcmp(fast.Id, slow.Id) == 0);
    FUZZ_CHECK(SameDouble(fast.Lat, slow.Lat));
    FUZZ_CHECK(SameDouble(fast.Long, slow.Long));
    FUZZ_CHECK(SameDouble(fast.Elev, slow.Elev));
    FUZZ_CHECK(fast.Rest == SkipFields(text.c_str(), fastCount));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes bytes{data, size};
    switch (bytes.Take() % 4) {
        case 0: CheckFormatFixed(bytes); break;
        case 1: CheckReportNumbers(bytes); break;
        case 2: CheckTrackScan(bytes); break;
        default: CheckWaypointScan(bytes); break;
    }
    return 0;
}
