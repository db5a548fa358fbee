#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "route_measures.h"
#include "test_run.h"

namespace {

// A waypoint already on the grid, as ConvertToGrid leaves it.
Waypoint& AddOnGrid(TestRun& run, const char* id, double eastingM, double northingM,
                    double elev = 0.0) {
    Waypoint& waypoint = AddWaypoint(run, id, 54.5, -2.0, elev);
    waypoint.GridE = eastingM;
    waypoint.GridN = northingM;
    return waypoint;
}

std::string Starts(const TestRun& run) {
    std::string starts;
    for (const Waypoint& waypoint : run.Waypoints) {
        if (waypoint.SegmentStart) starts += std::string(waypoint.WayID) + " ";
    }
    return starts;
}

TEST(MeasuredWaypoint, LetterAndOneNumberWithARule) {
    TestRun run;
    SetRule(run, 'c', RULE_ALL);
    SetRule(run, 'a', RULE_CONTINUOUS);
    SetRule(run, 'b', RULE_CONTINUOUS);
    struct {
        const char* id;
        int measured;
    } cases[] = {
        {"C001", 1}, {"C57", 1},  {"A1.5", 1},   {"B-3", 1},    {"c12", 1},   {"C1e2", 1},
        {"C", 0},    {"CX1", 0},  {"C12a", 0},   {"C1.2.3", 0}, {"12", 0},    {"Start", 0},
        {"P1", 0},   {"D7", 0},   {"_1", 0},
    };
    for (const auto& c : cases) {
        Waypoint waypoint;
        waypoint.WayID = c.id;
        EXPECT_EQ(MeasuredWaypoint(waypoint, run.symbols), c.measured) << c.id;
    }
}

TEST(UnitFactor, MilesKilometresAndTweak) {
    Settings settings;
    EXPECT_DOUBLE_EQ(1000.0 * UnitFactor(settings), 0.6214);
    settings.DistanceUnits = kUnitsKm;
    EXPECT_DOUBLE_EQ(1000.0 * UnitFactor(settings), 1.0);
    settings.DistanceTweak = 2.0;
    EXPECT_DOUBLE_EQ(1000.0 * UnitFactor(settings), 2.0);
    settings.DistanceUnits = kUnitsMiles;
    EXPECT_DOUBLE_EQ(1000.0 * UnitFactor(settings), 1.2428);
}

// C main path (all), A alternative (continuous), P points of interest (none),
// legs of 1 km along the easting.
TestRun RouteExample() {
    TestRun run;
    SetRule(run, 'C', RULE_ALL);
    SetRule(run, 'A', RULE_CONTINUOUS);
    AddOnGrid(run, "C1", 400000.0, 500000.0);
    AddOnGrid(run, "C2", 401000.0, 500000.0);
    AddOnGrid(run, "A1", 410000.0, 500000.0);
    AddOnGrid(run, "A2", 411000.0, 500000.0);
    AddOnGrid(run, "P1", 300000.0, 300000.0);
    AddOnGrid(run, "A3", 412000.0, 500000.0);
    AddOnGrid(run, "C3", 403000.0, 500000.0);
    AddOnGrid(run, "A4", 413000.0, 500000.0);
    return run;
}

TEST(Route, ExampleStartsAndDistances) {
    TestRun run = RouteExample();
    MarkSegmentStarts(run);
    EXPECT_EQ(Starts(run), "C1 A1 A4 ");
    AccumulateRoute(run);
    struct {
        int hasDistance;
        double miles;
    } expected[] = {{1, 0.0}, {1, 0.6214}, {1, 0.0}, {1, 0.6214},
                    {0, -1.0}, {1, 1.2428}, {1, 1.8642}, {1, 0.0}};
    for (size_t i = 0; i < run.Waypoints.size(); ++i) {
        const Waypoint& waypoint = run.Waypoints[i];
        SCOPED_TRACE(waypoint.WayID);
        EXPECT_EQ(waypoint.HasDistance, expected[i].hasDistance);
        EXPECT_NEAR(waypoint.Distance, expected[i].miles, 1e-12);
        // Level legs: grade 0 on every leg, none on a start.
        EXPECT_EQ(waypoint.HasGrade, expected[i].hasDistance && expected[i].miles > 0.0);
    }
}

TEST(MarkSegmentStarts, FirstOfEachLetterStarts) {
    TestRun run;
    SetRule(run, 'a', RULE_CONTINUOUS);
    SetRule(run, 'c', RULE_ALL);
    AddOnGrid(run, "Start", 0.0, 0.0);     // not letter plus number
    AddOnGrid(run, "A1", 0.0, 0.0);
    AddOnGrid(run, "a2", 0.0, 0.0);        // another first character
    AddOnGrid(run, "C1", 0.0, 0.0);        // RULE_ALL, but first of its letter
    AddOnGrid(run, "c2", 0.0, 0.0);        // RULE_ALL never restarts
    AddOnGrid(run, "P1", 0.0, 0.0);
    AddOnGrid(run, "C3", 0.0, 0.0);
    AddOnGrid(run, "A3", 0.0, 0.0);
    MarkSegmentStarts(run);
    EXPECT_EQ(Starts(run), "A1 a2 C1 A3 ");
}

TEST(MarkSegmentStarts, NothingMeasured) {
    TestRun run;
    AddOnGrid(run, "C1", 0.0, 0.0);
    AddOnGrid(run, "Gate", 0.0, 0.0);
    MarkSegmentStarts(run);
    EXPECT_EQ(Starts(run), "");
}

TEST(AccumulateRoute, SlopedLegGradeAndUnits) {
    TestRun run;
    run.settings.DistanceUnits = kUnitsKm;
    SetRule(run, 'c', RULE_ALL);
    AddOnGrid(run, "C1", 400000.0, 500000.0, 300.0);
    AddOnGrid(run, "C2", 400100.0, 500000.0, 310.0);   // 100 m on, 10 m up
    AddOnGrid(run, "C3", 400100.0, 500100.0);          // no elevation read: 0
    MarkSegmentStarts(run);
    AccumulateRoute(run);
    const Waypoint& c2 = run.Waypoints[1];
    EXPECT_NEAR(c2.Distance, 0.1004988, 1e-7);
    EXPECT_NEAR(c2.Grade, 9.950372, 1e-6);
    const Waypoint& c3 = run.Waypoints[2];
    const double legM = std::sqrt(100.0 * 100.0 + 310.0 * 310.0);
    EXPECT_NEAR(c3.Distance, 0.1004988 + legM / 1000.0, 1e-7);
    EXPECT_NEAR(c3.Grade, -100.0 * 310.0 / legM, 1e-9);
}

TEST(AccumulateRoute, ZeroLengthLegHasNoGrade) {
    TestRun run;
    SetRule(run, 'c', RULE_CONTINUOUS);
    AddOnGrid(run, "C1", 400000.0, 500000.0, 50.0);
    AddOnGrid(run, "C2", 401000.0, 500000.0, 50.0);
    AddOnGrid(run, "C3", 401000.0, 500000.0, 50.0);   // same place again
    MarkSegmentStarts(run);
    AccumulateRoute(run);
    const Waypoint& c3 = run.Waypoints[2];
    EXPECT_EQ(c3.HasDistance, 1);
    EXPECT_DOUBLE_EQ(c3.Distance, run.Waypoints[1].Distance);
    EXPECT_EQ(c3.HasGrade, 0);
}

}  // namespace
