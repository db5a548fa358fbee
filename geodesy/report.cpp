#include "report.h"

#include "line_batch.h"
#include "output_file.h"
#include "put_text.h"
#include "report_format.h"

namespace {

// Room for a row: its eight numbers, the ID, the letters, the description
// and the tabs and line end.
constexpr int kRowMax = 8 * kReportNumberMax + kWayIdMax + kSquareLettersMax + kDescMax + 32;

// One row: position, grid reference, distance, grade and description, nine
// fields like the header. Returns the end of the row.
char* FormatRow(char* out, int item, const Waypoint& waypoint, bool irish) {
    out = PutInteger(out, item, 0);
    *out++ = '\t';
    out = PutText(out, waypoint.WayID);
    *out++ = '\t';
    out = PutFixed(out, waypoint.Lat, 12, 7);
    *out++ = '\t';
    out = PutFixed(out, waypoint.Long, 12, 7);
    *out++ = '\t';
    out = PutFixed(out, waypoint.Elev, 5, 0);
    *out++ = '\t';
    // The OSGB grid by square letters and figures within the square, the
    // Irish grid by its full easting and northing.
    if (irish) {
        out = PutFixed(out, waypoint.GridE, 6, 0, true);
        *out++ = '/';
        out = PutFixed(out, waypoint.GridN, 6, 0, true);
    } else {
        out = PutText(out, waypoint.SquareLetters);
        *out++ = ':';
        out = PutInteger(out, waypoint.SquareE, 5, true);
        *out++ = '/';
        out = PutInteger(out, waypoint.SquareN, 5, true);
    }
    *out++ = '\t';
    if (waypoint.HasDistance) out = PutFixed(out, waypoint.Distance, 7, 2);
    *out++ = '\t';
    if (waypoint.HasGrade) {
        out = PutFixed(out, waypoint.Grade, 4, 0);
        *out++ = '%';
    }
    *out++ = '\t';
    out = PutText(out, waypoint.Desc);
    return PutText(out, "\r\n");
}

}  // namespace

int WriteReport(std::FILE* file, const WaypointList& list, const Settings& settings) {
    const bool irish = settings.GridSystem == kGridIrish;
    std::fprintf(file, "#\tWP\t  WGS-Lat\t  WGS-Lon\t Elev\t%s\t%s\tGrade\tDescription\r\n",
                 irish ? "Irish-Grid" : "OSGB-Grid",
                 settings.DistanceUnits == kUnitsMiles ? "  Miles" : "    KM");
    LineBatch batch = MakeLineBatch(file);
    int item = 0;
    for (const Waypoint& waypoint : list) {
        LineDone(batch, FormatRow(LineRoom(batch, kRowMax), ++item, waypoint, irish));
    }
    return WriteLineBatch(batch);
}

int WriteReportFile(const char* rptFilename, const WaypointList& list, const Settings& settings) {
    std::FILE* file = std::fopen(rptFilename, "wb");
    if (file == nullptr) {
        std::fprintf(stderr, "Can't open report file %s for write\n", rptFilename);
        return 1;
    }
    int failed = FinishOutputFile(file, rptFilename, WriteReport(file, list, settings));
    if (failed) std::fprintf(stderr, "Oops, can't write %s\n", rptFilename);
    return failed;
}
