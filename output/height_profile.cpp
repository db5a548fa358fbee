#include "height_profile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "settings.h"

namespace {

constexpr double kLabelSizePt = 6.0;          // ticks, IDs and the highest point's height
constexpr double kTickPt = 3.0;               // length of a distance tick below the axis
constexpr double kLabelGapPt = 2.0;           // between a label and what it labels
constexpr double kHeadroom = 0.15;            // of the height range, above the highest point for its label
constexpr double kFlatSpan = 10.0;            // elevation units round a profile of one height
constexpr double kMarkSpacingPt = 0.25;       // nearest two waypoint marks are drawn
constexpr double kLineWidthPt = 1.2;          // the profile's line; nothing else on the page is as wide
constexpr double kAxisWidthPt = 0.5;
constexpr double kGridWidthPt = 0.25;         // height ticks across the box, and the waypoint marks
constexpr double kGridGray = 0.8;
constexpr double kMarkGray = 0.6;
constexpr int kHeightTicks = 4;
constexpr int kDistanceTicks = 8;
constexpr int kTickTextSize = 32;             // bytes of a formatted tick or height
// Elevation units: a hundred times Everest in feet. The WayFile takes any
// finite elevation, but a height past this is a slip of the keyboard, and
// the profile draws it as unknown rather than let it flatten the rest (or,
// near the largest doubles, leave the axis no finite span).
constexpr double kHeightMaxUnits = 3e6;

// Puts the profiles of one stage, profiles[begin..], with the main letter first.
void MainLetterFirst(std::vector<HeightProfile>& profiles, std::size_t begin, int mainLetter) {
    std::stable_partition(profiles.begin() + static_cast<std::ptrdiff_t>(begin), profiles.end(),
                          [mainLetter](const HeightProfile& profile) { return profile.Letter == mainLetter; });
}

// A tick value with the decimals its step needs, never "-0".
void FormatTick(char (&text)[kTickTextSize], double value, double step) {
    const int decimals = step >= 1.0 ? 0 : step >= 0.1 ? 1 : 2;
    std::snprintf(text, sizeof text, "%.*f", decimals, value + 0.0);
    if (std::strtod(text, nullptr) == 0.0) std::snprintf(text, sizeof text, "0");
}

// Calls draw(value) for every tick of axis.
template <typename Draw>
void ForEachTick(const ProfileAxis& axis, Draw draw) {
    const long long steps = std::llround((axis.Max - axis.Min) / axis.Step);
    for (long long i = 0; i <= steps; ++i) draw(axis.Min + static_cast<double>(i) * axis.Step);
}

void DrawAxes(PdfWriter& pdf, const ProfileAxes& axes, const ProfileBox& box, const ProfileUnits& units) {
    const double right = box.Left + box.Width;
    const double top = box.Bottom + box.Height;
    char text[kTickTextSize];
    if (axes.HasHeight) {
        ForEachTick(axes.Height, [&](double value) {
            const double y = ProfileY(axes, box, value);
            PdfMoveTo(pdf, box.Left, y);
            PdfLineTo(pdf, right, y);
        });
        PdfSetLineWidth(pdf, kGridWidthPt);
        PdfSetLineGray(pdf, kGridGray);
        PdfStroke(pdf);
    }
    ForEachTick(axes.Distance, [&](double value) {
        const double x = ProfileX(axes, box, value);
        PdfMoveTo(pdf, x, box.Bottom);
        PdfLineTo(pdf, x, box.Bottom - kTickPt);
    });
    PdfMoveTo(pdf, box.Left, top);
    PdfLineTo(pdf, box.Left, box.Bottom);
    PdfLineTo(pdf, right, box.Bottom);
    PdfSetLineWidth(pdf, kAxisWidthPt);
    PdfSetLineGray(pdf, 0);
    PdfStroke(pdf);

    PdfSetFont(pdf, "Helvetica", kLabelSizePt);
    PdfSetTextGray(pdf, 0);
    if (axes.HasHeight) {
        // The top tick carries the units, clear of the IDs above the box.
        PdfSetTextAlign(pdf, PDF_ALIGN_RIGHT | PDF_VALIGN_MIDDLE, 0);
        ForEachTick(axes.Height, [&](double value) {
            FormatTick(text, value, axes.Height.Step);
            std::string label = text;
            if (value + axes.Height.Step / 2 > axes.Height.Max) label = label + " " + units.Height;
            PdfText(pdf, box.Left - kLabelGapPt, ProfileY(axes, box, value), label.c_str());
        });
    }
    const double labelTop = box.Bottom - kTickPt - kLabelGapPt;
    PdfSetTextAlign(pdf, PDF_ALIGN_CENTER | PDF_VALIGN_TOP, 0);
    ForEachTick(axes.Distance, [&](double value) {
        FormatTick(text, value, axes.Distance.Step);
        PdfText(pdf, ProfileX(axes, box, value), labelTop, text);
    });
    // The units after the last tick's label, which text still holds.
    PdfSetTextAlign(pdf, PDF_ALIGN_LEFT | PDF_VALIGN_TOP, 0);
    PdfText(pdf, right + PdfTextWidth(pdf, text) / 2 + kLabelGapPt, labelTop, units.Distance);
}

// Every listed waypoint: a mark from the line (or, without a height, from
// the axis) up to the box's top, and its ID above where the one before
// leaves room.
void DrawMarks(PdfWriter& pdf, const WaypointList& list, const HeightProfile& profile, const ProfileAxes& axes,
               const ProfileBox& box) {
    const double top = box.Bottom + box.Height;
    double lastMark = -1e300;
    for (const ProfilePoint& point : profile.Points) {
        const double x = ProfileX(axes, box, point.Distance);
        if (!point.Listed || x < lastMark + kMarkSpacingPt) continue;
        PdfMoveTo(pdf, x, point.Known ? ProfileY(axes, box, point.Height) : box.Bottom);
        PdfLineTo(pdf, x, top);
        lastMark = x;
    }
    PdfSetLineWidth(pdf, kGridWidthPt);
    PdfSetLineGray(pdf, kMarkGray);
    PdfStroke(pdf);

    PdfSetFont(pdf, "Helvetica", kLabelSizePt);
    PdfSetTextAlign(pdf, PDF_ALIGN_CENTER | PDF_VALIGN_BASELINE, 0);
    double labelRight = -1e300;
    for (const ProfilePoint& point : profile.Points) {
        if (!point.Listed) continue;
        const double x = ProfileX(axes, box, point.Distance);
        const char* id = list[point.Index].WayID;
        const double half = PdfTextWidth(pdf, id) / 2;
        if (x - half < labelRight + kLabelGapPt) continue;
        PdfText(pdf, x, top + kLabelGapPt, id);
        labelRight = x + half;
    }
}

void DrawLine(PdfWriter& pdf, const HeightProfile& profile, const ProfileAxes& axes, const ProfileBox& box) {
    const std::vector<ProfilePoint>& points = profile.Points;
    std::vector<ProfileVertex> vertices;
    std::size_t begin = 0;
    while (begin < points.size()) {
        if (!points[begin].Known) {
            ++begin;
            continue;
        }
        std::size_t end = begin + 1;
        while (end < points.size() && points[end].Known && !points[end].RunStart) ++end;
        vertices.clear();
        ThinProfileRun(points, begin, end, axes, box, vertices);
        if (vertices.size() > 1) {
            PdfMoveTo(pdf, vertices[0].X, vertices[0].Y);
            for (std::size_t i = 1; i < vertices.size(); ++i) PdfLineTo(pdf, vertices[i].X, vertices[i].Y);
        }
        begin = end;
    }
    PdfSetLineWidth(pdf, kLineWidthPt);
    PdfSetLineGray(pdf, 0);
    PdfStroke(pdf);
}

// The height of the highest point, above it.
void DrawHighest(PdfWriter& pdf, const HeightProfile& profile, const ProfileAxes& axes, const ProfileBox& box,
                 const ProfileUnits& units) {
    const ProfilePoint* highest = nullptr;
    for (const ProfilePoint& point : profile.Points)
        if (point.Known && (!highest || point.Height > highest->Height)) highest = &point;
    if (!highest) return;
    char text[kTickTextSize + 8];
    std::snprintf(text, sizeof text, "%.0f %s", highest->Height, units.Height);
    PdfSetFont(pdf, "Helvetica-Bold", kLabelSizePt);
    PdfSetTextAlign(pdf, PDF_ALIGN_CENTER | PDF_VALIGN_BASELINE, 0);
    PdfText(pdf, ProfileX(axes, box, highest->Distance), ProfileY(axes, box, highest->Height) + kLabelGapPt, text);
}

}  // namespace

