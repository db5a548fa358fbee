#include "inverse_projection.h"

#include <cmath>

#include "grid_projection.h"

namespace {

// Refinement stops once the position is this close, metres: far inside the
// tolerance, so that the datum step after it has room.
constexpr double kSettledM = 1e-5;
// Newton's method from the first estimate needs five or six rounds at the
// grids' far corners; more means it is not converging.
constexpr int kMaxRounds = 30;
// Step for the slopes of the projection, radians (about 6 m on the ground).
constexpr double kSlopeStepRad = 1e-6;

}  // namespace

int UnprojectFromGrid(double eastingM, double northingM, const GridParams& grid, double& latDeg,
                      double& lonDeg) {
    // First estimate: a sphere of radius a F0 around the true origin.
    const double radiusM = grid.ellipsoid.aM * grid.F0;
    double lat = grid.lat0Deg * kDegToRad + (northingM - grid.N0M) / radiusM;
    double lon = grid.lon0Deg * kDegToRad + (eastingM - grid.E0M) / (radiusM * std::cos(lat));
    for (int round = 0; round < kMaxRounds; ++round) {
        const GridPoint at = ProjectToGrid(lat * kRadToDeg, lon * kRadToDeg, grid);
        const double dE = eastingM - at.eastingM;
        const double dN = northingM - at.northingM;
        if (std::hypot(dE, dN) < kSettledM) {
            latDeg = lat * kRadToDeg;
            lonDeg = lon * kRadToDeg;
            return 0;
        }
        // Newton step with the slopes measured on the projection itself.
        const GridPoint north = ProjectToGrid((lat + kSlopeStepRad) * kRadToDeg, lon * kRadToDeg, grid);
        const GridPoint east = ProjectToGrid(lat * kRadToDeg, (lon + kSlopeStepRad) * kRadToDeg, grid);
        const double dEdLat = (north.eastingM - at.eastingM) / kSlopeStepRad;
        const double dNdLat = (north.northingM - at.northingM) / kSlopeStepRad;
        const double dEdLon = (east.eastingM - at.eastingM) / kSlopeStepRad;
        const double dNdLon = (east.northingM - at.northingM) / kSlopeStepRad;
        const double determinant = dEdLat * dNdLon - dEdLon * dNdLat;
        lat += (dE * dNdLon - dN * dEdLon) / determinant;
        lon += (dN * dEdLat - dE * dNdLat) / determinant;
    }
    return 1;
}
