#include "path_plan.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <string_view>
#include <unordered_map>

#include "gpx_text.h"
#include "local_metres.h"
#include "nearest_point.h"
#include "track_thinning.h"

namespace {

constexpr double kSampleSpacingM = 20.0;     // metres between the points sampled along a leg
constexpr size_t kSamplesPerPathPoint = 4;   // samples the path may take, per path point ...
constexpr size_t kSamplesLeast = 65536;      // ... or at least this many, longer legs sampled thinner
constexpr size_t kStageNameBytes = 20;       // bytes of cairnlog's stage name

// Metres east and north of from to to, in a projection around from.
void OffsetM(const GpxPoint& from, double latDeg, double lonDeg, double& eastM, double& northM) {
    eastM = (lonDeg - from.LonDeg) * MetresPerLonDeg(from.LatDeg);
    northM = (latDeg - from.LatDeg) * kMetresPerLatDeg;
}

double DistanceM(const GpxPoint& a, const GpxPoint& b) {
    double east, north;
    OffsetM(a, b.LatDeg, b.LonDeg, east, north);
    return std::sqrt(east * east + north * north);
}

// The path and its stages: each route or track with points begins one.
void TakeStages(const std::vector<GpxPiece>& pieces, const char* kind, const std::vector<size_t>& starts,
                PathPlan& plan) {
    if (pieces.size() < 2) return;  // a single route or track is one stage as it is
    for (size_t k = 0; k < pieces.size(); ++k) {
        std::string name = WayFileText(pieces[k].Name, kStageNameBytes);
        if (name.empty()) name = std::string(kind) + " " + std::to_string(k + 1);
        plan.Stages.push_back({starts[k], name});
    }
}

void RoutePath(const GpxData& data, PathPlan& plan) {
    std::vector<size_t> starts;
    size_t start = 0;
    for (const GpxPiece& piece : data.Routes) {
        starts.push_back(start);
        start = piece.End;
    }
    for (const GpxPoint& point : data.RoutePoints) plan.Path.push_back(&point);
    TakeStages(data.Routes, "Route", starts, plan);
}

void ThinnedTrack(const GpxData& data, double toleranceM, PathPlan& plan) {
    const BlockList<GpxPoint>& points = data.TrackPoints;
    std::vector<uint8_t> keep(points.size(), 0);
    size_t start = 0;
    for (size_t end : data.TrackSegmentEnds) {
        ThinSegment(points, start, end - 1, toleranceM, keep);
        start = end;
    }
    // A track's first point begins a segment, so thinning keeps it.
    std::vector<size_t> starts;
    size_t piece = 0;
    size_t pieceStart = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        if (!keep[i]) continue;
        while (piece < data.Tracks.size() && i >= pieceStart) {
            starts.push_back(plan.Path.size());
            pieceStart = data.Tracks[piece++].End;
        }
        plan.Path.push_back(&points[i]);
    }
    starts.resize(data.Tracks.size(), plan.Path.size());
    TakeStages(data.Tracks, "Track", starts, plan);
}

// The waypoints as places: one of the same name within kSamePlaceM of a
// place already met is that place, which takes any elevation and symbol it
// lacks from it.
std::vector<Place> MergePlaces(const GpxData& data) {
    std::vector<Place> places;
    std::unordered_map<std::string_view, std::vector<size_t>> byName;
    for (size_t i = 0; i < data.Waypoints.size(); ++i) {
        const GpxPoint& point = data.Waypoints[i];
        const GpxWaypointTags& tags = data.WaypointTags[i];
        Place* same = nullptr;
        if (!tags.Name.empty()) {
            std::vector<size_t>& named = byName[tags.Name];
            for (size_t p : named) {
                if (DistanceM(data.Waypoints[places[p].Waypoint], point) <= kSamePlaceM) same = &places[p];
            }
            if (!same) named.push_back(places.size());
        }
        if (same) {
            if (same->ElevM == kNoElevation) same->ElevM = point.ElevM;
            if (same->Symbol == 0) same->Symbol = tags.Symbol;
            continue;
        }
        places.push_back({i, point.ElevM, tags.Symbol});
    }
    return places;
}

