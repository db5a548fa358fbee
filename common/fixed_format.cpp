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

__extension__ typedef unsigned __int128 Wide;  // GCC and Clang: 128-bit products

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

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

    // The value times 10^places, exactly, as a quotient and a remainder of
    // a power of two; then rounded to nearest, ties to even.
    Wide scaled = static_cast<Wide>(mantissa) * kPowersOfTen[places];
    Wide quotient = scaled >> shift;
    Wide remainder = scaled - (quotient << shift);
    Wide half = shift == 0 ? 1 : Wide{1} << (shift - 1);  // no remainder when shift is 0
    if (remainder > half || (remainder == half && (quotient & 1) != 0)) ++quotient;
    if (quotient >> 64 != 0) return Slow(out, value, places);

    // The quotient's digits, two at a time from the right, with zeros in
    // front until there is one before the point.
    char digits[24];
    char* const end = digits + sizeof digits;
    char* first = end;
    uint64_t rest = static_cast<uint64_t>(quotient);
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
