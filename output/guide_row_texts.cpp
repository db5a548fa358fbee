#include "guide_row_texts.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr double kIrishRounding = 5.0;   // metres: half of the ten the figures count
constexpr long long kSquareMetres = 100000;  // one 100 km square
constexpr long long kFigureMetres = 10;      // one step of the four figures

// Truncates toward zero; 0 for a value no grid can give, so that a damaged
// record still prints a text rather than overflow (a long long, 64 bits on
// every target, where a long may have 32).
long long TruncToWhole(double value) {
    if (!(std::fabs(value) < 1e15)) return 0;
    return static_cast<long long>(value);
}

void FormatIrishLine(char (&text)[kGuideGridTextSize], char axis, double metres) {
    long long v = TruncToWhole(metres + kIrishRounding);
    std::snprintf(text, sizeof text, "%c%lld:%04lld", axis, v / kSquareMetres, (v % kSquareMetres) / kFigureMetres);
}

// Width of the first length bytes of text in the current font.
double PrefixWidth(const PdfWriter& pdf, const std::string& text, std::size_t length, std::string& scratch) {
    scratch.assign(text, 0, length);
    return PdfTextWidth(pdf, scratch.c_str());
}

}  // namespace

void FormatGuideGridTexts(const Waypoint& waypoint, int gridSystem, char (&upper)[kGuideGridTextSize],
                          char (&lower)[kGuideGridTextSize]) {
    upper[0] = '\0';
    lower[0] = '\0';
    if (gridSystem == kGridOsgb) {
        std::snprintf(upper, sizeof upper, "%s%04lld", waypoint.SquareLetters, waypoint.SquareE / kFigureMetres);
        std::snprintf(lower, sizeof lower, "%04lld", waypoint.SquareN / kFigureMetres);
    } else if (gridSystem == kGridIrish) {
        FormatIrishLine(upper, 'E', waypoint.GridE);
        FormatIrishLine(lower, 'N', waypoint.GridN);
    }
}

void SplitGuideDescription(const PdfWriter& pdf, const std::string& desc, double limit, GuideDescLines& lines) {
    lines.TooWide = 0;
    lines.Second.clear();
    if (PdfTextWidth(pdf, desc.c_str()) <= limit) {
        lines.LineCount = 1;
        lines.First = desc;
        return;
    }
    // The last blank whose preceding text still fits; failing that, the
    // first. Each prefix is measured in First before First is set.
    std::string& scratch = lines.First;
    std::size_t firstBlank = desc.find(' ');
    std::size_t split = std::string::npos;
    for (std::size_t blank = firstBlank; blank != std::string::npos; blank = desc.find(' ', blank + 1)) {
        if (PrefixWidth(pdf, desc, blank, scratch) > limit) break;
        split = blank;
    }
    if (split == std::string::npos) split = firstBlank;

    lines.LineCount = 2;
    if (split == std::string::npos) {
        lines.First = desc;
    } else {
        lines.First.assign(desc, 0, split);
        lines.Second.assign(desc, split + 1, std::string::npos);
    }
    lines.TooWide = PdfTextWidth(pdf, lines.First.c_str()) > limit || PdfTextWidth(pdf, lines.Second.c_str()) > limit;
}
