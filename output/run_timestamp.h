// The run's date and time text: one reading of the clock, broken down in
// UTC, shared by every place of the run that prints a time.
#pragma once

#include "waypoint.h"

// Fills run.RunTimestamp from run.Clock as "yyyy-mm-ddThh:mm:ssZ" (UTC,
// every field after the year two digits). Tests set run.Clock to fix it.
void MakeRunTimestamp(RunState& run);