// Points sampled along the path, so that a place beside a long leg is found
// near it: each path point, and points every kSampleSpacingM between.
struct PathSamples {
    std::vector<LatLonDeg> Points;
    std::vector<size_t> Legs;   // the leg (from Path[i] to Path[i + 1]) each lies on; the last point's own
    double SpacingM = kSampleSpacingM;  // no point of the path is farther than half this from a sample
};

PathSamples SamplePath(const std::vector<const GpxPoint*>& path) {
    double lengthM = 0.0;
    for (size_t i = 0; i + 1 < path.size(); ++i) lengthM += DistanceM(*path[i], *path[i + 1]);
    size_t budget = std::max(kSamplesPerPathPoint * path.size(), kSamplesLeast);
    PathSamples samples;
    samples.SpacingM = std::max(kSampleSpacingM, lengthM / static_cast<double>(budget));
    for (size_t i = 0; i < path.size(); ++i) {
        const GpxPoint& from = *path[i];
        samples.Points.push_back({from.LatDeg, from.LonDeg});
        samples.Legs.push_back(i);
        if (i + 1 == path.size()) break;
        const GpxPoint& to = *path[i + 1];
        double steps = std::floor(DistanceM(from, to) / samples.SpacingM);
        for (double step = 1.0; step < steps; ++step) {
            double t = step / steps;
            samples.Points.push_back({from.LatDeg + t * (to.LatDeg - from.LatDeg),
                                      from.LonDeg + t * (to.LonDeg - from.LonDeg)});
            samples.Legs.push_back(i);
        }
    }
    return samples;
}

// Where a place meets the path: on the leg after path point Leg, at the
// fraction AlongT of it.
struct PathMeeting {
    size_t Leg = 0;
    double AlongT = 0.0;
    size_t Place = 0;
    double DistanceM = 0.0;
};

// The distance from point to the leg after path[leg] (to the point itself
// for the last), and how far along the leg its nearest point lies.
PathMeeting MeetLeg(const std::vector<const GpxPoint*>& path, size_t leg, const GpxPoint& point) {
    PathMeeting meeting;
    meeting.Leg = leg;
    double x, y;
    OffsetM(point, path[leg]->LatDeg, path[leg]->LonDeg, x, y);
    double dx = 0.0, dy = 0.0;
    if (leg + 1 < path.size()) {
        double toX, toY;
        OffsetM(point, path[leg + 1]->LatDeg, path[leg + 1]->LonDeg, toX, toY);
        dx = toX - x;
        dy = toY - y;
    }
    double squared = dx * dx + dy * dy;
    double t = squared > 0.0 ? std::clamp(-(x * dx + y * dy) / squared, 0.0, 1.0) : 0.0;
    meeting.AlongT = t;
    meeting.DistanceM = std::hypot(x + t * dx, y + t * dy);
    return meeting;
}

// Every pass of the path within nearM of each place: the samples found
// near it, in path order, fall into runs, one for each time the path comes
// by; each run meets the place where it comes nearest.
std::vector<PathMeeting> MeetPlaces(const GpxData& data, const PathPlan& plan, double nearM,
                                    std::vector<uint8_t>& met) {
    std::vector<PathMeeting> meetings;
    met.assign(plan.Places.size(), 0);
    if (plan.Path.empty() || plan.Places.empty() || nearM <= 0.0) return meetings;
    PathSamples samples = SamplePath(plan.Path);
    PointTree tree = BuildPointTree(samples.Points);
    std::vector<size_t> found;
    for (size_t p = 0; p < plan.Places.size(); ++p) {
        const GpxPoint& point = data.Waypoints[plan.Places[p].Waypoint];
        PointsWithin(tree, {point.LatDeg, point.LonDeg}, nearM + samples.SpacingM, found);
        std::sort(found.begin(), found.end());
        PathMeeting best;
        bool inRun = false;
        for (size_t f = 0; f < found.size(); ++f) {
            PathMeeting meeting = MeetLeg(plan.Path, samples.Legs[found[f]], point);
            meeting.Place = p;
            if (meeting.DistanceM <= nearM && (!inRun || meeting.DistanceM < best.DistanceM)) {
                best = meeting;
                inRun = true;
            }
            bool runEnds = f + 1 == found.size() || found[f + 1] != found[f] + 1;
            if (runEnds && inRun) {
                meetings.push_back(best);
                met[p] = 1;
                inRun = false;
            }
        }
    }
    std::sort(meetings.begin(), meetings.end(), [](const PathMeeting& a, const PathMeeting& b) {
        if (a.Leg != b.Leg) return a.Leg < b.Leg;
        if (a.AlongT != b.AlongT) return a.AlongT < b.AlongT;
        return a.Place < b.Place;
    });
    return meetings;
}

