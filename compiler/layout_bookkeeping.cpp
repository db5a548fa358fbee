#include "layout_bookkeeping.h"

#include <climits>

namespace {

// The rows already taken in the current guide column, the tail waypoint's
// included; -1 when the page settings give no rows (only a refused page
// setting gets there).
int TakenInColumn(const Settings& settings, const WaypointList& list, long long& usedRows) {
    if (settings.RowsPerColumn < 1) return -1;
    usedRows = static_cast<long long>(list.size()) - settings.ViaPoints + settings.InsertedRows;
    return static_cast<int>(usedRows % settings.RowsPerColumn);
}

// Gives the tail waypoint blankRows more rows. The guide counts its rows in
// an int; a layout that would not fit is refused.
void InsertRows(const char* line, WayFileLine& at, Settings& settings, WaypointList& list, long long usedRows,
                int blankRows) {
    if (usedRows + blankRows > INT_MAX) {
        ReportLineFault(at, "Oops, %s (line %d, %s) makes the guide too long\n", line, at.LineNo, at.WayFilename);
        return;
    }
    list.back().RowSpan += blankRows;
    settings.InsertedRows += blankRows;
}

// The totals row after the tail waypoint, and with newColumn the rest of
// the column left blank so that the next waypoint starts a new one.
void EndStage(const char* line, WayFileLine& at, Settings& settings, WaypointList& list, bool newColumn) {
    long long usedRows = 0;
    if (TakenInColumn(settings, list, usedRows) < 0) return;
    const int rowsPerColumn = settings.RowsPerColumn;
    const int takenAfterTotals = static_cast<int>((usedRows + 1) % rowsPerColumn);
    const int fill = newColumn && takenAfterTotals != 0 ? rowsPerColumn - takenAfterTotals : 0;
    InsertRows(line, at, settings, list, usedRows, 1 + fill);
}

void BeginStage(const char* line, WayFileLine& at, Settings& settings, WaypointRecords& waypoints) {
    std::vector<Stage>& stages = waypoints.Stages;
    const std::string_view name = KeepText(waypoints.Texts, settings.StageRequest);
    const std::size_t next = waypoints.List.size();
    // Two STAGEs with no waypoint between them: the later name stands.
    if (!stages.empty() && stages.back().First == next) {
        stages.back().Name = name;
        return;
    }
    if (next > 0) {
        if (stages.empty()) stages.push_back(Stage{});
        EndStage(line, at, settings, waypoints.List, true);
    }
    stages.push_back(Stage{name, next});
}

}  // namespace

void LayoutBookkeeping(const char* line, WayFileLine& at, Settings& settings, WaypointRecords& waypoints) {
    WaypointList& list = waypoints.List;
    if (settings.ViaRequest && !list.empty()) {
        ReportLineFault(at, "Oops, %s (line %d, %s) illegal after 1st waypoint\n", line, at.LineNo, at.WayFilename);
        return;
    }
    if (settings.StageRequest) {
        BeginStage(line, at, settings, waypoints);
        return;
    }
    if (settings.BlankLineRequest == 0 && !settings.NewColumnRequest) return;
    if (list.empty()) {
        ReportLineFault(at, "Oops, %s (line %d, %s) illegal before 1st waypoint\n", line, at.LineNo,
                        at.WayFilename);
        return;
    }
    long long usedRows = 0;
    const int takenInColumn = TakenInColumn(settings, list, usedRows);
    if (takenInColumn <= 0) return;  // the column is exactly full, or there are no rows
    int freeInColumn = settings.RowsPerColumn - takenInColumn;

    int blankRows = 0;
    if (settings.NewColumnRequest) {
        blankRows = freeInColumn;
    } else if (settings.BlankLineRequest > 0) {  // a refused negative count inserts nothing
        blankRows = settings.BlankLineRequest < freeInColumn ? settings.BlankLineRequest : freeInColumn;
    }
    InsertRows(line, at, settings, list, usedRows, blankRows);
}

void FinishStages(WayFileLine& at, Settings& settings, WaypointRecords& waypoints) {
    if (!settings.RouteCard || waypoints.List.empty()) return;
    std::vector<Stage>& stages = waypoints.Stages;
    // A STAGE after the last waypoint begins nothing; the stage before it
    // has its totals row already.
    if (!stages.empty() && stages.back().First == waypoints.List.size()) {
        stages.pop_back();
        return;
    }
    if (stages.empty()) stages.push_back(Stage{});
    EndStage("the last stage", at, settings, waypoints.List, false);
}
