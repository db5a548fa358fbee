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
    WaypointList& list = run.Waypoints;
    int errors = 0;
    // Waypoints go through the datum shift in twos, so that their latitude
    // refinements interleave; then each is projected, checked and stored in
    // file order. A place not filled by a real position holds the origin.
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
                height[k] = waypoint.Elev;
            }
        }
        GeodeticPosition onDatum[2];
        TransformDatumPair(lat, lon, height, grid.helmert, grid.ellipsoid, onDatum);

        for (size_t k = 0; k < count; ++k) {
            Waypoint& waypoint = list[first + k];
            GridPoint point = {0.0, 0.0, 1};
            if (isPosition[k]) point = ProjectToGrid(onDatum[k].latDeg, onDatum[k].lonDeg, grid);
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
    }
    return errors;
}
