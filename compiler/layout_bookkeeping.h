// Turns the BLANK_LINE and NEW_COLUMN requests of a directive line into
// blank guide rows after the latest waypoint: its RowSpan grows by the rows
// inserted, and Settings::InsertedRows counts them all, so that RowSpan - 1
// is always the number of blank rows that follow the waypoint. A via point
// takes no row of its own, only the rows after it.
//
// With the route card, every stage ends with a totals row after its last
// waypoint, and a STAGE then starts the next stage in a new column; the
// totals row counts as an inserted row of that waypoint's RowSpan.
#pragma once

#include "line_fault.h"
#include "settings.h"
#include "waypoint.h"

// Runs after ParseDirective on every directive line; line is the cleaned
// directive line, named in the before-first-waypoint fault. A VIA after the
// first waypoint is a fault of the line: the waypoints before it were read
// as rows. A STAGE begins a stage at the next waypoint.
void LayoutBookkeeping(const char* line, WayFileLine& at, Settings& settings, WaypointRecords& waypoints);

// Runs once the whole file is read: with the route card, gives the last
// stage its totals row, and the waypoints before the first STAGE (all of
// them, when there is none) an unnamed stage of their own.
void FinishStages(WayFileLine& at, Settings& settings, WaypointRecords& waypoints);
