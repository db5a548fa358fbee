// Checks over the whole waypoint list once the WayFile has been read:
// duplicate IDs (an error), duplicate positions (notes) and IDs longer than
// MAX_ID (warnings). Pairs are reported in the order of a walk over every
// pair (A before B) in list order, but found by hashing, in linear time.
#pragma once

#include "waypoint.h"

// Prints "Oops, duplicate WayID=<id>" per pair of equal IDs (exact, case
// matters) and stops after the 12th. Returns the pairs reported.
int CheckDuplicateIds(const WaypointList& list);

// Counts the pairs whose Lat and Long are both exactly equal, via points left
// out (a bend of the path is no place), printing a note for each of the
// first 10. Returns the count of all pairs.
long long CountDuplicatePositions(const WaypointList& list);

// Warns about every ID longer than maxId characters.
void WarnLongIds(const WaypointList& list, int maxId);
