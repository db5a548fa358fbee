#include "datum_transform.h"

#include <cmath>

namespace {

// Latitude refinements at most: a handful settle every position on the earth;
// the bound only ends a value that flips between two neighbouring doubles.
constexpr int kMaxRefinements = 100;

struct Cartesian {
    double xM, yM, zM;
};

Cartesian ToCartesian(double latRad, double lonRad, double heightM, const Ellipsoid& ellipsoid) {
    const double e2 = EccentricitySquared(ellipsoid);
    const double sinLat = std::sin(latRad);
    const double cosLat = std::cos(latRad);
    const double nu = ellipsoid.aM / std::sqrt(1.0 - e2 * sinLat * sinLat);
    return {(nu + heightM) * cosLat * std::cos(lonRad),
            (nu + heightM) * cosLat * std::sin(lonRad),
            ((1.0 - e2) * nu + heightM) * sinLat};
}

double ArcsecToRad(double arcsec) { return arcsec * kDegToRad * (1.0 / kArcsecPerDeg); }

// Small-angle rotations in the position-vector sign convention.
Cartesian Helmert(const Cartesian& p, const HelmertParams& h) {
    const double rx = ArcsecToRad(h.rxArcsec);
    const double ry = ArcsecToRad(h.ryArcsec);
    const double rz = ArcsecToRad(h.rzArcsec);
    const double scale = 1.0 + h.sPpm * 1e-6;
    return {h.txM + scale * p.xM - rz * p.yM + ry * p.zM,
            h.tyM + rz * p.xM + scale * p.yM - rx * p.zM,
            h.tzM - ry * p.xM + rx * p.yM + scale * p.zM};
}

}  // namespace

GeodeticPosition TransformDatum(double latDeg, double lonDeg, double heightM,
                                const HelmertParams& helmert, const Ellipsoid& target) {
    const Cartesian wgs = ToCartesian(latDeg * kDegToRad, lonDeg * kDegToRad, heightM, kWgs84);
    const Cartesian p = Helmert(wgs, helmert);
    const double pM = std::sqrt(p.xM * p.xM + p.yM * p.yM);  // distance from the polar axis

    // Back to geodetic on the target ellipsoid: the latitude is refined until
    // it no longer changes in the last bit. A value that flips between two
    // neighbouring doubles ends after the last refinement.
    const double e2 = EccentricitySquared(target);
    double lat = std::atan2(p.zM, pM * (1.0 - e2));
    double nu = target.aM;  // the prime vertical radius of the latest refinement
    for (int round = 0; round < kMaxRefinements; ++round) {
        const double sinLat = std::sin(lat);
        nu = target.aM / std::sqrt(1.0 - e2 * sinLat * sinLat);
        const double latNew = std::atan2(p.zM + e2 * nu * sinLat, pM);
        const bool settled = latNew == lat;
        lat = latNew;
        if (settled) break;
    }
    const double lon = std::atan2(p.yM, p.xM);
    const double height = pM / std::cos(lat) - nu;
    return {lat * kRadToDeg, lon * kRadToDeg, height};
}
