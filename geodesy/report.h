// The tabbed report: a header line and one row per waypoint with its WGS-84
// position, elevation, grid reference, accumulated distance, grade and
// description, and with the route card its leg, bearing, climb and times,
// for import into a spreadsheet. Lines end with CR LF.
#pragma once

#include <cstdio>

#include "settings.h"
#include "waypoint.h"

struct RouteCard;

// Writes the whole report to file, which is open for writing. Returns 0, or
// 1 when a write failed. With card, the route card's columns come after
// Grade, an unknown height leaves Elev empty, via points have no row and
// every stage ends with its totals row.
int WriteReport(std::FILE* file, const WaypointList& list, const Settings& settings,
                const RouteCard* card = nullptr);

// Creates the file rptFilename (replacing an old one), writes the report
// and closes it. Prints its own one-line message on standard error
// and returns 1 when the file cannot be created or written (a file left
// incomplete is removed); else 0.
int WriteReportFile(const char* rptFilename, const WaypointList& list, const Settings& settings,
                    const RouteCard* card = nullptr);
