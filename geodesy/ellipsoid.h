// Reference ellipsoids: WGS-84, the datum of every position read, and the
// ellipsoids of the two national grids' datums.
#pragma once

struct Ellipsoid {
    double aM;   // semi-major axis, metres
    double bM;   // semi-minor axis, metres
};

// Axes as published with the grids: Ordnance Survey, "A guide to coordinate
// systems in Great Britain", annex A (Airy 1830, WGS-84); Ordnance Survey
// Ireland for Airy modified.
constexpr Ellipsoid kWgs84 = {6378137.0, 6356752.3142};
constexpr Ellipsoid kAiry1830 = {6377563.396, 6356256.91};
constexpr Ellipsoid kAiryModified = {6377340.189, 6356034.447};

// First eccentricity squared, (a² − b²) / a².
inline double EccentricitySquared(const Ellipsoid& ellipsoid) {
    const double a2 = ellipsoid.aM * ellipsoid.aM;
    return (a2 - ellipsoid.bM * ellipsoid.bM) / a2;
}

// Angle conversions, exactly these values so that every build gives the
// same bits.
constexpr double kDegToRad = 0.017453292519943295;   // π / 180
constexpr double kRadToDeg = 57.29577951308232;      // 180 / π
constexpr double kArcsecPerDeg = 3600.0;
