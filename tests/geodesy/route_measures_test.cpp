#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "route_card.h"
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

// PATH.S=C and PATH.R=A: S and R waypoints go on with the run of the path
// they lie on, whose rule they take; S itself has none.
TEST(MarkSegmentStarts, WaypointsOnAnotherLettersPathGoOnWithItsRun) {
    TestRun run;
    SetRule(run, 'a', RULE_CONTINUOUS);
    SetRule(run, 'c', RULE_ALL);
    run.symbols.Entries[SymbolEntryOf('s')].PathEntry = SymbolEntryOf('c');
    run.symbols.Entries[SymbolEntryOf('r')].PathEntry = SymbolEntryOf('a');
    AddOnGrid(run, "S1", 0.0, 0.0);        // the path's first waypoint, whatever its letter
    AddOnGrid(run, "C2", 0.0, 0.0);
    AddOnGrid(run, "A1", 0.0, 0.0);
    AddOnGrid(run, "R1", 0.0, 0.0);        // on A's path: no new run
    AddOnGrid(run, "A2", 0.0, 0.0);
    AddOnGrid(run, "S2", 0.0, 0.0);
    AddOnGrid(run, "R2", 0.0, 0.0);        // A's path comes back after C's
    AddOnGrid(run, "A3", 0.0, 0.0);
    MarkSegmentStarts(run);
    EXPECT_EQ(Starts(run), "S1 A1 R2 ");
}

