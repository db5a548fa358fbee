#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "convert_to_grid.h"
#include "datum_transform.h"
#include "grid_letters.h"
#include "grid_params.h"
#include "grid_projection.h"
#include "test_run.h"

namespace {

double Dms(double deg, double min, double sec) { return deg + min / 60.0 + sec / 3600.0; }

struct ConversionCase {
    const char* what;
    const GridParams& grid;
    double latDeg, lonDeg, heightM;   // WGS-84
    double eastingM, northingM;
    double toleranceM;
    const char* letters;
    int squareE, squareN;
};

// Worked examples: WGS-84 positions with their grid references to the
// centimetre, and the lettering exactly.
TEST(ConvertPosition, WorkedExamplesOnBothGrids) {
    const ConversionCase cases[] = {
        {"Pennines, OSGB", OsgbGrid, 54.5, -2.0, 0.0, 400097.85, 511630.72, 0.01, "NZ", 98, 11631},
        {"Dublin, Irish", IrishGrid, 53.3498, -6.2603, 0.0, 315900.55, 234671.41, 0.01, "O", 15901,
         34671},
    };
    for (const ConversionCase& c : cases) {
        SCOPED_TRACE(c.what);
        const GeodeticPosition onDatum =
            TransformDatum(c.latDeg, c.lonDeg, c.heightM, c.grid.helmert, c.grid.ellipsoid);
        const GridPoint point = ProjectToGrid(onDatum.latDeg, onDatum.lonDeg, c.grid);
        EXPECT_EQ(point.status, 0);
        EXPECT_NEAR(point.eastingM, c.eastingM, c.toleranceM);
        EXPECT_NEAR(point.northingM, c.northingM, c.toleranceM);
        const GridSquare square = LetterSquare(point.eastingM, point.northingM, *c.grid.squares);
        EXPECT_EQ(square.status, 0);
        EXPECT_STREQ(square.letters, c.letters);
        EXPECT_EQ(square.eastingM, c.squareE);
        EXPECT_EQ(square.northingM, c.squareN);
    }
}

TEST(TransformDatum, WgsToOsgb36) {
    const GeodeticPosition p = TransformDatum(54.5, -2.0, 0.0, kWgs84ToOsgb36, kAiry1830);
    EXPECT_NEAR(p.latDeg, 54.49987, 0.000005);
    EXPECT_NEAR(p.lonDeg, -1.99849, 0.000005);
    // Elevation is the height in the cartesian step, so it moves the result.
    const GeodeticPosition high = TransformDatum(54.5, -2.0, 900.0, kWgs84ToOsgb36, kAiry1830);
    EXPECT_NE(high.latDeg, p.latDeg);
    // The datum's scale change (20 ppm) stretches the height too.
    EXPECT_NEAR(high.heightM - p.heightM, 900.0 * (1.0 + 20.4894e-6), 0.001);
}

// Ordnance Survey's own projection example (guide, annex C), on OSGB36.
TEST(ProjectToGrid, OrdnanceSurveyExampleToTheMillimetre) {
    const GridPoint point = ProjectToGrid(Dms(52, 39, 27.2531), Dms(1, 43, 4.5177), OsgbGrid);
    EXPECT_EQ(point.status, 0);
    EXPECT_NEAR(point.eastingM, 651409.903, 0.0005);
    EXPECT_NEAR(point.northingM, 313177.270, 0.0005);
    const GridSquare square = LetterSquare(point.eastingM, point.northingM, OsgbSquareTable);
    EXPECT_STREQ(square.letters, "TG");
    EXPECT_EQ(square.eastingM, 51410);
    EXPECT_EQ(square.northingM, 13177);
}

TEST(ProjectToGrid, CentralMeridianGivesFalseEastingExactly) {
    EXPECT_EQ(ProjectToGrid(55.3, -2.0, OsgbGrid).eastingM, 400000.0);
    EXPECT_EQ(ProjectToGrid(53.1, -8.0, IrishGrid).eastingM, 200000.0);
}

TEST(ProjectToGrid, ExtentCheck) {
    // The west of Ireland lies west of the OSGB grid's false origin.
    const GridPoint galway = ProjectToGrid(53.27, -9.05, OsgbGrid);
    EXPECT_LT(galway.eastingM, 0.0);
    EXPECT_EQ(galway.status, 1);
    EXPECT_EQ(ProjectToGrid(53.27, -9.05, IrishGrid).status, 0);
    EXPECT_EQ(ProjectToGrid(48.0, -2.0, OsgbGrid).status, 1);   // south of the grid
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(ProjectToGrid(nan, nan, OsgbGrid).status, 1);
}

struct LetterCase {
    double eastingM, northingM;
    int status;
    const char* letters;
    int squareE, squareN;
};

TEST(LetterSquare, OsgbTableEdges) {
    const LetterCase cases[] = {
        {0.0, 0.0, 0, "SV", 0, 0},
        {0.49, 0.3, 0, "SV", 0, 0},               // western and southern edges
        {99999.5, 5.0, 0, "SW", 0, 5},            // rounds half up into the next square
        {651409.903, 313177.270, 0, "TG", 51410, 13177},
        {699999.4, 1299999.0, 0, "JM", 99999, 99999},
        {699999.7, 1299999.6, 0, "JM", 99999, 99999},   // short of the edge: last square
        {700000.0, 500.0, 1, "", 0, 0},
        {500.0, 1300000.2, 1, "", 0, 0},
        {-2.0, 500.0, 1, "", 0, 0},
        {4e300, 500.0, 1, "", 0, 0},
    };
    for (const LetterCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.eastingM) + " " + std::to_string(c.northingM));
        const GridSquare square = LetterSquare(c.eastingM, c.northingM, OsgbSquareTable);
        EXPECT_EQ(square.status, c.status);
        EXPECT_STREQ(square.letters, c.letters);
        EXPECT_EQ(square.eastingM, c.squareE);
        EXPECT_EQ(square.northingM, c.squareN);
    }
}

