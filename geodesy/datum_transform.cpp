#include "datum_transform.h"

#include <cmath>

namespace {

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

// The position on the target datum in cartesian coordinates, with its
// distance from the polar axis.
struct Shifted {
    Cartesian p;
    double pM;
};

Shifted Shift(double latDeg, double lonDeg, double heightM, const HelmertParams& helmert) {
    const Cartesian wgs = ToCartesian(latDeg * kDegToRad, lonDeg * kDegToRad, heightM, kWgs84);
    const Cartesian p = Helmert(wgs, helmert);
    return {p, std::sqrt(p.xM * p.xM + p.yM * p.yM)};
}

// Back to geodetic on the target ellipsoid: the latitude is refined until it
// no longer changes in the last bit. A value that flips between two
// neighbouring doubles ends after the last refinement.
struct Refinement {
    double zM, pM;
    double lat;         // the latest value
    double nu;          // the prime vertical radius of the latest refinement
    int rounds;
    bool done;
};

Refinement StartRefinement(const Shifted& shifted, const Ellipsoid& target) {
    const double e2 = EccentricitySquared(target);
    return {shifted.p.zM, shifted.pM, std::atan2(shifted.p.zM, shifted.pM * (1.0 - e2)), target.aM, 0, false};
}

void Refine(Refinement& r, const Ellipsoid& target) {
    const double e2 = EccentricitySquared(target);
    const double sinLat = std::sin(r.lat);
    r.nu = target.aM / std::sqrt(1.0 - e2 * sinLat * sinLat);
    const double latNew = std::atan2(r.zM + e2 * r.nu * sinLat, r.pM);
    r.done = latNew == r.lat || ++r.rounds == kMaxRefinements;
    r.lat = latNew;
}

GeodeticPosition Finish(const Shifted& shifted, const Refinement& r) {
    const double lon = std::atan2(shifted.p.yM, shifted.p.xM);
    const double height = shifted.pM / std::cos(r.lat) - r.nu;
    return {r.lat * kRadToDeg, lon * kRadToDeg, height};
}

}  // namespace

GeodeticPosition TransformDatum(double latDeg, double lonDeg, double heightM,
                                const HelmertParams& helmert, const Ellipsoid& target) {
    const Shifted shifted = Shift(latDeg, lonDeg, heightM, helmert);
    Refinement r = StartRefinement(shifted, target);
    while (!r.done) Refine(r, target);
    return Finish(shifted, r);
}

void TransformDatumPair(const double latDeg[2], const double lonDeg[2], const double heightM[2],
                        const HelmertParams& helmert, const Ellipsoid& target, GeodeticPosition out[2]) {
    const Shifted first = Shift(latDeg[0], lonDeg[0], heightM[0], helmert);
    const Shifted second = Shift(latDeg[1], lonDeg[1], heightM[1], helmert);
    Refinement r1 = StartRefinement(first, target);
    Refinement r2 = StartRefinement(second, target);
    while (!r1.done || !r2.done) {
        if (!r1.done) Refine(r1, target);
        if (!r2.done) Refine(r2, target);
    }
    out[0] = Finish(first, r1);
    out[1] = Finish(second, r2);
}