TEST(AccumulateRoute, WaypointsOnAnotherLettersPathAreMeasuredAlongIt) {
    TestRun run;
    run.settings.DistanceUnits = kUnitsKm;
    SetRule(run, 'c', RULE_ALL);
    run.symbols.Entries[SymbolEntryOf('s')].PathEntry = SymbolEntryOf('c');
    AddOnGrid(run, "C1", 400000.0, 500000.0);
    AddOnGrid(run, "S1", 400300.0, 500400.0);   // 500 m from C1
    AddOnGrid(run, "C2", 400300.0, 501000.0);   // 600 m from S1
    AddOnGrid(run, "P1", 0.0, 0.0);             // no path: not measured
    MarkSegmentStarts(run);
    AccumulateRoute(run);
    EXPECT_NEAR(run.Waypoints[1].Distance, 0.5, 1e-9);
    EXPECT_NEAR(run.Waypoints[2].Distance, 1.1, 1e-9);
    EXPECT_EQ(run.Waypoints[3].HasDistance, 0);
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

// Legs of the eight directions worked from the grid figures, and across the
// corner of a 100 km square; the variation as the map gives it.
TEST(GridBearingDeg, DirectionsAndVariation) {
    const struct {
        double dE, dN, westDeg;
        int bearing;
    } legs[] = {
        {0, 1000, 0, 0},      {700, 700, 0, 45},    {1000, 0, 0, 90},   {5, -5, 0, 135},
        {0, -1, 0, 180},      {-300, -300, 0, 225}, {-1000, 0, 0, 270}, {-2, 2, 0, 315},
        {300, 1000, 0, 17},   // 16.70
        {20, 20, 0, 45},      // 499990/599990 to 500010/600010: the square edge changes nothing
        {0, 1000, 3, 3},      {0, 1000, -1, 359},   {-1000, 1, 2.5, 273}, {1000, -1, -0.5, 90},
        {0, 1000, 0.4, 0},    {0, 1000, -0.4, 0},   {0, 0, 0, -1},
    };
    for (const auto& leg : legs) {
        SCOPED_TRACE(std::to_string(leg.dE) + " " + std::to_string(leg.dN) + " " + std::to_string(leg.westDeg));
        EXPECT_EQ(GridBearingDeg(leg.dE, leg.dN, leg.westDeg), leg.bearing);
    }
}

TEST(FormatCardTime, SinceTheStartOrTheClock) {
    const struct {
        double hours;
        int startMinutes;
        const char* text;
    } times[] = {
        {0.32087, -1, "0:19"}, {0.999, -1, "1:00"},        {25.5, -1, "25:30"},
        {1.0, 9 * 60 + 30, "10:30"}, {3.25, 22 * 60, "25:15"}, {0.0, 0, "00:00"}, {0.1, 7, "00:13"},
    };
    for (const auto& time : times) {
        char text[kCardTimeTextSize];
        FormatCardTime(text, time.hours, time.startMinutes);
        EXPECT_STREQ(text, time.text) << time.hours << " " << time.startMinutes;
    }
}

// A walk worked by hand, in km with the default pace and climb: C2 is a
// via point, C4 has no height, and a stage begins at C5.
TEST(RouteCard, LegsThroughViaPointsAndUnknownHeights) {
    TestRun run;
    run.settings.DistanceUnits = kUnitsKm;
    SetRule(run, 'c', RULE_ALL);
    AddOnGrid(run, "C1", 400000.0, 500000.0, 100.0);
    AddOnGrid(run, "C2", 400300.0, 500400.0, 160.0).Via = 1;   // 503.587 m, up 60
    AddOnGrid(run, "C3", 400300.0, 501000.0, 130.0);           // 600.750 m, down 30
    AddOnGrid(run, "C4", 400300.0, 502000.0).NoElev = 1;       // level 1000 m
    AddOnGrid(run, "C5", 401300.0, 502000.0, 200.0);           // level 1000 m
    AddOnGrid(run, "C6", 401300.0, 501200.0, 260.0);           // 802.247 m, up 60
    AddOnGrid(run, "P1", 0.0, 0.0, 5.0);                      // not measured
    RouteCard card;
    card.Stages = {Stage{}, Stage{"Day 2", 4}};
    MarkSegmentStarts(run);
    AccumulateRoute(run.Waypoints, run.symbols, run.settings, &card);

    const struct {
        int hasLeg, bearing;
        double leg, ascent, descent;
        int hasClimb;
        double hours;
        int hasGrade;
        double grade;
    } expected[] = {
        {0, -1, 0, 0, 0, 0, 0.0, 0, 0},
        {0, -1, 0, 0, 0, 0, 0.0, 0, 0},   // via point: nothing of its own
        {1, 17, 1.104337, 60, 30, 1, 0.320867, 1, 2.716557},
        {1, 0, 1.0, 0, 0, 0, 0.520867, 0, 0},
        {1, 90, 1.0, 0, 0, 0, 0.720867, 0, 0},
        {1, 180, 0.802247, 60, 0, 1, 0.981317, 1, 7.479},
        {0, -1, 0, 0, 0, 0, 0.0, 0, 0},
    };
    ASSERT_EQ(card.Legs.size(), 7u);
    for (size_t i = 0; i < card.Legs.size(); ++i) {
        SCOPED_TRACE(run.Waypoints[i].WayID);
        const CardLeg& leg = card.Legs[i];
        EXPECT_EQ(leg.HasLeg, expected[i].hasLeg);
        EXPECT_EQ(leg.BearingDeg, expected[i].bearing);
        EXPECT_NEAR(leg.Leg, expected[i].leg, 1e-6);
        EXPECT_NEAR(leg.Ascent, expected[i].ascent, 1e-9);
        EXPECT_NEAR(leg.Descent, expected[i].descent, 1e-9);
        EXPECT_EQ(leg.HasClimb, expected[i].hasClimb);
        EXPECT_NEAR(leg.Hours, expected[i].hours, 1e-6);
        EXPECT_EQ(run.Waypoints[i].HasGrade, expected[i].hasGrade);
        if (expected[i].hasGrade) {
            EXPECT_NEAR(run.Waypoints[i].Grade, expected[i].grade, 1e-3);
        }
    }
    EXPECT_NEAR(card.Legs[5].LegHours, 0.802247 / 5 + 0.1, 1e-6);
    // The accumulated distance runs through the via point and the level legs.
    EXPECT_NEAR(run.Waypoints[5].Distance, 1.104337 + 1.0 + 1.0 + 0.802247, 1e-6);

    ASSERT_EQ(card.Totals.size(), 2u);
    EXPECT_NEAR(card.Totals[0].Distance, 2.104337, 1e-6);
    EXPECT_NEAR(card.Totals[0].Ascent, 60, 1e-9);
    EXPECT_NEAR(card.Totals[0].Descent, 30, 1e-9);
    EXPECT_NEAR(card.Totals[0].Hours, 0.520867, 1e-6);
    EXPECT_NEAR(card.Totals[1].Distance, 1.802247, 1e-6);
    EXPECT_NEAR(card.Totals[1].Ascent, 60, 1e-9);
    EXPECT_NEAR(card.Totals[1].Hours, 0.460450, 1e-6);
}

// PACE in the distance units, CLIMB in the elevation units, the tweak on
// the walked distance: 2 km of walk at 4 km/h and 600 ft at 1000 ft/h.
TEST(RouteCard, PaceClimbTweakAndFeet) {
    TestRun run;
    run.settings.DistanceUnits = kUnitsKm;
    run.settings.DistanceTweak = 2.0;
    run.settings.ElevationUnits = kElevationFeet;
    run.settings.Pace = 4.0;
    run.settings.Climb = 1000.0;
    SetRule(run, 'c', RULE_ALL);
    AddOnGrid(run, "C1", 400000.0, 500000.0, 0.0);
    AddOnGrid(run, "C2", 401000.0, 500000.0, 600.0);
    RouteCard card;
    MarkSegmentStarts(run);
    AccumulateRoute(run.Waypoints, run.symbols, run.settings, &card);
    const double legM = std::sqrt(1000.0 * 1000.0 + 182.88 * 182.88);
    EXPECT_NEAR(card.Legs[1].Leg, 2.0 * legM / 1000.0, 1e-9);
    EXPECT_NEAR(card.Legs[1].Ascent, 600.0, 1e-9);
    EXPECT_NEAR(card.Legs[1].Hours, 2.0 * legM / 1000.0 / 4.0 + 0.6, 1e-9);

    // In miles by default: 5 km an hour, whatever the unit.
    run.settings = Settings{};
    EXPECT_NEAR(CardRatesOf(run.settings).PaceMPerHour, 5000.0, 1e-9);
    run.settings.Pace = 3.1;
    EXPECT_NEAR(CardRatesOf(run.settings).PaceMPerHour, 3.1 / 0.0006214, 1e-6);
}

}  // namespace
