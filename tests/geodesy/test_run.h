// The records the geodesy tests start from, as the WayFile reader would have
// left them, and the passes called on them as the run sequence calls them.
#pragma once

#include <string>

#include "convert_to_grid.h"
#include "report.h"
#include "route_measures.h"
#include "settings.h"
#include "waypoint.h"

struct TestRun {
    std::string WayFilename;
    char RptFilename[256] = {};
    Settings settings;
    SymbolTable symbols;
    WaypointList Waypoints;
    TextArena Texts;
};

inline Waypoint& AddWaypoint(TestRun& run, const char* id, double latDeg, double lonDeg,
                             double elev = 0.0, const std::string& desc = "") {
    Waypoint& waypoint = run.Waypoints.emplace_back();
    waypoint.WayID = KeepCString(run.Texts, id);
    waypoint.Lat = latDeg;
    waypoint.Long = lonDeg;
    waypoint.Elev = elev;
    waypoint.Desc = KeepText(run.Texts, desc);
    waypoint.LineNo = static_cast<int>(run.Waypoints.size()) + 1;   // one directive line above
    return waypoint;
}

inline void SetRule(TestRun& run, char letter, int rule) {
    run.symbols.Entries[SymbolEntryOf(letter)].Rule = rule;
}

inline int ConvertToGrid(TestRun& run) {
    return ConvertToGrid(run.Waypoints, GridParamsFor(run.settings.GridSystem), run.WayFilename.c_str(),
                         MetresPerElevationUnit(run.settings));
}

inline void MarkSegmentStarts(TestRun& run) { MarkSegmentStarts(run.Waypoints, run.symbols); }

inline void AccumulateRoute(TestRun& run) { AccumulateRoute(run.Waypoints, run.symbols, run.settings); }

inline int WriteReport(std::FILE* file, const TestRun& run) { return WriteReport(file, run.Waypoints, run.settings); }

inline int WriteReportFile(const TestRun& run) {
    return WriteReportFile(run.RptFilename, run.Waypoints, run.settings);
}