int MainPathEntry(const WaypointList& list, const RouteCard& card) {
    for (const Waypoint& waypoint : list)
        if (waypoint.HasDistance) return CardPathEntry(card, waypoint);
    return -1;
}

void FindHeightProfiles(const WaypointList& list, const RouteCard& card, std::vector<HeightProfile>& profiles) {
    // The last measured point of each letter, which starts the letter's
    // profile in the next stage so that it spans the stage's first leg.
    struct LetterEnd {
        int Seen = 0;
        double ListDistance = 0.0;
        ProfilePoint Point;
    };
    LetterEnd ends[kSymbolEntries];
    long long slots[kSymbolEntries];
    std::fill(std::begin(slots), std::end(slots), -1);
    profiles.clear();
    const int mainLetter = MainPathEntry(list, card);
    std::size_t stage = 0;
    std::size_t stageBegin = 0;
    std::size_t index = 0;
    for (const Waypoint& waypoint : list) {
        const std::size_t at = index++;
        if (!waypoint.HasDistance) continue;
        if (stage + 1 < card.Stages.size() && card.Stages[stage + 1].First <= at) {
            while (stage + 1 < card.Stages.size() && card.Stages[stage + 1].First <= at) ++stage;
            MainLetterFirst(profiles, stageBegin, mainLetter);
            stageBegin = profiles.size();
            std::fill(std::begin(slots), std::end(slots), -1);
        }
        const int letter = CardPathEntry(card, waypoint);
        LetterEnd& end = ends[letter];
        if (slots[letter] < 0) {
            slots[letter] = static_cast<long long>(profiles.size());
            profiles.emplace_back();
            profiles.back().Stage = stage;
            profiles.back().Letter = letter;
            if (end.Seen && !waypoint.SegmentStart) {
                end.Point.Distance = 0.0;
                end.Point.RunStart = 0;
                profiles.back().Points.push_back(end.Point);
            }
        }
        std::vector<ProfilePoint>& points = profiles[static_cast<std::size_t>(slots[letter])].Points;
        ProfilePoint point;
        if (!points.empty()) {
            point.Distance = points.back().Distance;
            if (waypoint.SegmentStart) {
                point.RunStart = 1;
            } else {
                point.Distance += waypoint.Distance - end.ListDistance;
            }
        }
        point.Height = waypoint.Elev;
        point.Index = at;
        point.Known = !waypoint.NoElev && std::fabs(waypoint.Elev) <= kHeightMaxUnits;
        point.Listed = !waypoint.Via;
        points.push_back(point);
        end.Seen = 1;
        end.ListDistance = waypoint.Distance;
        end.Point = point;
    }
    MainLetterFirst(profiles, stageBegin, mainLetter);
}

