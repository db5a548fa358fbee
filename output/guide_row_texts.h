// The texts of one waypoint row in the guide that need more than a format:
// the two-line grid reference and the description split into lines that fit
// the description field.
#pragma once

#include <string>

#include "Pdf.h"
#include "settings.h"
#include "waypoint.h"

constexpr int kGuideGridTextSize = 48;   // bytes: letters, a long long and a NUL, with room

// The grid reference on its two lines. OSGB: square letters and the easting
// within the square over the northing, both in whole tens of metres,
// truncated ("NY1234" over "6789"). Irish: the 100 km square index, a colon
// and the tens of metres within the square, rounded to the nearest ten
// ("E3:1235" over "N2:0457"). Any other grid gives two empty lines.
void FormatGuideGridTexts(const Waypoint& waypoint, int gridSystem, char (&upper)[kGuideGridTextSize],
                          char (&lower)[kGuideGridTextSize]);

struct GuideDescLines {
    int LineCount = 1;     // 1: the whole description on the middle line
    std::string First;     // the whole description, or the upper line
    std::string Second;    // the lower line; may be empty
    int TooWide = 0;       // a line is wider than the limit all the same
};

// Splits desc for a field limit points wide, measured with the font selected
// in pdf: one line when it fits, else two lines split at the last blank that
// keeps the first line within the limit (at the first blank when even the
// first word is too wide; the second line is empty when there is no blank).
// The blank itself belongs to neither line.
void SplitGuideDescription(const PdfWriter& pdf, const std::string& desc, double limit, GuideDescLines& lines);
