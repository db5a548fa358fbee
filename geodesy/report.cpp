#include "report.h"

#include "output_file.h"

int WriteReport(std::FILE* file, const RunState& run) {
    const bool irish = run.settings.GridSystem == kGridIrish;
    std::fprintf(file, "#\tWP\t  WGS-Lat\t  WGS-Lon\t Elev\t%s\t%s\tGrade\tDescription\r\n",
                 irish ? "Irish-Grid" : "OSGB-Grid",
                 run.settings.DistanceUnits == kUnitsMiles ? "  Miles" : "    KM");
    int item = 0;
    for (const Waypoint& waypoint : run.Waypoints) {
        std::fprintf(file, "%d\t%s\t%12.7f\t%12.7f\t%5.0f\t", ++item, waypoint.WayID,
                     waypoint.Lat, waypoint.Long, waypoint.Elev);
        // The OSGB grid by square letters and figures within the square, the
        // Irish grid by its full easting and northing.
        if (irish) {
            std::fprintf(file, "%06.0f/%06.0f", waypoint.GridE, waypoint.GridN);
        } else {
            std::fprintf(file, "%s:%05ld/%05ld", waypoint.SquareLetters,
                         static_cast<long>(waypoint.SquareE), static_cast<long>(waypoint.SquareN));
        }
        if (waypoint.HasDistance) {
            std::fprintf(file, "\t%7.2f", waypoint.Distance);
        } else {
            std::fputs("\t", file);
        }
        if (waypoint.HasGrade) {
            std::fprintf(file, "\t%4.0f%%", waypoint.Grade);
        } else {
            std::fputs("\t", file);
        }
        std::fprintf(file, "\t%s\r\n", waypoint.Desc.c_str());
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
