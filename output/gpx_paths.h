// The routes and tracks of the GPX file, after its waypoints: one rte per
// route letter, stage and part of at most RoutePoints points, one trk per
// track letter with a trkseg per distance run. They are written from the
// waypoint list itself, which they never copy.
#pragma once

#include <string_view>
#include <vector>

#include "line_batch.h"
#include "settings.h"
#include "waypoint.h"

// What the routes and tracks are made of; the letters are lower case, in
// the order the file gave them.
struct GpxPaths {
    const char* RouteLetters = "";
    const char* TrackLetters = "";
    int RoutePoints = kRoutePointsDefault;       // at least 2
    std::string_view Title;                      // names the routes and tracks
    const std::vector<Stage>* Stages = nullptr;  // each starts new routes; none: the whole list is one
};

// The paths a run's settings ask for; stages are the route card's.
GpxPaths GpxPathsOf(const Settings& settings, const std::vector<Stage>& stages);

// Sets onPath for every symbol entry whose letter has a route or a track.
void MarkPathLetters(const GpxPaths& paths, bool (&onPath)[kSymbolEntries]);

// Prints "Warning: #GPX_ROUTE=C, but no waypoint ID begins with C" (or
// GPX_TRACK) for a letter that gets no route or track: no waypoint of its
// own or on its path (PATH).
void WarnLettersWithoutWaypoints(const WaypointList& list, const SymbolTable& symbols, const GpxPaths& paths);

// How many routes of at most routePoints points carry a path of points
// points, each route after the first starting at the point where the last
// ended.
std::size_t RouteParts(std::size_t points, int routePoints);

// Writes the routes, then the tracks, into batch. Returns 0, or 1 once a
// write has failed.
int GpxWritePaths(LineBatch& batch, const WaypointList& list, const SymbolTable& symbols,
                  double metresPerElevationUnit, const GpxPaths& paths);
