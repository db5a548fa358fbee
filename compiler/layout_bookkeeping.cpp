#include "layout_bookkeeping.h"

#include <climits>
#include <cstdio>

void LayoutBookkeeping(const char* line, RunState& run) {
    Settings& settings = run.settings;
    if (settings.BlankLineRequest == 0 && !settings.NewColumnRequest) return;
    if (run.WaypointCount == 0) {
        std::fprintf(stderr, "Oops, %s (line %d, %s) illegal before 1st waypoint\n", line, run.LineNo,
                     run.WayFilename.c_str());
        run.FailFlag = 1;
        return;
    }
    int rowsPerColumn = settings.RowsPerColumn;
    if (rowsPerColumn < 1) return;  // only a refused page setting gets here

    long long usedRows = static_cast<long long>(run.WaypointCount) + settings.InsertedRows;
    int takenInColumn = static_cast<int>(usedRows % rowsPerColumn);
    if (takenInColumn == 0) return;  // the column is exactly full
    int freeInColumn = rowsPerColumn - takenInColumn;

    int blankRows = 0;
    if (settings.NewColumnRequest) {
        blankRows = freeInColumn;
    } else if (settings.BlankLineRequest > 0) {  // a refused negative count inserts nothing
        blankRows = settings.BlankLineRequest < freeInColumn ? settings.BlankLineRequest : freeInColumn;
    }
    // The guide counts its rows in an int; refuse a layout that would not fit.
    if (usedRows + blankRows > INT_MAX) {
        std::fprintf(stderr, "Oops, %s (line %d, %s) makes the guide too long\n", line, run.LineNo,
                     run.WayFilename.c_str());
        run.FailFlag = 1;
        return;
    }
    run.Waypoints.back().RowSpan += blankRows;
    settings.InsertedRows += blankRows;
}
