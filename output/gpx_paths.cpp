#include "gpx_paths.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <limits>

#include "gpx_writer.h"
#include "put_text.h"
#include "utf8_text.h"

namespace {

// Digits of the largest part count.
constexpr size_t kCountDigitsMax = std::numeric_limits<std::size_t>::digits10 + 1;
// The longest name line: an escaped title or stage name, the letter and
// "part/parts", with the tags.
constexpr size_t kNameLineMax =
    kGpxMaxEscapedChar * (kTitleMax > kStageNameMax ? kTitleMax : kStageNameMax) + 2 * kCountDigitsMax + 64;

// Whether the waypoint lies on the path of letter: one of its letter, or
// of a letter PATH puts on it.
bool OfLetter(const Waypoint& waypoint, const SymbolTable& symbols, char letter) {
    return PathEntryOf(symbols, SymbolEntryOf(waypoint.WayID[0])) == SymbolEntryOf(letter);
}

// A title comes from the TITLE line or the WayFile's name, and neither is
// held to what XML takes: a character that XML refuses becomes "?" in the
// name, so that the file stays readable. Stage names are clean already.
char* PutNameText(char* out, std::string_view name) {
    constexpr std::size_t kUtf8Max = 4;  // bytes of the longest UTF-8 character
    char one[kUtf8Max + 1];              // one character of name, NUL-ended for the checks
    for (std::size_t at = 0; at < name.size();) {
        const std::size_t room = std::min(kUtf8Max, name.size() - at);
        std::memcpy(one, name.data() + at, room);
        one[room] = '\0';
        const char* next = one;
        NextCodePoint(next);
        const std::size_t length = static_cast<std::size_t>(next - one);
        one[length] = '\0';
        out = FirstBadTextChar(one) != 0 ? PutText(out, "?")
                                         : GpxPutEscapedText(out, std::string_view(one, length));
        at += length;
    }
    return out;
}

char* PutCount(char* out, std::size_t count) {
    return std::to_chars(out, out + kCountDigitsMax, count).ptr;
}

// "<rte><name>West Highland Way C 2/3</name>" and its line end; one part
// has no "1/1".
int PutPathStart(LineBatch& batch, const char* element, std::string_view name, char letter, std::size_t part,
                 std::size_t parts) {
    char* out = PutText(LineRoom(batch, kNameLineMax), "<");
    out = PutText(out, element);
    out = PutText(out, "><name>");
    out = PutNameText(out, name);
    *out++ = ' ';
    *out++ = static_cast<char>(letter - 'a' + 'A');
    if (parts > 1) {
        *out++ = ' ';
        out = PutCount(out, part);
        *out++ = '/';
        out = PutCount(out, parts);
    }
    out = PutText(out, "</name>\r\n");
    LineDone(batch, out);
    return std::ferror(batch.File) ? 1 : 0;
}

int PutLine(LineBatch& batch, std::string_view line) {
    LineDone(batch, PutText(LineRoom(batch, line.size()), line));
    return std::ferror(batch.File) ? 1 : 0;
}

// The stages a route follows: those of the card, or the whole list as one.
const std::vector<Stage>& StagesOf(const GpxPaths& paths) {
    static const std::vector<Stage> kWholeList{Stage{}};
    return paths.Stages && !paths.Stages->empty() ? *paths.Stages : kWholeList;
}

// The routes of one letter: a stage's points split into parts of at most
// RoutePoints, each part after the first beginning with the point the last
// one ended on. A pass counts each stage's points for the parts' names.
int WriteRoutesOf(char letter, LineBatch& batch, const WaypointList& list, const SymbolTable& symbols,
                  double metresPerElevationUnit, const GpxPaths& paths) {
    const std::vector<Stage>& stages = StagesOf(paths);
    std::vector<std::size_t> stagePoints(stages.size(), 0);
    std::size_t stage = 0;
    std::size_t index = 0;
    for (const Waypoint& waypoint : list) {
        while (stage + 1 < stages.size() && stages[stage + 1].First <= index) ++stage;
        stagePoints[stage] += OfLetter(waypoint, symbols, letter);
        ++index;
    }

    const std::size_t routePoints = static_cast<std::size_t>(paths.RoutePoints);
    const Waypoint* last = nullptr;  // the last point written of the open route, if one is open
    std::size_t part = 0;
    std::size_t parts = 0;
    std::size_t inPart = 0;
    int failed = 0;
    stage = 0;
    index = 0;
    for (auto waypoint = list.begin(); !failed && waypoint != list.end(); ++waypoint, ++index) {
        while (stage + 1 < stages.size() && stages[stage + 1].First <= index) {
            if (last) failed = PutLine(batch, "</rte>\r\n");
            last = nullptr;
            ++stage;
        }
        if (failed || !OfLetter(*waypoint, symbols, letter)) continue;
        const std::string_view name = stages[stage].Name.empty() ? paths.Title : stages[stage].Name;
        if (!last) {
            part = 1;
            parts = RouteParts(stagePoints[stage], paths.RoutePoints);
            inPart = 0;
            failed = PutPathStart(batch, "rte", name, letter, part, parts);
        } else if (inPart == routePoints) {
            failed = PutLine(batch, "</rte>\r\n");
            if (!failed) failed = PutPathStart(batch, "rte", name, letter, ++part, parts);
            if (!failed) failed = GpxWritePoint(batch, symbols, *last, metresPerElevationUnit, kGpxRtept);
            inPart = 1;
        }
        if (!failed) failed = GpxWritePoint(batch, symbols, *waypoint, metresPerElevationUnit, kGpxRtept);
        ++inPart;
        last = &*waypoint;
    }
    if (!failed && last) failed = PutLine(batch, "</rte>\r\n");
    return failed;
}

// The track of one letter: a trkseg for each run of distance.
int WriteTrackOf(char letter, LineBatch& batch, const WaypointList& list, const SymbolTable& symbols,
                 double metresPerElevationUnit, const GpxPaths& paths) {
    bool open = false;
    int failed = 0;
    for (auto waypoint = list.begin(); !failed && waypoint != list.end(); ++waypoint) {
        if (!OfLetter(*waypoint, symbols, letter)) continue;
        if (!open) {
            failed = PutPathStart(batch, "trk", paths.Title, letter, 1, 1);
            if (!failed) failed = PutLine(batch, "<trkseg>\r\n");
            open = true;
        } else if (waypoint->SegmentStart) {
            failed = PutLine(batch, "</trkseg>\r\n<trkseg>\r\n");
        }
        if (!failed) failed = GpxWritePoint(batch, symbols, *waypoint, metresPerElevationUnit, kGpxTrkpt);
    }
    if (!failed && open) failed = PutLine(batch, "</trkseg>\r\n</trk>\r\n");
    return failed;
}

}  // namespace

