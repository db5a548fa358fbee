#include "layout_bookkeeping.h"

#include <climits>

void LayoutBookkeeping(const char* line, WayFileLine& at, Settings& settings, WaypointList& list) {
    if (settings.BlankLineRequest == 0 && !settings.NewColumnRequest) return;
    if (list.empty()) {
        ReportLineFault(at, "Oops, %s (line %d, %s) illegal before 1st waypoint\n", line, at.LineNo,
                        at.WayFilename);
        return;
    }
    int rowsPerColumn = settings.RowsPerColumn;
    if (rowsPerColumn < 1) return;  // only a refused page setting gets here

    long long usedRows = static_cast<long long>(list.size()) + settings.InsertedRows;
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
        ReportLineFault(at, "Oops, %s (line %d, %s) makes the guide too long\n", line, at.LineNo, at.WayFilename);
        return;
    }
    list.back().RowSpan += blankRows;
    settings.InsertedRows += blankRows;
}
