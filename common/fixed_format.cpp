#include "fixed_format.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

constexpr uint64_t kPowersOfTen[kFixedPlacesMax + 1] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000};
constexpr int kMantissaBits = 52;        // IEEE 754 binary64 fraction field
constexpr int kExponentBias = 1075;      // 1023 + 52: value = mantissa * 2^(field - bias)
constexpr int kExponentAllOnes = 0x7FF;  // infinities and NaNs
constexpr int kShiftMax = 120;           // beyond it the value is too small for the fast path

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// The exact products below take up to 77 bits (a 53-bit mantissa times at
// most 10^7, below 2^24): held as two 64-bit halves, which every target has.
struct Wide {
    uint64_t High;
    uint64_t Low;
};

// mantissa (below 2^53) times factor (below 2^32), exactly. The mantissa is
// taken in 32-bit halves, so that neither partial product overflows.
Wide Multiply(uint64_t mantissa, uint64_t factor) {
    const uint64_t low = (mantissa & 0xFFFFFFFF) * factor;  // below 2^64
    const uint64_t high = (mantissa >> 32) * factor;        // below 2^53
    const uint64_t sum = low + (high << 32);
    return {(high >> 32) + (sum < low ? 1 : 0), sum};
}

// x shifted right by shift (0 to 127) into quotient; false when the result
// does not fit 64 bits.
bool ShiftRight(Wide x, int shift, uint64_t& quotient) {
    if (shift == 0) {
        quotient = x.Low;
        return x.High == 0;
    }
    if (shift < 64) {
        quotient = (x.Low >> shift) | (x.High << (64 - shift));
        return x.High >> shift == 0;
    }
    quotient = x.High >> (shift - 64);
    return true;
}

// Bit n (0 to 127) of x.
bool BitSet(Wide x, int n) { return ((n < 64 ? x.Low >> n : x.High >> (n - 64)) & 1) != 0; }

// Whether any bit of x below bit n (0 to 127) is set.
bool AnyBitBelow(Wide x, int n) {
    if (n < 64) return (x.Low & ((uint64_t{1} << n) - 1)) != 0;
    return x.Low != 0 || (x.High & ((uint64_t{1} << (n - 64)) - 1)) != 0;
}

char* Slow(char* out, double value, int places) {
    return out + std::snprintf(out, kFixedTextMax + 1, "%.*f", places, value);
}

}  // namespace

char* FormatFixed(char* out, double value, int places) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    int field = static_cast<int>((bits >> kMantissaBits) & kExponentAllOnes);
    if (value == 0.0) {  // a distance at the start of every segment; -0 keeps its sign
        if (bits >> 63) *out++ = '-';
        *out++ = '0';
        if (places > 0) *out++ = '.';
        for (int i = 0; i < places; ++i) *out++ = '0';
        return out;
    }
    if (field == 0 || field == kExponentAllOnes) return Slow(out, value, places);  // tiny, inf, nan
    uint64_t mantissa = (bits & ((uint64_t{1} << kMantissaBits) - 1)) | (uint64_t{1} << kMantissaBits);
    int shift = kExponentBias - field;  // value = mantissa / 2^shift
    if (shift < 0 || shift > kShiftMax) return Slow(out, value, places);

    // The value times 10^places, exactly, divided by 2^shift; then rounded
    // to nearest, ties to even: up when the remainder's top bit is set and
    // either a lower one is set too or the quotient is odd.
    const Wide scaled = Multiply(mantissa, kPowersOfTen[places]);
    uint64_t quotient;
    if (!ShiftRight(scaled, shift, quotient)) return Slow(out, value, places);
    if (shift > 0 && BitSet(scaled, shift - 1) && (AnyBitBelow(scaled, shift - 1) || (quotient & 1) != 0)) {
        if (quotient == UINT64_MAX) return Slow(out, value, places);
        ++quotient;
    }

    // The quotient's digits, two at a time from the right, with zeros in
    // front until there is one before the point.
    char digits[24];
    char* const end = digits + sizeof digits;
    char* first = end;
    uint64_t rest = quotient;
    for (; rest >= 100; rest /= 100) {
        first -= 2;
        std::memcpy(first, kDigitPairs + 2 * (rest % 100), 2);
    }
    if (rest >= 10) {
        first -= 2;
        std::memcpy(first, kDigitPairs + 2 * rest, 2);
    } else {
        *--first = static_cast<char>('0' + rest);
    }
    while (end - first <= places) *--first = '0';

    if (bits >> 63) *out++ = '-';
    const size_t whole = static_cast<size_t>(end - first - places);
    std::memcpy(out, first, whole);
    out += whole;
    if (places > 0) {
        *out++ = '.';
        std::memcpy(out, first + whole, static_cast<size_t>(places));
        out += places;
    }
    return out;
}
