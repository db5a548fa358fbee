// The grid pass: every waypoint's WGS-84 position to a grid reference on the
// grid chosen by the GridSystem setting, with its square letters.
#pragma once

#include "waypoint.h"

// Most out-of-grid waypoints reported before the pass gives up.
constexpr int kMaxGridErrors = 12;

// Fills GridE, GridN, SquareLetters, SquareE and SquareN of every waypoint.
// A waypoint outside the grid gets a message on standard error and keeps its
// fields; the twelfth such waypoint ends the pass with the abort message.
// Returns the number of waypoints outside the grid, 0 when all are inside.
int ConvertToGrid(RunState& run);
