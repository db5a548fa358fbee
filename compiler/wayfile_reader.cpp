#include "wayfile_reader.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "directives.h"
#include "hemisphere_position.h"
#include "layout_bookkeeping.h"
#include "line_reader.h"
#include "settings.h"
#include "text_line.h"
#include "utf8_text.h"
#include "waypoint_scan.h"

namespace {

constexpr int kNeededFields = 3;         // ID, Lat and Long: what every waypoint line gives
constexpr int kFieldsWithElevation = 4;  // and the elevation

// A line the decimal reading refuses may give its position with letters, or
// in decimals with the minus sign U+2212. Reports the line's fault when it
// gives none of these, and returns the field count to go on with: at least
// kNeededFields once a position was read.
int ReadOtherPositionForms(const char* data, int count, double metresPerElevationUnit, WaypointFields& fields,
                           WayFileLine& at) {
    const char* position = SkipBlanks(SkipFields(data, 1));
    int written = 0;
    switch (ScanLetteredPosition(position, metresPerElevationUnit, fields, written)) {
        case kLetteredPositionRead:
            return kNeededFields;
        case kBadLetteredPosition:
            ReportLineFault(at, "Oops, can't read position %.*s in %s, line %d\n", written, position,
                            at.WayFilename, at.LineNo);
            break;
        case kBadGridRef:
            ReportLineFault(at, "Oops, can't read grid reference %.*s in %s, line %d\n", written, position,
                            at.WayFilename, at.LineNo);
            break;
        case kNoLetteredPosition: {
            WaypointFields minus;
            const int minusCount = ScanWithMinusSigns(data, minus);
            if (minusCount >= kNeededFields) {
                fields = minus;
                return minusCount;
            }
            ReportLineFault(at, "Oops, can't get ID, Lat, Long in %s, line %d\n", at.WayFilename, at.LineNo);
            break;
        }
    }
    return count;
}

// The shortest text that reads back as value: 6, 30.5.
std::string NumberText(double value) {
    char text[32];  // ample for the shortest form of any double (at most 24 bytes)
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

// "56 06 30N 4 33 00W" reads as latitude 56, longitude 6 and elevation 30,
// which no walker means; the line stands as read, and the warning shows how
// to write degrees, minutes and seconds.
void WarnOfSpacedPosition(const char* data, const WaypointFields& fields, const WayFileLine& at) {
    std::string marked;
    if (!MarkSpacedPosition(SkipBlanks(SkipFields(data, 1)), marked)) return;
    std::fprintf(stderr,
                 "Warning, line %d of %s reads latitude %s, longitude %s, elevation %s: "
                 "for degrees, minutes and seconds write %s\n",
                 at.LineNo, at.WayFilename, NumberText(fields.Lat).c_str(), NumberText(fields.Long).c_str(),
                 NumberText(fields.Elev).c_str(), marked.c_str());
}

}  // namespace

void ReadWaypointLine(const char* data, double metresPerElevationUnit, WayFileLine& at,
                      WaypointRecords& waypoints, bool viaUndescribed) {
    const char* wayFile = at.WayFilename;
    Waypoint& waypoint = waypoints.List.emplace_back();
    waypoint.LineNo = at.LineNo;

    WaypointFields fields;
    int count = ScanWaypointFields(data, fields);
    if (count < kNeededFields) count = ReadOtherPositionForms(data, count, metresPerElevationUnit, fields, at);
    if (count == kFieldsWithElevation) WarnOfSpacedPosition(data, fields, at);
    size_t idLength = std::strlen(fields.Id);
    if (idLength > static_cast<size_t>(kWayIdMax)) {
        ReportLineFault(at, "Oops, ID longer than 31 characters in %s, line %d\n", wayFile, at.LineNo);
        idLength = kWayIdMax;
    }
    waypoint.WayID = KeepCString(waypoints.Texts, std::string_view(fields.Id, idLength));
    if (count >= kNeededFields && (!std::isfinite(fields.Lat) || !std::isfinite(fields.Long))) {
        ReportLineFault(at, "Oops, Lat or Long is not a finite number in %s, line %d\n", wayFile, at.LineNo);
    }
    waypoint.Lat = fields.Lat;
    waypoint.Long = fields.Long;
    waypoint.Elev = fields.Elev;
    waypoint.NoElev = !fields.ElevRead;

    // data is never longer than kLinePieceMax, so the description is never
    // cut and the checks below may read it where it stands.
    const char* desc = fields.Rest;
    waypoint.Desc = KeepText(waypoints.Texts, std::string_view(desc, strnlen(desc, kDescMax)));
    WidenBounds(waypoints.Bounds, waypoint, waypoints.List.size() == 1);

    if (int bad = FirstBadChar(waypoint.WayID)) {
        ReportLineFault(at, "Oops, unprintable character '%c' in ID of %s, line %d\n", bad, wayFile, at.LineNo);
    }
    if (int bad = FirstBadTextChar(desc)) {
        ReportLineFault(at, "Oops, unprintable character '%c' in description of %s, line %d\n", bad, wayFile,
                        at.LineNo);
    }
    if (waypoint.Desc.empty() && viaUndescribed) {
        waypoint.Via = 1;
    } else if (waypoint.Desc.empty()) {
        std::fprintf(stderr, "Warning, no waypoint description in %s, line  %d\n", wayFile, at.LineNo);
    }
}

void ReadWayFile(std::FILE* file, WayFileLine& at, Settings& settings, SymbolTable& symbols,
                 WaypointRecords& waypoints) {
    std::unique_ptr<LineReader> reader = MakeLineReader(file);
    char line[kLinePieceMax + 1];
    int textLost = 0;
    while (ReadCleanLine(*reader, line, textLost)) {
        at.LineNo = reader->lineNo;
        if (textLost) {
            ReportLineFault(at, "Oops, text after a carriage return in %s, line %d\n", at.WayFilename, at.LineNo);
        }
        settings.BlankLineRequest = 0;
        settings.NewColumnRequest = 0;
        settings.ViaRequest = 0;
        settings.StageRequest = nullptr;
        if (line[0] == '#') {
            ParseDirective(line, at, settings, symbols);
            LayoutBookkeeping(line, at, settings, waypoints);
        } else {
            const char* data = SkipBlanks(line);
            if (*data) {
                ReadWaypointLine(data, MetresPerElevationUnit(settings), at, waypoints, settings.ViaUndescribed);
                settings.ViaPoints += waypoints.List.back().Via;
            }
        }
    }
    FinishStages(at, settings, waypoints);
}
