#include "wayfile_reader.h"

#include <cmath>
#include <cstring>
#include <memory>

#include "directives.h"
#include "layout_bookkeeping.h"
#include "line_reader.h"
#include "text_line.h"
#include "waypoint_scan.h"

namespace {

void WidenBounds(const Waypoint& waypoint, RunState& run) {
    BoundingBox& box = run.Bounds;
    if (run.WaypointCount == 1) {
        box.MinLat = box.MaxLat = waypoint.Lat;
        box.MinLong = box.MaxLong = waypoint.Long;
    }
    if (waypoint.Lat < box.MinLat) box.MinLat = waypoint.Lat;
    if (waypoint.Lat > box.MaxLat) box.MaxLat = waypoint.Lat;
    if (waypoint.Long < box.MinLong) box.MinLong = waypoint.Long;
    if (waypoint.Long > box.MaxLong) box.MaxLong = waypoint.Long;
}

}  // namespace

void ReadWaypointLine(const char* data, RunState& run) {
    const char* wayFile = run.WayFilename.c_str();
    Waypoint& waypoint = run.Waypoints.emplace_back();
    waypoint.LineNo = run.LineNo;

    WaypointFields fields;
    int count = ScanWaypointFields(data, fields);
    if (count < 3) {
        std::fprintf(stderr, "Oops, can't get ID, Lat, Long in %s, line %d\n", wayFile, run.LineNo);
        run.FailFlag = 1;
    }
    size_t idLength = std::strlen(fields.Id);
    if (idLength > static_cast<size_t>(kWayIdMax)) {
        std::fprintf(stderr, "Oops, ID longer than 31 characters in %s, line %d\n", wayFile, run.LineNo);
        run.FailFlag = 1;
        idLength = kWayIdMax;
    }
    waypoint.WayID = KeepCString(run.Texts, std::string_view(fields.Id, idLength));
    if (count >= 3 && (!std::isfinite(fields.Lat) || !std::isfinite(fields.Long))) {
        std::fprintf(stderr, "Oops, Lat or Long is not a finite number in %s, line %d\n", wayFile, run.LineNo);
        run.FailFlag = 1;
    }
    waypoint.Lat = fields.Lat;
    waypoint.Long = fields.Long;
    waypoint.Elev = fields.Elev;

    // data is never longer than kLinePieceMax, so the description is never
    // cut and the checks below may read it where it stands.
    const char* desc = fields.Rest;
    waypoint.Desc = KeepText(run.Texts, std::string_view(desc, strnlen(desc, kDescMax)));

    ++run.WaypointCount;
    WidenBounds(waypoint, run);

    if (int bad = FirstBadChar(waypoint.WayID)) {
        std::fprintf(stderr, "Oops, unprintable character '%c' in ID of %s, line %d\n", bad, wayFile, run.LineNo);
        run.FailFlag = 1;
    }
    if (int bad = FirstBadChar(desc)) {
        std::fprintf(stderr, "Oops, unprintable character '%c' in description of %s, line %d\n", bad, wayFile,
                     run.LineNo);
        run.FailFlag = 1;
    }
    if (waypoint.Desc.empty()) {
        std::fprintf(stderr, "Warning, no waypoint description in %s, line  %d\n", wayFile, run.LineNo);
    }
}

void ReadWayFile(std::FILE* file, RunState& run) {
    std::unique_ptr<LineReader> reader(new LineReader);  // its block is too large for the stack
    reader->file = file;
    char line[kLinePieceMax + 1];
    int textLost = 0;
    while (ReadCleanLine(*reader, line, textLost)) {
        run.LineNo = reader->lineNo;
        if (textLost) {
            std::fprintf(stderr, "Oops, text after a carriage return in %s, line %d\n", run.WayFilename.c_str(),
                         run.LineNo);
            run.FailFlag = 1;
        }
        run.settings.BlankLineRequest = 0;
        run.settings.NewColumnRequest = 0;
        if (line[0] == '#') {
            if (ParseDirective(line, run)) run.FailFlag = 1;
            LayoutBookkeeping(line, run);
        } else {
            const char* data = SkipBlanks(line);
            if (*data) ReadWaypointLine(data, run);
        }
    }
}
