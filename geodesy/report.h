// The tabbed report: a header line and one row per waypoint with its WGS-84
// position, elevation, grid reference, accumulated distance, grade and
// description, for import into a spreadsheet. Lines end with CR LF.
#pragma once

#include <cstdio>

#include "settings.h"
#include "waypoint.h"

// Writes the whole report to file, which is open for writing. Returns 0, or
// 1 when a write failed.
int WriteReport(std::FILE* file, const WaypointList& list, const Settings& settings);

// Creates the file rptFilename (replacing an old one), writes the report
// and closes it. Prints its own one-line message on standard error
// and returns 1 when the file cannot be created or written (a file left
// incomplete is removed); else 0.
int WriteReportFile(const char* rptFilename, const WaypointList& list, const Settings& settings);
