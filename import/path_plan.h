// What the WayFile holds, in its order: the path (the route points, or the
// track points that thinning keeps) and each point of interest placed after
// the path point it lies nearest to.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "gpx_reader.h"

struct PathPlan {
    std::vector<const GpxPoint*> Path;
    // Each waypoint as (position in Path it follows, index in the file's
    // waypoints), in WayFile order; without a path they keep file order.
    std::vector<std::pair<size_t, size_t>> Pois;
    int TracksLeftOut = 0;   // the file has routes, which the path follows, and tracks
};

// The path from the routes when the file has any, else from the tracks,
// each segment thinned at toleranceM; the waypoints placed along it.
PathPlan PlanPath(const GpxData& data, double toleranceM);