TEST(LetterSquare, IrishTableCorners) {
    const LetterCase cases[] = {
        {42095.1, 85546.27, 0, "V", 42095, 85546},
        {499999.5, 499999.9, 0, "E", 99999, 99999},
        {0.0, 499000.0, 0, "A", 0, 99000},
        {499000.0, 0.0, 0, "Z", 99000, 0},
        {500000.0, 0.0, 1, "", 0, 0},
    };
    for (const LetterCase& c : cases) {
        const GridSquare square = LetterSquare(c.eastingM, c.northingM, IrishSquareTable);
        EXPECT_EQ(square.status, c.status);
        EXPECT_STREQ(square.letters, c.letters);
        EXPECT_EQ(square.eastingM, c.squareE);
        EXPECT_EQ(square.northingM, c.squareN);
    }
}

TEST(ConvertToGrid, FillsEveryWaypoint) {
    TestRun run;
    run.WayFilename = "walk.txt";
    AddWaypoint(run, "C001", 54.5, -2.0, 0.0, "Start");
    AddWaypoint(run, "C002", 54.4, -2.1, 300.0, "Gate");
    EXPECT_EQ(ConvertToGrid(run), 0);
    const Waypoint& first = run.Waypoints[0];
    EXPECT_NEAR(first.GridE, 400097.85, 0.01);
    EXPECT_NEAR(first.GridN, 511630.72, 0.01);
    EXPECT_STREQ(first.SquareLetters, "NZ");
    EXPECT_EQ(first.SquareE, 98);
    EXPECT_EQ(first.SquareN, 11631);
    EXPECT_STREQ(run.Waypoints[1].SquareLetters, "NY");

    TestRun dublin;
    dublin.settings.GridSystem = kGridIrish;
    AddWaypoint(dublin, "D1", 53.3498, -6.2603);
    EXPECT_EQ(ConvertToGrid(dublin), 0);
    EXPECT_STREQ(dublin.Waypoints[0].SquareLetters, "O");
}

// Runs ConvertToGrid on count waypoints in Galway, outside the OSGB grid.
std::string OutsideMessages(int count, int* result) {
    TestRun run;
    run.WayFilename = "west.txt";
    for (int i = 1; i <= count; ++i) {
        AddWaypoint(run, ("G" + std::to_string(i)).c_str(), 53.27, -9.05);
    }
    AddWaypoint(run, "C1", 54.5, -2.0);
    testing::internal::CaptureStderr();
    *result = ConvertToGrid(run);
    const std::string err = testing::internal::GetCapturedStderr();
    // Converted only when the pass did not give up before it.
    EXPECT_EQ(run.Waypoints.back().SquareLetters[0] != '\0', count < kMaxGridErrors);
    EXPECT_STREQ(run.Waypoints.front().SquareLetters, "");
    EXPECT_EQ(run.Waypoints.front().GridE, 0.0);
    return err;
}

std::string ExpectedOutside(int from, int to) {
    std::string text;
    for (int i = from; i <= to; ++i) {
        text += "Oops, Waypoint G" + std::to_string(i) + " outside OSGB grid, line " +
                std::to_string(i + 1) + " in west.txt\n";
    }
    return text;
}

TEST(ConvertToGrid, ElevenOutsideAreAllReported) {
    int result = 0;
    EXPECT_EQ(OutsideMessages(11, &result), ExpectedOutside(1, 11));
    EXPECT_EQ(result, 11);
}

TEST(ConvertToGrid, TwelfthOutsideAborts) {
    int result = 0;
    EXPECT_EQ(OutsideMessages(14, &result),
              ExpectedOutside(1, 12) + "Oops, too many errors, aborting\n");
    EXPECT_EQ(result, 12);
}

TEST(ConvertToGrid, ImpossiblePositionsAreOutside) {
    TestRun run;
    run.WayFilename = "odd.txt";
    run.settings.GridSystem = kGridIrish;
    // Latitude 126.5 at 172° E is 53.5° N, 8° W seen from the other side.
    AddWaypoint(run, "X1", 126.5, 172.0);
    AddWaypoint(run, "X2", std::numeric_limits<double>::quiet_NaN(), -8.0);
    AddWaypoint(run, "X3", 53.5, std::numeric_limits<double>::infinity());
    AddWaypoint(run, "X4", 53.5, 352.0);
    AddWaypoint(run, "X5", 53.5, -8.0);
    testing::internal::CaptureStderr();
    EXPECT_EQ(ConvertToGrid(run), 4);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Oops, Waypoint X1 outside Irish grid, line 2 in odd.txt\n"
              "Oops, Waypoint X2 outside Irish grid, line 3 in odd.txt\n"
              "Oops, Waypoint X3 outside Irish grid, line 4 in odd.txt\n"
              "Oops, Waypoint X4 outside Irish grid, line 5 in odd.txt\n");
    EXPECT_STREQ(run.Waypoints.back().SquareLetters, "N");
}

}  // namespace
