// Placing points of interest along the path: for each, the path point it
// lies nearest to, found in a k-d tree of the path so that thousands of
// waypoints along a path of thousands of points cost n log n, not W x P.
#pragma once

#include <cstddef>
#include <vector>

#include "block_list.h"
#include "gpx_reader.h"

// For each waypoint in order, the position in path of the path point
// nearest to it on the ground; of equally near points, the first. path
// must not be empty.
std::vector<size_t> NearestPathPoints(const std::vector<const GpxPoint*>& path,
                                      const BlockList<GpxPoint>& waypoints);
