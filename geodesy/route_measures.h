// Route measures: where each letter's distance runs begin, and the
// accumulated distance and grade of every measured waypoint.
#pragma once

#include "settings.h"
#include "waypoint.h"

// 1 when the ID is one letter and one number and nothing else (C001, A1.5,
// B-3) and the rule of its letter, or of the letter whose path it lies on
// (PATH), is RULE_ALL or RULE_CONTINUOUS; else 0.
int MeasuredWaypoint(const Waypoint& waypoint, const SymbolTable& symbols);

// Metres to the report's distance unit (kilometres or miles), times the
// distance tweak.
double UnitFactor(const Settings& settings);

// Sets SegmentStart where a run begins: on the first measured waypoint of the
// file and the first of each path (a letter, either case, with the letters
// PATH puts on it), and on a RULE_CONTINUOUS waypoint whose ID starts with
// another character than the measured waypoint before it, unless one of
// them lies on the other's path.
void MarkSegmentStarts(WaypointList& list, const SymbolTable& symbols);

// Fills Distance, HasDistance, Grade and HasGrade of every measured waypoint
// from its path's previous measured waypoint, using the grid references of
// ConvertToGrid; each path's running distance lives in its letter's symbol
// entry.
// A leg of zero length gets no grade. With card (its Stages set), fills the
// route card in the same pass, and measures a leg to or from a waypoint of
// unknown height level.
struct RouteCard;
void AccumulateRoute(WaypointList& list, SymbolTable& symbols, const Settings& settings, RouteCard* card = nullptr);
