// What the WayFile holds, in its order: the path (the route points, or the
// track points that thinning keeps), where each route or track begins, the
// named places on the path in path order, and each point of interest placed
// after the path point it lies nearest to.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "gpx_reader.h"

constexpr double kSamePlaceM = 10.0;   // metres: a waypoint of the same name this near is the same place
constexpr double kDefaultNearM = 50.0; // metres: a place this near the path is a point of it

// A waypoint as one place: the first listing of it, with the elevation and
// symbol of whichever listing gives them.
struct Place {
    size_t Waypoint = 0;               // index in the waypoints
    int32_t ElevM = kNoElevation;
    uint32_t Symbol = 0;               // as GpxWaypointTags::Symbol
};

enum PlanRowKind : uint8_t { kPathRow, kNamedPlaceRow, kPoiRow };

// One waypoint line: a path point (Index into Path) or a place (into Places).
struct PlanRow {
    size_t Index = 0;
    uint32_t PathAt = 0;               // the path point it is, or follows, up to 2^32 - 1
    PlanRowKind Kind = kPathRow;
};

// A route or track beginning at Path[PathIndex].
struct PlanStage {
    size_t PathIndex = 0;
    std::string Name;
};

struct PathPlan {
    std::vector<const GpxPoint*> Path;
    std::vector<Place> Places;
    // Each waypoint as (position in Path it follows, index in Places), in
    // WayFile order; without a path they keep file order. Only the places
    // beside the path, not on it.
    std::vector<std::pair<size_t, size_t>> Pois;
    std::vector<PlanRow> Rows;         // every line in WayFile order; a bend a named place stands on has none
    std::vector<PlanStage> Stages;     // one for each route or track of the path, when it has several
    size_t NamedPlaces = 0;            // rows of places on the path
    std::string Title;                 // the file's name, else the one its routes or tracks share; may be empty
    int TracksLeftOut = 0;             // the file has routes, which the path follows, and tracks
};

struct PlanOptions {
    double ToleranceM = 25.0;          // track thinning
    double NearM = kDefaultNearM;      // a place within this of the path becomes a point of it
};

// The path from the routes when the file has any, else from the tracks,
// each segment thinned at toleranceM; the waypoints made places and placed
// on or along it.
PathPlan PlanPath(const GpxData& data, const PlanOptions& options);

// The position and elevation a row writes.
const GpxPoint& RowPoint(const GpxData& data, const PathPlan& plan, const PlanRow& row);
int32_t RowElevM(const PathPlan& plan, const PlanRow& row);
