#include "grid_projection.h"

#include <cmath>

namespace {

// Meridional arc from the true origin's latitude to lat, radians in, metres
// out, already scaled by F0.
double MeridionalArc(double lat, double lat0, double bF0, double n) {
    const double n2 = n * n;
    const double n3 = n2 * n;
    const double dLat = lat - lat0;
    const double sLat = lat + lat0;
    return bF0 * ((1.0 + n + (5.0 / 4.0) * n2 + (5.0 / 4.0) * n3) * dLat -
                  (3.0 * n + 3.0 * n2 + (21.0 / 8.0) * n3) * std::sin(dLat) * std::cos(sLat) +
                  ((15.0 / 8.0) * n2 + (15.0 / 8.0) * n3) * std::sin(2.0 * dLat) *
                      std::cos(2.0 * sLat) -
                  (35.0 / 24.0) * n3 * std::sin(3.0 * dLat) * std::cos(3.0 * sLat));
}

}  // namespace

GridPoint ProjectToGrid(double latDeg, double lonDeg, const GridParams& grid) {
    const double lat = latDeg * kDegToRad;
    const double lon = lonDeg * kDegToRad;
    const double lat0 = grid.lat0Deg * kDegToRad;
    const double lon0 = grid.lon0Deg * kDegToRad;
    const double a = grid.ellipsoid.aM;
    const double b = grid.ellipsoid.bM;
    const double e2 = EccentricitySquared(grid.ellipsoid);
    const double n = (a - b) / (a + b);

    const double sinLat = std::sin(lat);
    const double cosLat = std::cos(lat);
    const double w = 1.0 - e2 * sinLat * sinLat;
    const double nu = a * grid.F0 / std::sqrt(w);
    const double rho = a * grid.F0 * (1.0 - e2) / std::pow(w, 1.5);
    const double eta2 = nu / rho - 1.0;
    const double m = MeridionalArc(lat, lat0, b * grid.F0, n);

    const double t = std::tan(lat);
    const double t2 = t * t;
    const double t4 = t2 * t2;
    const double cos3 = cosLat * cosLat * cosLat;
    const double cos5 = cos3 * cosLat * cosLat;
    const double termI = m + grid.N0M;
    const double termII = (nu / 2.0) * sinLat * cosLat;
    const double termIII = (nu / 24.0) * sinLat * cos3 * (5.0 - t2 + 9.0 * eta2);
    const double termIIIA = (nu / 720.0) * sinLat * cos5 * (61.0 - 58.0 * t2 + t4);
    const double termIV = nu * cosLat;
    const double termV = (nu / 6.0) * cos3 * (nu / rho - t2);
    const double termVI =
        (nu / 120.0) * cos5 * (5.0 - 18.0 * t2 + t4 + 14.0 * eta2 - 58.0 * t2 * eta2);

    const double dLon = lon - lon0;
    const double dLon2 = dLon * dLon;
    const double dLon3 = dLon2 * dLon;
    const double dLon4 = dLon2 * dLon2;
    const double dLon5 = dLon4 * dLon;
    const double dLon6 = dLon4 * dLon2;
    GridPoint point;
    point.northingM = termI + termII * dLon2 + termIII * dLon4 + termIIIA * dLon6;
    point.eastingM = grid.E0M + termIV * dLon + termV * dLon3 + termVI * dLon5;
    // Written so that NaN falls outside.
    const bool inside = point.eastingM >= 0.0 && point.eastingM < grid.extentEM &&
                        point.northingM >= 0.0 && point.northingM < grid.extentNM;
    point.status = inside ? 0 : 1;
    return point;
}