ProfileAxis RoundAxis(double low, double high, int ticks) {
    if (!(high - low > 0.0)) {
        low -= kFlatSpan / 2;
        high += kFlatSpan / 2;
    }
    const double rough = (high - low) / ticks;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    const double ratio = rough / power;
    const double step = power * (ratio <= 1.0 ? 1.0 : ratio <= 2.0 ? 2.0 : ratio <= 5.0 ? 5.0 : 10.0);
    ProfileAxis axis;
    axis.Step = step;
    // The small allowance keeps a value that is a whole step on its tick.
    axis.Min = std::floor(low / step + 1e-9) * step;
    axis.Max = std::ceil(high / step - 1e-9) * step;
    if (axis.Max <= axis.Min) axis.Max = axis.Min + step;
    return axis;
}

ProfileAxes ProfileAxesOf(const HeightProfile& profile) {
    ProfileAxes axes;
    const double length = profile.Points.empty() ? 0.0 : profile.Points.back().Distance;
    axes.Distance = RoundAxis(0.0, length > 0.0 ? length : 1.0, kDistanceTicks);
    double low = 0.0;
    double high = 0.0;
    for (const ProfilePoint& point : profile.Points) {
        if (!point.Known) continue;
        if (!axes.HasHeight || point.Height < low) low = point.Height;
        if (!axes.HasHeight || point.Height > high) high = point.Height;
        axes.HasHeight = 1;
    }
    axes.Height = RoundAxis(low, high + kHeadroom * (high - low), kHeightTicks);
    return axes;
}

