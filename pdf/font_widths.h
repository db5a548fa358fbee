// Advance widths of the twelve standard Type 1 fonts the writer offers, in
// thousandths of the font size, indexed by WinAnsi character code.
// Generated from the Adobe AFM files by tools/make_font_widths.py.
#pragma once

#include <cstdint>

constexpr int PDF_WIDTH_TABLE_SIZE = 256;  // codes 0..255

extern const std::int16_t kTimesRomanWidths[PDF_WIDTH_TABLE_SIZE];
extern const std::int16_t kTimesBoldWidths[PDF_WIDTH_TABLE_SIZE];
extern const std::int16_t kTimesItalicWidths[PDF_WIDTH_TABLE_SIZE];
extern const std::int16_t kTimesBoldItalicWidths[PDF_WIDTH_TABLE_SIZE];
extern const std::int16_t kHelveticaWidths[PDF_WIDTH_TABLE_SIZE];
extern const std::int16_t kHelveticaBoldWidths[PDF_WIDTH_TABLE_SIZE];
extern const std::int16_t kHelveticaObliqueWidths[PDF_WIDTH_TABLE_SIZE];
extern const std::int16_t kHelveticaBoldObliqueWidths[PDF_WIDTH_TABLE_SIZE];
extern const std::int16_t kCourierWidths[PDF_WIDTH_TABLE_SIZE];
extern const std::int16_t kCourierBoldWidths[PDF_WIDTH_TABLE_SIZE];
extern const std::int16_t kCourierObliqueWidths[PDF_WIDTH_TABLE_SIZE];
extern const std::int16_t kCourierBoldObliqueWidths[PDF_WIDTH_TABLE_SIZE];
