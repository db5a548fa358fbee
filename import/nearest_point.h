// Placing waypoints along the path: for each, the path point it lies
// nearest to, or the points within a distance of it, found in a k-d tree
// of the path so that thousands of waypoints along a path of thousands of
// points cost n log n, not W x P.
#pragma once

#include <cstddef>
#include <vector>

#include "block_list.h"
#include "gpx_reader.h"

struct LatLonDeg {
    double LatDeg = 0.0;
    double LonDeg = 0.0;
};

// A point in metres east and north of the equator and Greenwich, all
// scaled at one reference latitude, which keeps the nearest point nearest.
struct TreePoint {
    double X[2];       // east, north
    size_t PathIndex;  // its index in the points the tree was built from
};

constexpr double kStretchLatLimitDeg = 89.0;

// Points ordered into a k-d tree for finding those near a place.
struct PointTree {
    std::vector<TreePoint> Points;
    double MetresPerLonDeg = 0.0;      // the tree's scale east
    double Stretch = 1.0;              // most tree metres east in one metre on the ground
};

PointTree BuildPointTree(const std::vector<LatLonDeg>& points);

// found becomes the index of every point of tree within radiusM metres of
// sought on the ground, and of some a little farther: the caller measures
// each. In no set order.
void PointsWithin(const PointTree& tree, const LatLonDeg& sought, double radiusM, std::vector<size_t>& found);

// For each waypoint in order, the position in path of the path point
// nearest to it on the ground; of equally near points, the first. path
// must not be empty.
std::vector<size_t> NearestPathPoints(const std::vector<const GpxPoint*>& path,
                                      const BlockList<GpxPoint>& waypoints);
