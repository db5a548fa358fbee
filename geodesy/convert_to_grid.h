// The grid pass: every waypoint's WGS-84 position to a grid reference on the
// national grid, with its square letters.
#pragma once

#include "grid_params.h"
#include "waypoint.h"

// Most out-of-grid waypoints reported before the pass gives up.
constexpr int kMaxGridErrors = 12;

// Fills GridE, GridN, SquareLetters, SquareE and SquareN of every waypoint
// on grid. A waypoint outside the grid gets a message on standard error,
// naming its line of wayFilename, and keeps its fields; the twelfth such waypoint ends the pass with the abort message.
// Returns the number of waypoints outside the grid, 0 when all are inside.
// Elevations are heights of elevation x metresPerElevationUnit metres.
int ConvertToGrid(WaypointList& list, const GridParams& grid, const char* wayFilename,
                  double metresPerElevationUnit);
