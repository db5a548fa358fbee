// The inverse conversion, grid position to WGS-84, held to the grid pass's
// own forward conversion.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>

#include "datum_transform.h"
#include "grid_inverse.h"
#include "grid_params.h"
#include "grid_projection.h"

namespace {

constexpr double kMetresPerDegLat = 111320.0;   // near enough for tolerances in metres

struct InverseCase {
    const char* what;
    int grid;
    double eastingM, northingM, heightM;
    double latDeg, lonDeg;   // WGS-84
    double toleranceM;
};

// The worked examples of the forward conversion, run backwards.
TEST(GridToLatLong, WorkedExamplesBackToWgs84) {
    const InverseCase cases[] = {
        {"Pennines, OSGB", kGridOsgb, 400097.85, 511630.72, 0.0, 54.5, -2.0, 0.01},
        {"Dublin, Irish", kGridIrish, 315900.55, 234671.41, 0.0, 53.3498, -6.2603, 0.01},
    };
    for (const InverseCase& c : cases) {
        SCOPED_TRACE(c.what);
        double latDeg = 0.0, lonDeg = 0.0;
        ASSERT_EQ(GridToLatLong(c.grid, c.eastingM, c.northingM, latDeg, lonDeg, c.heightM), 0);
        EXPECT_NEAR(latDeg, c.latDeg, c.toleranceM / kMetresPerDegLat);
        EXPECT_NEAR(lonDeg, c.lonDeg, c.toleranceM / (kMetresPerDegLat * std::cos(c.latDeg * kDegToRad)));
    }
}

// Grid position the grid pass gives for a WGS-84 position.
GridPoint Forward(int grid, double latDeg, double lonDeg, double heightM) {
    const GridParams& params = GridParamsFor(grid);
    const GeodeticPosition d = TransformDatum(latDeg, lonDeg, heightM, params.helmert, params.ellipsoid);
    return ProjectToGrid(d.latDeg, d.lonDeg, params);
}

// Every 25 km over the whole grid, up to its far edges and corners within
// half a metre, at heights from below sea level to the highest summits.
double WorstRoundTripM(int grid) {
    const GridParams& params = GridParamsFor(grid);
    const double stepM = 25000.0;
    const int columns = static_cast<int>(params.extentEM / stepM);
    const int rows = static_cast<int>(params.extentNM / stepM);
    double worstM = 0.0;
    for (int i = 0; i <= columns; ++i) {
        for (int j = 0; j <= rows; ++j) {
            const double eastingM = i == columns ? params.extentEM - 0.5 : i * stepM + 0.5;
            const double northingM = j == rows ? params.extentNM - 0.5 : j * stepM + 0.5;
            const double heightM = std::fmod(eastingM + northingM, 1400.0) - 100.0;
            double latDeg = 0.0, lonDeg = 0.0;
            EXPECT_EQ(GridToLatLong(grid, eastingM, northingM, latDeg, lonDeg, heightM), 0)
                << eastingM << " " << northingM;
            const GridPoint back = Forward(grid, latDeg, lonDeg, heightM);
            worstM = std::fmax(worstM, std::hypot(back.eastingM - eastingM, back.northingM - northingM));
        }
    }
    return worstM;
}

TEST(GridToLatLong, ForwardAgainWithinOneMillimetreEverywhere) {
    const int grids[] = {kGridOsgb, kGridIrish};
    for (int grid : grids) {
        const double worstM = WorstRoundTripM(grid);
        EXPECT_LE(worstM, kGridInverseToleranceM);
        std::printf("%s: worst round trip %.6f mm\n", grid == kGridOsgb ? "OSGB" : "Irish",
                    worstM * 1000.0);
    }
}

TEST(GridToLatLong, RefusesWhatCannotBeConverted) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double positions[][2] = {{nan, 500000.0}, {300000.0, nan}, {1e12, 1e12}, {3e7, -4e7}};
    for (const auto& p : positions) {
        double latDeg = 7.0, lonDeg = 7.0;
        EXPECT_EQ(GridToLatLong(kGridOsgb, p[0], p[1], latDeg, lonDeg), 1);
        EXPECT_EQ(latDeg, 7.0);   // untouched
    }
}

}  // namespace