GpxPaths GpxPathsOf(const Settings& settings, const std::vector<Stage>& stages) {
    GpxPaths paths;
    paths.RouteLetters = settings.GpxRouteLetters;
    paths.TrackLetters = settings.GpxTrackLetters;
    paths.RoutePoints = settings.RoutePoints;
    paths.Title = settings.Title;
    paths.Stages = &stages;
    return paths;
}

void MarkPathLetters(const GpxPaths& paths, bool (&onPath)[kSymbolEntries]) {
    for (const char* letters : {paths.RouteLetters, paths.TrackLetters}) {
        for (const char* letter = letters; *letter != '\0'; ++letter) onPath[SymbolEntryOf(*letter)] = true;
    }
}

void WarnLettersWithoutWaypoints(const WaypointList& list, const SymbolTable& symbols, const GpxPaths& paths) {
    if (paths.RouteLetters[0] == '\0' && paths.TrackLetters[0] == '\0') return;
    bool seen[kSymbolEntries] = {};
    for (const Waypoint& waypoint : list) seen[PathEntryOf(symbols, SymbolEntryOf(waypoint.WayID[0]))] = true;
    const struct {
        const char* directive;
        const char* letters;
    } sets[] = {{"GPX_ROUTE", paths.RouteLetters}, {"GPX_TRACK", paths.TrackLetters}};
    for (const auto& set : sets) {
        for (const char* letter = set.letters; *letter != '\0'; ++letter) {
            if (seen[SymbolEntryOf(*letter)]) continue;
            const char upper = static_cast<char>(*letter - 'a' + 'A');
            std::fprintf(stderr, "Warning: #%s=%c, but no waypoint ID begins with %c\n", set.directive, upper,
                         upper);
        }
    }
}

std::size_t RouteParts(std::size_t points, int routePoints) {
    const std::size_t most = static_cast<std::size_t>(routePoints);
    if (points <= most) return 1;
    // Each part after the first adds most - 1 new points.
    return (points - 1 + most - 2) / (most - 1);
}

int GpxWritePaths(LineBatch& batch, const WaypointList& list, const SymbolTable& symbols,
                  double metresPerElevationUnit, const GpxPaths& paths) {
    int failed = 0;
    for (const char* letter = paths.RouteLetters; !failed && *letter != '\0'; ++letter) {
        failed = WriteRoutesOf(*letter, batch, list, symbols, metresPerElevationUnit, paths);
    }
    for (const char* letter = paths.TrackLetters; !failed && *letter != '\0'; ++letter) {
        failed = WriteTrackOf(*letter, batch, list, symbols, metresPerElevationUnit, paths);
    }
    return failed;
}
