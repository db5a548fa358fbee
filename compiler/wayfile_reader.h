// Reading a WayFile: every line is cleaned, directive lines go to the
// directive parser and the layout bookkeeping, and every other non-empty
// line becomes a Waypoint at the tail of the list, checked as it is made.
// Line faults are reported through ReportLineFault; reading always goes on
// to the end of the file so that every bad line is reported.
#pragma once

#include <cstdio>

#include "line_fault.h"
#include "settings.h"
#include "waypoint.h"

// Makes the waypoint of the line at; data is the cleaned line after its
// leading blanks, at most kLinePieceMax bytes.
// A grid reference is placed at the height of the line's elevation, taken
// in metres as elevation x metresPerElevationUnit. With viaUndescribed a
// waypoint without a description is a via point, without the warning.
void ReadWaypointLine(const char* data, double metresPerElevationUnit, WayFileLine& at,
                      WaypointRecords& waypoints, bool viaUndescribed = false);

// Reads the open WayFile to its end, at.LineNo numbering every piece read.
// A piece with text after a carriage return is a line fault, since cleaning
// drops that text. A read error shows afterwards in ferror(file).
void ReadWayFile(std::FILE* file, WayFileLine& at, Settings& settings, SymbolTable& symbols,
                 WaypointRecords& waypoints);
