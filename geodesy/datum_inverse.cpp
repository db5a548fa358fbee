#include "datum_inverse.h"

#include <cmath>

#include "datum_transform.h"

namespace {

// Refinement stops once the shifted position is this close, degrees (about
// 0.01 mm on the ground).
constexpr double kSettledDeg = 1e-10;
// Each round shrinks the error some ten thousand times (the shift changes by
// parts in 10⁵ across its own size); more rounds mean it is not converging.
constexpr int kMaxRounds = 20;

}  // namespace

int TransformDatumBack(double latDeg, double lonDeg, double heightM, const HelmertParams& helmert,
                       const Ellipsoid& target, double& wgsLatDeg, double& wgsLonDeg) {
    double lat = latDeg;
    double lon = lonDeg;
    for (int round = 0; round < kMaxRounds; ++round) {
        const GeodeticPosition shifted = TransformDatum(lat, lon, heightM, helmert, target);
        const double dLat = latDeg - shifted.latDeg;
        const double dLon = lonDeg - shifted.lonDeg;
        if (std::fabs(dLat) < kSettledDeg && std::fabs(dLon) < kSettledDeg) {
            wgsLatDeg = lat;
            wgsLonDeg = lon;
            return 0;
        }
        // The shift is all but constant over its own few hundred metres.
        lat += dLat;
        lon += dLon;
    }
    return 1;
}
