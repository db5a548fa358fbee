#include "convert_to_grid.h"

#include <cstdio>
#include <cstring>

#include "datum_transform.h"
#include "grid_letters.h"
#include "grid_projection.h"
#include "settings.h"

namespace {

// Only a real WGS-84 position gets a grid reference. A latitude beyond the
// poles would pass through the cartesian step as the mirrored point on the
// far side of the earth and could land on the grid; NaN fails every test.
bool IsWgs84Position(double latDeg, double lonDeg) {
    return latDeg >= -90.0 && latDeg <= 90.0 && lonDeg >= -180.0 && lonDeg <= 180.0;
}

// Projects a waypoint from its position on the grid's datum (none when it
// has no WGS-84 position) and stores its grid reference, or prints the
// out-of-grid message. Returns 1 when it is outside the grid.
int PlaceOnGrid(Waypoint& waypoint, const GeodeticPosition* onDatum, const GridParams& grid,
                const char* wayFilename) {
    GridPoint point = {0.0, 0.0, 1};
    if (onDatum != nullptr) point = ProjectToGrid(onDatum->latDeg, onDatum->lonDeg, grid);
    if (point.status != 0) {
        std::fprintf(stderr, grid.outsideMessage, waypoint.WayID, waypoint.LineNo, wayFilename);
        return 1;
    }
    waypoint.GridE = point.eastingM;
    waypoint.GridN = point.northingM;
    const GridSquare square = LetterSquare(point.eastingM, point.northingM, *grid.squares);
    if (square.status == 0) {
        std::memcpy(waypoint.SquareLetters, square.letters, sizeof waypoint.SquareLetters);
        waypoint.SquareE = square.eastingM;
        waypoint.SquareN = square.northingM;
    }
    return 0;
}

}  // namespace

int ConvertToGrid(WaypointList& list, const GridParams& grid, const char* wayFilename,
                  double metresPerElevationUnit) {
    int errors = 0;
    // Waypoints go through the datum shift in twos, so that their latitude
    // refinements interleave; then each is placed on the grid in file order.
    // A place in the pair not taken by a real position holds the origin.
    for (size_t first = 0; first < list.size(); first += 2) {
        const size_t count = list.size() - first < 2 ? 1 : 2;
        double lat[2] = {0.0, 0.0}, lon[2] = {0.0, 0.0}, height[2] = {0.0, 0.0};
        bool isPosition[2] = {false, false};
        for (size_t k = 0; k < count; ++k) {
            const Waypoint& waypoint = list[first + k];
            isPosition[k] = IsWgs84Position(waypoint.Lat, waypoint.Long);
            if (isPosition[k]) {
                lat[k] = waypoint.Lat;
                lon[k] = waypoint.Long;
                height[k] = waypoint.Elev * metresPerElevationUnit;
            }
        }
        GeodeticPosition onDatum[2];
        TransformDatumPair(lat, lon, height, grid.helmert, grid.ellipsoid, onDatum);

        for (size_t k = 0; k < count; ++k) {
            if (PlaceOnGrid(list[first + k], isPosition[k] ? &onDatum[k] : nullptr, grid, wayFilename) &&
                ++errors == kMaxGridErrors) {
                std::fprintf(stderr, "Oops, too many errors, aborting\n");
                return errors;
            }
        }
    }
    return errors;
}
