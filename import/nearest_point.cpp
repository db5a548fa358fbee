#include "nearest_point.h"

#include <algorithm>
#include <cmath>

#include "local_metres.h"

namespace {

// A part of the tree: the points from Begin to End, split at their middle
// point on axis Axis; Bound is the least squared distance any of them can
// have from the point sought.
struct TreeRange {
    size_t Begin;
    size_t End;
    int Axis;
    double Bound;
};

// Orders the points into an implicit k-d tree: each range's middle point
// splits it, the lower half before it and the upper half after it, on
// alternating axes. An explicit stack, as everywhere a path may be long.
void BuildTree(std::vector<TreePoint>& tree) {
    std::vector<TreeRange> ranges{{0, tree.size(), 0, 0.0}};
    while (!ranges.empty()) {
        TreeRange range = ranges.back();
        ranges.pop_back();
        if (range.End - range.Begin < 2) continue;
        size_t middle = range.Begin + (range.End - range.Begin) / 2;
        int axis = range.Axis;
        std::nth_element(tree.begin() + static_cast<std::ptrdiff_t>(range.Begin),
                         tree.begin() + static_cast<std::ptrdiff_t>(middle),
                         tree.begin() + static_cast<std::ptrdiff_t>(range.End),
                         [axis](const TreePoint& a, const TreePoint& b) { return a.X[axis] < b.X[axis]; });
        ranges.push_back({range.Begin, middle, 1 - axis, 0.0});
        ranges.push_back({middle + 1, range.End, 1 - axis, 0.0});
    }
}

size_t Nearest(const std::vector<TreePoint>& tree, const double sought[2], std::vector<TreeRange>& ranges) {
    size_t best = 0;
    double bestSquared = -1.0;
    ranges.assign(1, {0, tree.size(), 0, 0.0});
    while (!ranges.empty()) {
        TreeRange range = ranges.back();
        ranges.pop_back();
        if (range.Begin >= range.End || (bestSquared >= 0.0 && range.Bound > bestSquared)) continue;
        size_t middle = range.Begin + (range.End - range.Begin) / 2;
        const TreePoint& point = tree[middle];
        double east = point.X[0] - sought[0];
        double north = point.X[1] - sought[1];
        double squared = east * east + north * north;
        if (bestSquared < 0.0 || squared < bestSquared ||
            (squared == bestSquared && point.PathIndex < tree[best].PathIndex)) {
            best = middle;
            bestSquared = squared;
        }
        double across = sought[range.Axis] - point.X[range.Axis];
        TreeRange lower{range.Begin, middle, 1 - range.Axis, across > 0.0 ? across * across : range.Bound};
        TreeRange upper{middle + 1, range.End, 1 - range.Axis, across < 0.0 ? across * across : range.Bound};
        // The side the sought point lies on is searched first.
        if (across <= 0.0) {
            ranges.push_back(upper);
            ranges.push_back(lower);
        } else {
            ranges.push_back(lower);
            ranges.push_back(upper);
        }
    }
    return tree[best].PathIndex;
}

// Adds to found the index of every point of tree within radius of sought,
// both in tree metres.
void Within(const std::vector<TreePoint>& tree, const double sought[2], double radius, std::vector<size_t>& found,
            std::vector<TreeRange>& ranges) {
    const double radiusSquared = radius * radius;
    ranges.assign(1, {0, tree.size(), 0, 0.0});
    while (!ranges.empty()) {
        TreeRange range = ranges.back();
        ranges.pop_back();
        if (range.Begin >= range.End || range.Bound > radiusSquared) continue;
        size_t middle = range.Begin + (range.End - range.Begin) / 2;
        const TreePoint& point = tree[middle];
        double east = point.X[0] - sought[0];
        double north = point.X[1] - sought[1];
        if (east * east + north * north <= radiusSquared) found.push_back(point.PathIndex);
        double across = sought[range.Axis] - point.X[range.Axis];
        ranges.push_back({range.Begin, middle, 1 - range.Axis, across > 0.0 ? across * across : range.Bound});
        ranges.push_back({middle + 1, range.End, 1 - range.Axis, across < 0.0 ? across * across : range.Bound});
    }
}

}  // namespace

PointTree BuildPointTree(const std::vector<LatLonDeg>& points) {
    PointTree tree;
    if (points.empty()) return tree;
    double minLat = points[0].LatDeg;
    double maxLat = minLat;
    for (const LatLonDeg& point : points) {
        minLat = std::min(minLat, point.LatDeg);
        maxLat = std::max(maxLat, point.LatDeg);
    }
    tree.MetresPerLonDeg = MetresPerLonDeg((minLat + maxLat) / 2.0);
    // Metres of one degree of longitude at the tree's scale over the least
    // there are anywhere on it, near the poles held at that of 89 degrees.
    double widest = std::max(std::fabs(minLat), std::fabs(maxLat));
    tree.Stretch = tree.MetresPerLonDeg / MetresPerLonDeg(std::min(widest, kStretchLatLimitDeg));
    tree.Points.resize(points.size());
    for (size_t i = 0; i < points.size(); ++i) {
        tree.Points[i] = {{points[i].LonDeg * tree.MetresPerLonDeg, points[i].LatDeg * kMetresPerLatDeg}, i};
    }
    BuildTree(tree.Points);
    return tree;
}

void PointsWithin(const PointTree& tree, const LatLonDeg& sought, double radiusM, std::vector<size_t>& found) {
    found.clear();
    if (tree.Points.empty()) return;
    double at[2] = {sought.LonDeg * tree.MetresPerLonDeg, sought.LatDeg * kMetresPerLatDeg};
    std::vector<TreeRange> ranges;
    Within(tree.Points, at, radiusM * std::max(tree.Stretch, 1.0), found, ranges);
}

std::vector<size_t> NearestPathPoints(const std::vector<const GpxPoint*>& path,
                                      const BlockList<GpxPoint>& waypoints) {
    std::vector<LatLonDeg> points;
    points.reserve(path.size());
    for (const GpxPoint* point : path) points.push_back({point->LatDeg, point->LonDeg});
    PointTree tree = BuildPointTree(points);
    std::vector<size_t> nearest;
    nearest.reserve(waypoints.size());
    std::vector<TreeRange> ranges;
    for (const GpxPoint& waypoint : waypoints) {
        double sought[2] = {waypoint.LonDeg * tree.MetresPerLonDeg, waypoint.LatDeg * kMetresPerLatDeg};
        nearest.push_back(Nearest(tree.Points, sought, ranges));
    }
    return nearest;
}
