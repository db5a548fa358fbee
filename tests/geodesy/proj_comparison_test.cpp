// Compares the grid references with PROJ's cs2cs given the same datum shift
// and projection, over a lattice of points covering each grid's land.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "cli_run.h"
#include "datum_transform.h"
#include "grid_params.h"
#include "grid_projection.h"

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

// Returns the worst horizontal difference from cs2cs, in metres.
double WorstDifference(const GridParams& grid, const char* projString,
                       const std::vector<Position>& positions) {
    ScratchDir scratch;
    std::string input;
    char line[96];
    for (const Position& p : positions) {
        std::snprintf(line, sizeof line, "%.9f %.9f %.3f\n", p.lonDeg, p.latDeg, p.heightM);
        input += line;
    }
    WriteFile(scratch.File("in.txt"), input);
    std::string output;
    const std::string command = std::string(CS2CS_PATH) + " -f %.6f +proj=longlat +datum=WGS84 +to " +
                                projString + " < " + scratch.File("in.txt");
    EXPECT_EQ(RunShell(command, &output), 0);

    std::istringstream lines(output);
    double worstM = 0.0;
    size_t compared = 0;
    for (const Position& p : positions) {
        double projE = 0.0, projN = 0.0, projH = 0.0;
        if (!(lines >> projE >> projN >> projH)) break;
        const GeodeticPosition d =
            TransformDatum(p.latDeg, p.lonDeg, p.heightM, grid.helmert, grid.ellipsoid);
        const GridPoint ours = ProjectToGrid(d.latDeg, d.lonDeg, grid);
        const double differenceM = std::hypot(ours.eastingM - projE, ours.northingM - projN);
        EXPECT_LE(differenceM, kToleranceM) << "at " << p.latDeg << ", " << p.lonDeg;
        worstM = std::max(worstM, differenceM);
        ++compared;
    }
    EXPECT_EQ(compared, positions.size());
    return worstM;
}

TEST(ProjComparison, OsgbGridWithinOneCentimetre) {
    // Scilly and Cornwall to Shetland, Ardnamurchan to Lowestoft.
    const std::vector<Position> positions = Lattice(OsgbGrid, 49.9, 60.8, -7.6, 1.8, 16);
    ASSERT_GE(positions.size(), 200u);
    const double worstM = WorstDifference(OsgbGrid, kOsgbProj, positions);
    RecordProperty("worst_mm", std::to_string(worstM * 1000.0));
    std::printf("OSGB: %zu points, worst difference from cs2cs %.1f mm\n", positions.size(),
                worstM * 1000.0);
}

TEST(ProjComparison, IrishGridWithinOneCentimetre) {
    // Mizen Head to Malin Head, the Aran Islands to Belfast Lough.
    const std::vector<Position> positions = Lattice(IrishGrid, 51.4, 55.4, -10.6, -5.4, 15);
    ASSERT_GE(positions.size(), 200u);
    const double worstM = WorstDifference(IrishGrid, kIrishProj, positions);
    RecordProperty("worst_mm", std::to_string(worstM * 1000.0));
    std::printf("Irish: %zu points, worst difference from cs2cs %.1f mm\n", positions.size(),
                worstM * 1000.0);
}

}  // namespace
