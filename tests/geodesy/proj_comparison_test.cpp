// Compares the grid references, and the conversion back from them, with
// PROJ's cs2cs given the same datum shift and projection, over a lattice of
// points covering each grid's land.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "cli_run.h"
#include "datum_transform.h"
#include "grid_inverse.h"
#include "grid_params.h"
#include "grid_projection.h"
#include "judges.h"

namespace {

// PROJ's towgs84 runs from the grid's datum to WGS-84: the opposite
// direction, with opposite signs.
const char* const kOsgbProj =
    "+proj=tmerc +lat_0=49 +lon_0=-2 +k=0.9996012717 +x_0=400000 +y_0=-100000 +ellps=airy "
    "+towgs84=446.448,-125.157,542.06,0.1502,0.247,0.8421,-20.4894";
const char* const kIrishProj =
    "+proj=tmerc +lat_0=53.5 +lon_0=-8 +k=1.000035 +x_0=200000 +y_0=250000 +ellps=mod_airy "
    "+towgs84=482.53,-130.596,564.557,-1.042,-0.214,-0.631,8.15";

constexpr double kToleranceM = 0.01;
constexpr double kMetresPerDeg = 111320.0;   // of latitude, near enough for a 1 cm tolerance

struct Position {
    double latDeg, lonDeg, heightM;
};

// A lattice over the box, heights from sea level to 1300 m, kept where the
// point falls inside the grid.
std::vector<Position> Lattice(const GridParams& grid, double south, double north, double west,
                              double east, int steps) {
    std::vector<Position> positions;
    for (int i = 0; i < steps; ++i) {
        for (int j = 0; j < steps; ++j) {
            const Position p = {south + (north - south) * i / (steps - 1),
                                west + (east - west) * j / (steps - 1),
                                static_cast<double>((i * 370 + j * 110) % 1300)};
            const GeodeticPosition d =
                TransformDatum(p.latDeg, p.lonDeg, p.heightM, grid.helmert, grid.ellipsoid);
            if (ProjectToGrid(d.latDeg, d.lonDeg, grid).status == 0) positions.push_back(p);
        }
    }
    return positions;
}

struct Triple {
    double x, y, z;
};

// Runs cs2cs from one coordinate system to another on lines of three
// numbers; returns the triples it printed.
std::vector<Triple> Cs2cs(const std::string& from, const std::string& to,
                          const std::vector<Triple>& input) {
    ScratchDir scratch;
    std::string text;
    char line[96];
    for (const Triple& t : input) {
        std::snprintf(line, sizeof line, "%.12g %.12g %.4f\n", t.x, t.y, t.z);
        text += line;
    }
    WriteFile(scratch.File("in.txt"), text);
    std::string output;
    EXPECT_EQ(Cs2csConvert(from, to, scratch.File("in.txt"), &output), 0) << output;
    std::istringstream lines(output);
    std::vector<Triple> triples;
    Triple t = {};
    while (lines >> t.x >> t.y >> t.z) triples.push_back(t);
    EXPECT_EQ(triples.size(), input.size());
    return triples;
}

const char* const kWgs84Proj = "+proj=longlat +datum=WGS84";

// Returns the worst horizontal difference from cs2cs, in metres.
double WorstDifference(const GridParams& grid, const char* projString,
                       const std::vector<Position>& positions) {
    std::vector<Triple> input;
    for (const Position& p : positions) input.push_back({p.lonDeg, p.latDeg, p.heightM});
    const std::vector<Triple> proj = Cs2cs(kWgs84Proj, projString, input);

    double worstM = 0.0;
    for (size_t i = 0; i < proj.size(); ++i) {
        const Position& p = positions[i];
        const GeodeticPosition d =
            TransformDatum(p.latDeg, p.lonDeg, p.heightM, grid.helmert, grid.ellipsoid);
        const GridPoint ours = ProjectToGrid(d.latDeg, d.lonDeg, grid);
        const double differenceM = std::hypot(ours.eastingM - proj[i].x, ours.northingM - proj[i].y);
        EXPECT_LE(differenceM, kToleranceM) << "at " << p.latDeg << ", " << p.lonDeg;
        worstM = std::max(worstM, differenceM);
    }
    return worstM;
}

// The inverse conversion against cs2cs's inverse of the same transformation:
// at the whole metres nearest each position's grid reference, and at the
// grid's corners and the middles of its edges, within half a metre.
double WorstInverseDifference(int grid, const char* projString,
                              const std::vector<Position>& positions) {
    const GridParams& params = GridParamsFor(grid);
    std::vector<Triple> references;   // easting, northing, WGS-84 height
    for (const Position& p : positions) {
        const GeodeticPosition d =
            TransformDatum(p.latDeg, p.lonDeg, p.heightM, params.helmert, params.ellipsoid);
        const GridPoint point = ProjectToGrid(d.latDeg, d.lonDeg, params);
        references.push_back({std::round(point.eastingM), std::round(point.northingM), p.heightM});
    }
    const double edgesE[] = {0.5, params.extentEM / 2.0, params.extentEM - 0.5};
    const double edgesN[] = {0.5, params.extentNM / 2.0, params.extentNM - 0.5};
    for (double e : edgesE) {
        for (double n : edgesN) references.push_back({e, n, 250.0});
    }

    // cs2cs takes the height on the grid's datum: the one our forward
    // conversion gives.
    std::vector<Triple> input;
    std::vector<Position> ours;
    for (const Triple& r : references) {
        Position wgs = {0.0, 0.0, r.z};
        EXPECT_EQ(GridToLatLong(grid, r.x, r.y, wgs.latDeg, wgs.lonDeg, r.z), 0);
        const GeodeticPosition onDatum =
            TransformDatum(wgs.latDeg, wgs.lonDeg, r.z, params.helmert, params.ellipsoid);
        input.push_back({r.x, r.y, onDatum.heightM});
        ours.push_back(wgs);
    }
    const std::vector<Triple> proj = Cs2cs(projString, kWgs84Proj, input);
    double worstM = 0.0;
    for (size_t i = 0; i < proj.size(); ++i) {
        const double northM = (ours[i].latDeg - proj[i].y) * kMetresPerDeg;
        const double eastM =
            (ours[i].lonDeg - proj[i].x) * kMetresPerDeg * std::cos(ours[i].latDeg * kDegToRad);
        const double differenceM = std::hypot(northM, eastM);
        EXPECT_LE(differenceM, kToleranceM) << "at " << input[i].x << " " << input[i].y;
        worstM = std::max(worstM, differenceM);
    }
    return worstM;
}

JUDGED_TEST(ProjComparison, OsgbGridWithinOneCentimetre, Judge::kCs2cs) {
    // Scilly and Cornwall to Shetland, Ardnamurchan to Lowestoft.
    const std::vector<Position> positions = Lattice(OsgbGrid, 49.9, 60.8, -7.6, 1.8, 16);
    ASSERT_GE(positions.size(), 200u);
    const double worstM = WorstDifference(OsgbGrid, kOsgbProj, positions);
    RecordProperty("worst_mm", std::to_string(worstM * 1000.0));
    const double inverseM = WorstInverseDifference(kGridOsgb, kOsgbProj, positions);
    RecordProperty("worst_inverse_mm", std::to_string(inverseM * 1000.0));
    std::printf("OSGB: %zu points, worst difference from cs2cs %.1f mm, inverse %.1f mm\n",
                positions.size(), worstM * 1000.0, inverseM * 1000.0);
}

JUDGED_TEST(ProjComparison, IrishGridWithinOneCentimetre, Judge::kCs2cs) {
    // Mizen Head to Malin Head, the Aran Islands to Belfast Lough.
    const std::vector<Position> positions = Lattice(IrishGrid, 51.4, 55.4, -10.6, -5.4, 15);
    ASSERT_GE(positions.size(), 200u);
    const double worstM = WorstDifference(IrishGrid, kIrishProj, positions);
    RecordProperty("worst_mm", std::to_string(worstM * 1000.0));
    const double inverseM = WorstInverseDifference(kGridIrish, kIrishProj, positions);
    RecordProperty("worst_inverse_mm", std::to_string(inverseM * 1000.0));
    std::printf("Irish: %zu points, worst difference from cs2cs %.1f mm, inverse %.1f mm\n",
                positions.size(), worstM * 1000.0, inverseM * 1000.0);
}

}  // namespace
