// Turns the BLANK_LINE and NEW_COLUMN requests of a directive line into
// blank guide rows after the latest waypoint: its RowSpan grows by the rows
// inserted, and Settings::InsertedRows counts them all, so that RowSpan - 1
// is always the number of blank rows that follow the waypoint.
#pragma once

#include "line_fault.h"
#include "settings.h"
#include "waypoint.h"

// Runs after ParseDirective on every directive line; line is the cleaned
// directive line, named in the before-first-waypoint fault.
void LayoutBookkeeping(const char* line, WayFileLine& at, Settings& settings, WaypointList& list);
