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

char* Slow(char* out, double value, int places) {
    return out + std::snprintf(out, kFixedTextMax + 1, "%.*f", places, value);
}

}  // namespace

char* FormatFixed(char* out, double value, int places) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    int field = static_cast<int>((bits >> kMantissaBits) & kExponentAllOnes);
    if (field == 0 || field == kExponentAllOnes) return Slow(out, value, places);  // 0, tiny, inf, nan
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

    char digits[24];
    int count = 0;
    for (uint64_t rest = static_cast<uint64_t>(quotient); rest != 0 || count <= places; rest /= 10) {
        digits[count++] = static_cast<char>('0' + rest % 10);
    }
    if (bits >> 63) *out++ = '-';
    while (count > 0) {
        *out++ = digits[--count];
        if (count == places && places > 0) *out++ = '.';
    }
    return out;
}
