#include "convert_to_grid.h"

#include <cstdio>
#include <cstring>

#include "datum_transform.h"
#include "grid_letters.h"
#include "grid_projection.h"
#include "settings.h"

namespace {

constexpr double kLatLimitDeg = 90.0;    // the poles
constexpr double kLongLimitDeg = 180.0;  // the antimeridian

// Only a real WGS-84 position gets a grid reference. A latitude beyond the
// poles would pass through the cartesian step as the mirrored point on the
// far side of the earth and could land on the grid; NaN fails every test.
bool IsWgs84Position(double latDeg, double lonDeg) {
    return latDeg >= -kLatLimitDeg && latDeg <= kLatLimitDeg && lonDeg >= -kLongLimitDeg && lonDeg <= kLongLimitDeg;
}

// Carries a waypoint's position, at its elevation in metres, to the grid and
// stores its grid reference, or prints the out-of-grid message. Returns 1
// when it is outside the grid.
int PlaceOnGrid(Waypoint& waypoint, const GridParams& grid, const char* wayFilename, double heightM) {
    GridPoint point = {0.0, 0.0, 1};
    if (IsWgs84Position(waypoint.Lat, waypoint.Long)) {
        const GeodeticPosition onDatum =
            TransformDatum(waypoint.Lat, waypoint.Long, heightM, grid.helmert, grid.ellipsoid);
        point = ProjectToGrid(onDatum.latDeg, onDatum.lonDeg, grid);
    }
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
    for (Waypoint& waypoint : list) {
        const double heightM = waypoint.Elev * metresPerElevationUnit;
        if (PlaceOnGrid(waypoint, grid, wayFilename, heightM) && ++errors == kMaxGridErrors) {
            std::fprintf(stderr, "Oops, too many errors, aborting\n");
            return errors;
        }
    }
    return errors;
}
