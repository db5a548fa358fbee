#include "report.h"

#include <string>

#include "output_file.h"
#include "report_format.h"

namespace {

// One row: position, grid reference, distance, grade and description, nine
// fields like the header.
void FormatRow(std::string& row, int item, const Waypoint& waypoint, bool irish) {
    AppendInteger(row, item, 0);
    row += '\t';
    row += waypoint.WayID;
    row += '\t';
    AppendFixed(row, waypoint.Lat, 12, 7);
    row += '\t';
    AppendFixed(row, waypoint.Long, 12, 7);
    row += '\t';
    AppendFixed(row, waypoint.Elev, 5, 0);
    row += '\t';
    // The OSGB grid by square letters and figures within the square, the
    // Irish grid by its full easting and northing.
    if (irish) {
        AppendFixed(row, waypoint.GridE, 6, 0, true);
        row += '/';
        AppendFixed(row, waypoint.GridN, 6, 0, true);
    } else {
        row += waypoint.SquareLetters;
        row += ':';
        AppendInteger(row, waypoint.SquareE, 5, true);
        row += '/';
        AppendInteger(row, waypoint.SquareN, 5, true);
    }
    row += '\t';
    if (waypoint.HasDistance) AppendFixed(row, waypoint.Distance, 7, 2);
    row += '\t';
    if (waypoint.HasGrade) {
        AppendFixed(row, waypoint.Grade, 4, 0);
        row += '%';
    }
    row += '\t';
    row += waypoint.Desc;
    row += "\r\n";
}

}  // namespace

int WriteReport(std::FILE* file, const RunState& run) {
    const bool irish = run.settings.GridSystem == kGridIrish;
    std::fprintf(file, "#\tWP\t  WGS-Lat\t  WGS-Lon\t Elev\t%s\t%s\tGrade\tDescription\r\n",
                 irish ? "Irish-Grid" : "OSGB-Grid",
                 run.settings.DistanceUnits == kUnitsMiles ? "  Miles" : "    KM");
    std::string row;
    int item = 0;
    for (const Waypoint& waypoint : run.Waypoints) {
        row.clear();
        FormatRow(row, ++item, waypoint, irish);
        std::fwrite(row.data(), 1, row.size(), file);
    }
    return std::ferror(file) ? 1 : 0;
}

int WriteReportFile(const RunState& run) {
    std::FILE* file = std::fopen(run.RptFilename, "wb");
    if (file == nullptr) {
        std::fprintf(stderr, "Can't open report file %s for write\n", run.RptFilename);
        return 1;
    }
    int failed = WriteReport(file, run);
    if (CloseOutputFile(file) != 0) failed = 1;
    if (failed) std::fprintf(stderr, "Oops, can't write %s\n", run.RptFilename);
    return failed;
}
