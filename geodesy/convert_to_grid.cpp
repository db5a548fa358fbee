#include "convert_to_grid.h"

#include <cstdio>
#include <cstring>

#include "datum_transform.h"
#include "grid_letters.h"
#include "grid_params.h"
#include "grid_projection.h"

namespace {

// Only a real WGS-84 position gets a grid reference. A latitude beyond the
// poles would pass through the cartesian step as the mirrored point on the
// far side of the earth and could land on the grid; NaN fails every test.
bool IsWgs84Position(double latDeg, double lonDeg) {
    return latDeg >= -90.0 && latDeg <= 90.0 && lonDeg >= -180.0 && lonDeg <= 180.0;
}

}  // namespace

int ConvertToGrid(RunState& run) {
    const GridParams& grid = GridParamsFor(run.settings.GridSystem);
    int errors = 0;
    for (Waypoint& waypoint : run.Waypoints) {
        GridPoint point = {0.0, 0.0, 1};
        if (IsWgs84Position(waypoint.Lat, waypoint.Long)) {
            const GeodeticPosition onDatum = TransformDatum(
                waypoint.Lat, waypoint.Long, waypoint.Elev, grid.helmert, grid.ellipsoid);
            point = ProjectToGrid(onDatum.latDeg, onDatum.lonDeg, grid);
        }
        if (point.status != 0) {
            std::fprintf(stderr, grid.outsideMessage, waypoint.WayID, waypoint.LineNo,
                         run.WayFilename.c_str());
            if (++errors == kMaxGridErrors) {
                std::fprintf(stderr, "Oops, too many errors, aborting\n");
                return errors;
            }
            continue;
        }
        waypoint.GridE = point.eastingM;
        waypoint.GridN = point.northingM;
        const GridSquare square = LetterSquare(point.eastingM, point.northingM, *grid.squares);
        if (square.status == 0) {
            std::memcpy(waypoint.SquareLetters, square.letters, sizeof waypoint.SquareLetters);
            waypoint.SquareE = square.eastingM;
            waypoint.SquareN = square.northingM;
        }
    }
    return errors;
}