double ProfileX(const ProfileAxes& axes, const ProfileBox& box, double distance) {
    const ProfileAxis& axis = axes.Distance;
    return box.Left + (distance - axis.Min) / (axis.Max - axis.Min) * box.Width;
}

double ProfileY(const ProfileAxes& axes, const ProfileBox& box, double height) {
    const ProfileAxis& axis = axes.Height;
    return box.Bottom + (height - axis.Min) / (axis.Max - axis.Min) * box.Height;
}

void ThinProfileRun(const std::vector<ProfilePoint>& points, std::size_t begin, std::size_t end,
                    const ProfileAxes& axes, const ProfileBox& box, std::vector<ProfileVertex>& vertices) {
    auto vertexOf = [&](std::size_t i) {
        return ProfileVertex{ProfileX(axes, box, points[i].Distance), ProfileY(axes, box, points[i].Height)};
    };
    std::size_t first = begin;  // the bin in hand holds points[first, i)
    std::size_t lowest = begin;
    std::size_t highest = begin;
    long long bin = 0;
    auto flush = [&](std::size_t upTo) {
        if (upTo - first <= 2) {
            for (std::size_t i = first; i < upTo; ++i) vertices.push_back(vertexOf(i));
        } else {
            vertices.push_back(vertexOf(std::min(lowest, highest)));
            if (lowest != highest) vertices.push_back(vertexOf(std::max(lowest, highest)));
        }
    };
    for (std::size_t i = begin; i < end; ++i) {
        const long long at = std::llround(std::floor((ProfileX(axes, box, points[i].Distance) - box.Left) / kProfileBinPt));
        if (i == begin || at != bin) {
            if (i != begin) flush(i);
            first = lowest = highest = i;
            bin = at;
        }
        if (points[i].Height < points[lowest].Height) lowest = i;
        if (points[i].Height > points[highest].Height) highest = i;
    }
    if (end > begin) flush(end);
}

void DrawHeightProfile(PdfWriter& pdf, const WaypointList& list, const HeightProfile& profile,
                       const ProfileBox& box, const ProfileUnits& units) {
    const ProfileAxes axes = ProfileAxesOf(profile);
    DrawAxes(pdf, axes, box, units);
    if (!axes.HasHeight) {
        PdfSetTextAlign(pdf, PDF_ALIGN_CENTER | PDF_VALIGN_MIDDLE, 0);
        PdfText(pdf, box.Left + box.Width / 2, box.Bottom + box.Height / 2, "No known heights on this stage");
    }
    DrawMarks(pdf, list, profile, axes, box);
    if (axes.HasHeight) {
        DrawLine(pdf, profile, axes, box);
        DrawHighest(pdf, profile, axes, box, units);
    }
}
