// Builds the RunState records the geodesy tests start from, as the WayFile
// reader would have left them.
#pragma once

#include <cstring>
#include <string>

#include "waypoint.h"

inline Waypoint& AddWaypoint(RunState& run, const char* id, double latDeg, double lonDeg,
                             double elev = 0.0, const std::string& desc = "") {
    Waypoint& waypoint = run.Waypoints.emplace_back();
    waypoint.WayID = KeepCString(run.Texts, id);
    waypoint.Lat = latDeg;
    waypoint.Long = lonDeg;
    waypoint.Elev = elev;
    waypoint.Desc = KeepText(run.Texts, desc);
    waypoint.LineNo = ++run.WaypointCount + 1;   // one directive line above
    return waypoint;
}

inline void SetRule(RunState& run, char letter, int rule) {
    run.symbols.Entries[SymbolEntryOf(letter)].Rule = rule;
}
