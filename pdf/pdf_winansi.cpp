#include "pdf_winansi.h"

namespace {

constexpr unsigned char kUndrawable = '?';

// WinAnsiEncoding codes 128 to 159 (PDF Reference, Appendix D; Windows code
// page 1252): the code point each one draws, 0 where the code is undefined.
constexpr std::int32_t kWinAnsi128To159[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // € ‚ ƒ „ … † ‡
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // ˆ ‰ Š ‹ Œ Ž
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // ‘ ’ “ ” • – —
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // ˜ ™ š › œ ž Ÿ
};

// Base letters of Latin Extended-A, U+0100 to U+017F, for the letters that
// WinAnsi lacks ("ŵ" U+0175 is "w"); the seven it has are found above first.
constexpr char kLatinExtendedABase[] =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiIiJjKkkLlLlLlLlLlNnNnNnnNn"
    "OoOoOoOoRrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
static_assert(sizeof kLatinExtendedABase - 1 == 0x80, "one base letter per code point");

// Welsh letters of Latin Extended Additional: ẁ ẃ ẅ (U+1E80 to U+1E85) and
// ỳ (U+1EF2, U+1EF3).
constexpr char kWelshWBase[] = "WwWwWw";

}  // namespace

unsigned char PdfWinAnsiCode(std::int32_t codePoint) {
    if (codePoint < 0) return kUndrawable;
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return static_cast<unsigned char>(codePoint);
    for (int i = 0; i < 32; ++i)
        if (kWinAnsi128To159[i] == codePoint) return static_cast<unsigned char>(0x80 + i);
    if (codePoint >= 0x100 && codePoint <= 0x17F) return static_cast<unsigned char>(kLatinExtendedABase[codePoint - 0x100]);
    if (codePoint >= 0x1E80 && codePoint <= 0x1E85) return static_cast<unsigned char>(kWelshWBase[codePoint - 0x1E80]);
    if (codePoint == 0x1EF2) return 'Y';
    if (codePoint == 0x1EF3) return 'y';
    return kUndrawable;
}