// The name of the path's routes or tracks when it has one, or they share it.
std::string CommonName(const std::vector<GpxPiece>& pieces) {
    if (pieces.empty()) return std::string();
    for (const GpxPiece& piece : pieces) {
        if (piece.Name != pieces[0].Name) return std::string();
    }
    return WayFileText(pieces[0].Name, kTitleBytes);
}

}  // namespace

PathPlan PlanPath(const GpxData& data, const PlanOptions& options) {
    PathPlan plan;
    bool routes = !data.RoutePoints.empty();
    if (routes) {
        RoutePath(data, plan);
        plan.TracksLeftOut = !data.TrackPoints.empty();
    } else {
        ThinnedTrack(data, options.ToleranceM, plan);
    }
    plan.Title = data.Title.empty() ? CommonName(routes ? data.Routes : data.Tracks) : data.Title;
    plan.Places = MergePlaces(data);

    std::vector<uint8_t> onPath;
    std::vector<PathMeeting> meetings = MeetPlaces(data, plan, options.NearM, onPath);
    plan.NamedPlaces = meetings.size();
    std::vector<size_t> nearest;
    if (!plan.Path.empty() && !data.Waypoints.empty()) nearest = NearestPathPoints(plan.Path, data.Waypoints);
    for (size_t p = 0; p < plan.Places.size(); ++p) {
        if (!onPath[p]) plan.Pois.push_back({plan.Path.empty() ? 0 : nearest[plan.Places[p].Waypoint], p});
    }
    std::sort(plan.Pois.begin(), plan.Pois.end());

    // A bend where a named place stands is that place: the place's line
    // takes its turn in the path.
    std::vector<uint8_t> replaced(plan.Path.size(), 0);
    for (const PathMeeting& met : meetings) {
        const GpxPoint& point = data.Waypoints[plan.Places[met.Place].Waypoint];
        for (size_t v = met.Leg; v <= met.Leg + 1 && v < plan.Path.size(); ++v) {
            if (plan.Path[v]->TextIndex == 0 && DistanceM(*plan.Path[v], point) <= kSamePlaceM) replaced[v] = 1;
        }
    }

    size_t poi = 0;
    size_t meeting = 0;
    // Without a path the points of interest are all there is.
    for (; plan.Path.empty() && poi < plan.Pois.size(); ++poi) plan.Rows.push_back({plan.Pois[poi].second, 0, kPoiRow});
    for (size_t i = 0; i < plan.Path.size(); ++i) {
        const uint32_t at = static_cast<uint32_t>(std::min<size_t>(i, UINT32_MAX));
        // The points of interest follow the place that took the turn of their path point.
        bool poisFollow = !replaced[i];
        if (poisFollow) plan.Rows.push_back({i, at, kPathRow});
        for (int pass = 0; pass < 2; ++pass, poisFollow = !poisFollow) {
            if (poisFollow) {
                for (; poi < plan.Pois.size() && plan.Pois[poi].first == i; ++poi) {
                    plan.Rows.push_back({plan.Pois[poi].second, at, kPoiRow});
                }
            } else {
                for (; meeting < meetings.size() && meetings[meeting].Leg == i; ++meeting) {
                    plan.Rows.push_back({meetings[meeting].Place, at, kNamedPlaceRow});
                }
            }
        }
    }
    return plan;
}

const GpxPoint& RowPoint(const GpxData& data, const PathPlan& plan, const PlanRow& row) {
    return row.Kind == kPathRow ? *plan.Path[row.Index] : data.Waypoints[plan.Places[row.Index].Waypoint];
}

int32_t RowElevM(const PathPlan& plan, const PlanRow& row) {
    return row.Kind == kPathRow ? plan.Path[row.Index]->ElevM : plan.Places[row.Index].ElevM;
}
