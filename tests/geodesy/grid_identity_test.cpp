// The grid pass is written for speed (two datum shifts at once, their steps
// interleaved). Here the whole chain is written out plainly, step by step as
// the method states it, and both must give the very same doubles for
// positions all over Great Britain and Ireland.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

#include "convert_to_grid.h"
#include "datum_transform.h"
#include "grid_params.h"
#include "grid_projection.h"
#include "test_run.h"

namespace {

struct Plain {
    double latDeg, lonDeg, heightM;   // on the grid's datum
    double eastingM, northingM;
};

double E2(const Ellipsoid& e) { return (e.aM * e.aM - e.bM * e.bM) / (e.aM * e.aM); }

// WGS-84 to the grid's datum, then the transverse Mercator series.
Plain PlainConversion(double latDeg, double lonDeg, double h, const GridParams& grid) {
    const double deg = 0.017453292519943295;
    double phi = latDeg * deg;
    double lambda = lonDeg * deg;
    double e2 = E2(kWgs84);
    double nu = kWgs84.aM / std::sqrt(1.0 - e2 * std::sin(phi) * std::sin(phi));
    double x = (nu + h) * std::cos(phi) * std::cos(lambda);
    double y = (nu + h) * std::cos(phi) * std::sin(lambda);
    double z = ((1.0 - e2) * nu + h) * std::sin(phi);

    const HelmertParams& t = grid.helmert;
    double rx = t.rxArcsec * deg * (1.0 / 3600.0);
    double ry = t.ryArcsec * deg * (1.0 / 3600.0);
    double rz = t.rzArcsec * deg * (1.0 / 3600.0);
    double s = 1.0 + t.sPpm * 1e-6;
    double x2 = t.txM + s * x - rz * y + ry * z;
    double y2 = t.tyM + rz * x + s * y - rx * z;
    double z2 = t.tzM - ry * x + rx * y + s * z;

    const double a = grid.ellipsoid.aM;
    const double b = grid.ellipsoid.bM;
    e2 = E2(grid.ellipsoid);
    double p = std::sqrt(x2 * x2 + y2 * y2);
    phi = std::atan2(z2, p * (1.0 - e2));
    double phiNew = phi;
    nu = a;
    for (int i = 0; i < 100; ++i) {
        nu = a / std::sqrt(1.0 - e2 * std::sin(phi) * std::sin(phi));
        phiNew = std::atan2(z2 + e2 * nu * std::sin(phi), p);
        if (phiNew == phi) break;
        phi = phiNew;
    }
    Plain out;
    out.latDeg = phiNew * 57.29577951308232;
    out.lonDeg = std::atan2(y2, x2) * 57.29577951308232;
    out.heightM = p / std::cos(phiNew) - nu;

    phi = out.latDeg * deg;
    lambda = out.lonDeg * deg;
    double phi0 = grid.lat0Deg * deg;
    double lambda0 = grid.lon0Deg * deg;
    double n = (a - b) / (a + b);
    double w = 1.0 - e2 * std::sin(phi) * std::sin(phi);
    nu = a * grid.F0 / std::sqrt(w);
    double rho = a * grid.F0 * (1.0 - e2) / std::pow(w, 1.5);
    double eta2 = nu / rho - 1.0;
    double m = b * grid.F0 *
               ((1.0 + n + (5.0 / 4.0) * n * n + (5.0 / 4.0) * n * n * n) * (phi - phi0) -
                (3.0 * n + 3.0 * n * n + (21.0 / 8.0) * n * n * n) * std::sin(phi - phi0) * std::cos(phi + phi0) +
                ((15.0 / 8.0) * n * n + (15.0 / 8.0) * n * n * n) * std::sin(2.0 * (phi - phi0)) *
                    std::cos(2.0 * (phi + phi0)) -
                (35.0 / 24.0) * n * n * n * std::sin(3.0 * (phi - phi0)) * std::cos(3.0 * (phi + phi0)));
    double tn = std::tan(phi);
    double t2 = tn * tn;
    double c = std::cos(phi);
    double sn = std::sin(phi);
    double i1 = m + grid.N0M;
    double i2 = (nu / 2.0) * sn * c;
    double i3 = (nu / 24.0) * sn * (c * c * c) * (5.0 - t2 + 9.0 * eta2);
    double i3a = (nu / 720.0) * sn * (c * c * c * c * c) * (61.0 - 58.0 * t2 + t2 * t2);
    double i4 = nu * c;
    double i5 = (nu / 6.0) * (c * c * c) * (nu / rho - t2);
    double i6 = (nu / 120.0) * (c * c * c * c * c) *
                (5.0 - 18.0 * t2 + t2 * t2 + 14.0 * eta2 - 58.0 * t2 * eta2);
    double d = lambda - lambda0;
    out.northingM = i1 + i2 * (d * d) + i3 * ((d * d) * (d * d)) + i3a * (((d * d) * (d * d)) * (d * d));
    out.eastingM = grid.E0M + i4 * d + i5 * ((d * d) * d) + i6 * (((d * d) * (d * d)) * d);
    return out;
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

struct Area {
    const GridParams& grid;
    int gridSystem;
    double south, north, west, east;   // WGS-84 degrees
};

TEST(GridIdentity, FastPassGivesThePlainMethodsDoublesEverywhere) {
    const Area areas[] = {{OsgbGrid, kGridOsgb, 49.9, 60.9, -8.2, 1.8},
                          {IrishGrid, kGridIrish, 51.4, 55.4, -10.6, -5.4}};
    std::mt19937_64 random(20250101);
    for (const Area& area : areas) {
        std::uniform_real_distribution<double> lat(area.south, area.north);
        std::uniform_real_distribution<double> lon(area.west, area.east);
        TestRun run;
        run.settings.GridSystem = area.gridSystem;
        for (int i = 0; i < 50000; ++i) {
            // Typed positions have six decimals; elevations are whole metres.
            AddWaypoint(run, "W1", std::round(lat(random) * 1e6) / 1e6, std::round(lon(random) * 1e6) / 1e6,
                        static_cast<double>(random() % 1400));
        }
        for (Waypoint& waypoint : run.Waypoints) {  // out-of-grid corners must not end the pass
            if (PlainConversion(waypoint.Lat, waypoint.Long, waypoint.Elev, area.grid).eastingM < 0.0) {
                waypoint.Long = (area.west + area.east) / 2.0;
            }
        }
        testing::internal::CaptureStderr();
        const int errors = ConvertToGrid(run);
        testing::internal::GetCapturedStderr();
        ASSERT_EQ(errors, 0);

        // The shift of two positions at once, against the plain method.
        for (size_t i = 0; i + 1 < run.Waypoints.size(); i += 2) {
            const Waypoint& w1 = run.Waypoints[i];
            const Waypoint& w2 = run.Waypoints[i + 1];
            const double lats[2] = {w1.Lat, w2.Lat}, lons[2] = {w1.Long, w2.Long};
            const double heights[2] = {w1.Elev, w2.Elev};
            GeodeticPosition pair[2];
            TransformDatumPair(lats, lons, heights, area.grid.helmert, area.grid.ellipsoid, pair);
            for (int k = 0; k < 2; ++k) {
                const Plain plain = PlainConversion(lats[k], lons[k], heights[k], area.grid);
                ASSERT_TRUE(SameBits(pair[k].latDeg, plain.latDeg) && SameBits(pair[k].lonDeg, plain.lonDeg) &&
                            SameBits(pair[k].heightM, plain.heightM))
                    << lats[k] << " " << lons[k] << " " << heights[k];
            }
        }

        int compared = 0;
        for (const Waypoint& w : run.Waypoints) {
            const Plain plain = PlainConversion(w.Lat, w.Long, w.Elev, area.grid);
            const GeodeticPosition onDatum = TransformDatum(w.Lat, w.Long, w.Elev, area.grid.helmert,
                                                            area.grid.ellipsoid);
            const GridPoint point = ProjectToGrid(onDatum.latDeg, onDatum.lonDeg, area.grid);
            ASSERT_TRUE(SameBits(onDatum.latDeg, plain.latDeg) && SameBits(onDatum.lonDeg, plain.lonDeg) &&
                        SameBits(onDatum.heightM, plain.heightM))
                << w.Lat << " " << w.Long << " " << w.Elev;
            ASSERT_TRUE(SameBits(point.eastingM, plain.eastingM) && SameBits(point.northingM, plain.northingM))
                << w.Lat << " " << w.Long;
            ASSERT_TRUE(SameBits(w.GridE, plain.eastingM) && SameBits(w.GridN, plain.northingM))
                << w.Lat << " " << w.Long;
            ++compared;
        }
        EXPECT_EQ(compared, 50000);
    }
}

}  // namespace
