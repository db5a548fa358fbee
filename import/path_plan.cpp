#include "path_plan.h"

#include <algorithm>
#include <cstdint>

#include "nearest_point.h"
#include "track_thinning.h"

namespace {

std::vector<const GpxPoint*> ThinnedTrack(const GpxData& data, double toleranceM) {
    const BlockList<GpxPoint>& points = data.TrackPoints;
    std::vector<uint8_t> keep(points.size(), 0);
    size_t start = 0;
    for (size_t end : data.TrackSegmentEnds) {
        ThinSegment(points, start, end - 1, toleranceM, keep);
        start = end;
    }
    std::vector<const GpxPoint*> path;
    for (size_t i = 0; i < points.size(); ++i) {
        if (keep[i]) path.push_back(&points[i]);
    }
    return path;
}

}  // namespace

PathPlan PlanPath(const GpxData& data, double toleranceM) {
    PathPlan plan;
    if (!data.RoutePoints.empty()) {
        for (const GpxPoint& point : data.RoutePoints) plan.Path.push_back(&point);
        plan.TracksLeftOut = !data.TrackPoints.empty();
    } else {
        plan.Path = ThinnedTrack(data, toleranceM);
    }
    if (data.Waypoints.empty()) return plan;
    std::vector<size_t> nearest;
    if (!plan.Path.empty()) nearest = NearestPathPoints(plan.Path, data.Waypoints);
    for (size_t i = 0; i < data.Waypoints.size(); ++i) plan.Pois.push_back({plan.Path.empty() ? 0 : nearest[i], i});
    std::sort(plan.Pois.begin(), plan.Pois.end());
    return plan;
}
