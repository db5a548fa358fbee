#include "grid_of_place.h"

#include <cmath>
#include <iterator>

#include "datum_transform.h"
#include "grid_params.h"
#include "grid_projection.h"

namespace {

// The island of Ireland with its offshore islands (Rathlin, Tory,
// Inishtrahull, the Blaskets, Fastnet): a coarse outline drawn for this
// program, vertices in the sea, counter-clockwise from south-west of Mizen
// Head, in WGS-84 degrees. Each vertex lies between the headlands named
// beside it, whose positions (to a hundredth of a degree) are those of any
// atlas: east of the Ards (5.43 W) and west of the Rhins of Galloway
// (5.12 W), Sanda and the Mull of Kintyre (5.58 W, 5.80 W), south of
// Islay's Mull of Oa (55.58 N); the Isle of Man (4.82 W at most) and
// Scilly (50.0 N at most) lie far outside it.
struct Vertex {
    double LonDeg;
    double LatDeg;
};

constexpr Vertex kIrelandOutline[] = {
    {-10.9, 51.1},   // south-west of Mizen Head and Fastnet
    {-6.0, 51.9},    // south-east of Carnsore Point, west of the Smalls
    {-5.75, 53.0},   // east of Wicklow Head
    {-5.8, 53.7},    // east of Lambay
    {-5.3, 54.3},    // east of the Ards
    {-5.3, 54.8},    // North Channel: between the Copelands and the Rhins
    {-5.95, 55.27},  // between Torr Head and the Mull of Kintyre
    {-6.25, 55.45},  // north of Rathlin, south of the Mull of Oa
    {-7.0, 55.5},    // south of Islay's Rinns
    {-7.5, 55.5},    // north of Inishtrahull
    {-8.6, 55.35},   // north of Tory Island
    {-11.0, 54.4},   // west of Erris Head and the Inishkeas
};

constexpr double kMicroDegrees = 1e6;   // the WayFile's six decimals

double AsWritten(double degrees) { return std::round(degrees * kMicroDegrees) / kMicroDegrees; }

bool InsideGrid(const GpxPoint& point, const GridParams& grid) {
    GeodeticPosition onDatum =
        TransformDatum(AsWritten(point.LatDeg), AsWritten(point.LonDeg), 0.0, grid.helmert, grid.ellipsoid);
    return ProjectToGrid(onDatum.latDeg, onDatum.lonDeg, grid).status == 0;
}

}  // namespace

bool OnIrelandIsland(double latDeg, double lonDeg) {
    // Crossings of a ray running east from the point.
    bool inside = false;
    size_t count = std::size(kIrelandOutline);
    for (size_t i = 0, j = count - 1; i < count; j = i++) {
        const Vertex& a = kIrelandOutline[i];
        const Vertex& b = kIrelandOutline[j];
        if ((a.LatDeg > latDeg) != (b.LatDeg > latDeg) &&
            lonDeg < a.LonDeg + (latDeg - a.LatDeg) * (b.LonDeg - a.LonDeg) / (b.LatDeg - a.LatDeg)) {
            inside = !inside;
        }
    }
    return inside;
}

PlaceGrid GridOfPlace(const GpxData& data, const PathPlan& plan) {
    size_t onIreland = 0;
    size_t counted = 0;
    for (const PlanRow& row : plan.Rows) {
        if (!plan.Path.empty() && row.Kind != kPathRow) continue;
        const GpxPoint& point = RowPoint(data, plan, row);
        onIreland += OnIrelandIsland(point.LatDeg, point.LonDeg);
        ++counted;
    }
    return 2 * onIreland > counted ? kPlaceGridIrish : kPlaceGridOsgb;
}

size_t RowsOutsideGrid(const GpxData& data, const PathPlan& plan, PlaceGrid grid) {
    const GridParams& params = grid == kPlaceGridIrish ? IrishGrid : OsgbGrid;
    size_t outside = 0;
    for (const PlanRow& row : plan.Rows) outside += !InsideGrid(RowPoint(data, plan, row), params);
    return outside;
}
