// The GPX 1.1 waypoint file written by cairnlog -g: thirteen header lines
// with the maker, the run's time and the bounds, one wpt line per waypoint
// in list order, the routes and tracks asked for (gpx_paths.h), and the
// closing lines. Every line ends with CR LF.
#pragma once

#include <cstdio>
#include <string_view>

#include "gpx_paths.h"

#include "line_batch.h"
#include "settings.h"
#include "waypoint.h"

// The GPS symbol name for a waypoint: that of the first letter of its ID,
// either case, when set; otherwise that of entry 0.
const char* SymbolFor(const SymbolTable& symbols, const Waypoint& waypoint);

// The writers return 0 while every write to file has succeeded so far and
// 1 once one has failed, so that a caller can stop at the first failure.
// The waypoint lines go through a batch, written out before the trailer.
int GpxWriteHeader(std::FILE* file, const BoundingBox& bounds, const char* timestamp);
// The elevation goes out in metres: as read, times metresPerElevationUnit.
int GpxWriteWaypoint(LineBatch& batch, const SymbolTable& symbols, const Waypoint& waypoint,
                     double metresPerElevationUnit);
// The same line as a wpt, rtept or trkpt: a route or track point carries
// everything its waypoint does.
enum GpxPointElement { kGpxWpt, kGpxRtept, kGpxTrkpt };
int GpxWritePoint(LineBatch& batch, const SymbolTable& symbols, const Waypoint& waypoint,
                  double metresPerElevationUnit, GpxPointElement element);
int GpxWriteTrailer(std::FILE* file);

// The longest a character of a text becomes in the file: "&amp;".
constexpr size_t kGpxMaxEscapedChar = 5;
// Puts text at out with the three characters that XML text escapes
// escaped; UTF-8 goes in as it is, the file saying it is UTF-8.
char* GpxPutEscapedText(char* out, std::string_view text);

// Writes the whole file gpxFilename, replacing any old one: list with the
// symbols of its ID letters, bounds and the run's timestamp in the header,
// then the routes and tracks of paths. Returns 0, or 1 after printing
// "Can't open GPX file ..." or "Oops, can't write ..." (a file left
// incomplete is removed).
int WriteGpxFile(const char* gpxFilename, const WaypointList& list, const BoundingBox& bounds,
                 const SymbolTable& symbols, const char* timestamp, double metresPerElevationUnit,
                 const GpxPaths& paths);
