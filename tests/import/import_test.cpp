// gpx2wayfile's parts in-process: texts made fit for a WayFile line, track
// thinning and the placing of points of interest, one row a case.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "gpx_text.h"
#include "grid_of_place.h"
#include "local_metres.h"
#include "nearest_point.h"
#include "track_thinning.h"

namespace {

struct TextCase {
    const char* name;
    std::string text;
    size_t maxBytes;
    std::string expected;
};

const TextCase kTextCases[] = {
    {"BarWouldStartAComment", "Tea | coffee", 255, "Tea / coffee"},
    {"ControlsDropped", std::string("a\x01") + "b\x7f c", 255, "ab c"},
    {"C1ControlsDropped", "x\xC2\x80\xC2\x85\xC2\x9Fy", 255, "xy"},
    {"BlanksCollapsedAndTrimmed", " a \t\n b \x01 c ", 255, "a b c"},
    {"NoBreakSpaceKept", "Ben\xC2\xA0Nevis", 255, "Ben\xC2\xA0Nevis"},  // U+00A0, the first code point past the C1 controls
    {"AmpersandAndAccentsKept", "Fox & Hounds, Gleann D\xC3\xA1 Loch", 255, "Fox & Hounds, Gleann D\xC3\xA1 Loch"},
    {"CutBeforeAWholeCharacter", "Caf\xC3\xA9", 4, "Caf"},
    {"CutAfterAWholeCharacter", "Caf\xC3\xA9", 5, "Caf\xC3\xA9"},
    {"CutFourByteCharacter", "ab\xF0\x9F\x8C\xB2", 5, "ab"},
    {"CutLeavesNoTrailingBlank", "Stile by gate", 6, "Stile"},
};

class WayFileTextRows : public testing::TestWithParam<TextCase> {};

TEST_P(WayFileTextRows, Case) {
    const TextCase& row = GetParam();
    EXPECT_EQ(WayFileText(row.text, row.maxBytes), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, WayFileTextRows, testing::ValuesIn(kTextCases),
                         [](const testing::TestParamInfo<TextCase>& row) { return std::string(row.param.name); });

TEST(PointText, NameThenDescriptionOrComment) {
    EXPECT_EQ(PointText("Gate", "", ""), "Gate");
    EXPECT_EQ(PointText("Gate", "locked", "ignored"), "Gate - locked");
    EXPECT_EQ(PointText("Gate", "", "comment"), "Gate - comment");
    EXPECT_EQ(PointText("", "locked", ""), "locked");
    EXPECT_EQ(PointText("Gate", "Gate", ""), "Gate");
}

TEST(AppendCollapsed, PiecesJoinWithOneBlankAndStopAtTheLimit) {
    std::string text;
    AppendCollapsed(text, "\n   Fox ", 8);
    AppendCollapsed(text, "\t & Hounds", 10);
    EXPECT_EQ(text, "Fox & Hounds");
    std::string huge(kRawTextMax + 10, 'x');
    AppendCollapsed(text, huge.data(), huge.size());
    EXPECT_EQ(text.size(), kRawTextMax);
}

// Points given in metres east and north of 54N 2W.
struct Metres {
    double east;
    double north;
};

GpxPoint At(Metres m) {
    GpxPoint point;
    point.LatDeg = 54.0 + m.north / kMetresPerLatDeg;
    point.LonDeg = -2.0 + m.east / MetresPerLonDeg(54.0);
    return point;
}

std::vector<size_t> Kept(const std::vector<Metres>& track, double toleranceM) {
    BlockList<GpxPoint> points;
    for (Metres m : track) points.push_back(At(m));
    std::vector<uint8_t> keep(points.size(), 0);
    ThinSegment(points, 0, points.size() - 1, toleranceM, keep);
    std::vector<size_t> kept;
    for (size_t i = 0; i < keep.size(); ++i) {
        if (keep[i]) kept.push_back(i);
    }
    return kept;
}

struct ThinCase {
    const char* name;
    std::vector<Metres> track;
    double toleranceM;
    std::vector<size_t> kept;
};

const ThinCase kThinCases[] = {
    {"StraightLineKeepsItsEnds", {{0, 0}, {100, 1}, {200, -1}, {300, 0}, {400, 0}}, 25, {0, 4}},
    {"BendBeyondToleranceKept", {{0, 0}, {100, 30}, {200, 0}}, 25, {0, 1, 2}},
    {"BendWithinToleranceDropped", {{0, 0}, {100, 20}, {200, 0}}, 25, {0, 2}},
    {"FarthestFirstThenWithinEachHalf", {{0, 0}, {50, 40}, {100, 100}, {150, 60}, {200, 0}}, 25, {0, 2, 4}},
    {"SmallerToleranceKeepsMore", {{0, 0}, {50, 40}, {100, 100}, {150, 60}, {200, 0}}, 5, {0, 1, 2, 3, 4}},
    {"ZeroToleranceKeepsEveryPoint", {{0, 0}, {100, 0}, {200, 0}}, 0, {0, 1, 2}},
    {"LoopMeasuresFromItsStart", {{0, 0}, {10, 5}, {100, 100}, {5, 10}, {0, 0}}, 25, {0, 2, 4}},
    {"BeyondTheEndOfALegMeasuresToItsEnd", {{0, 0}, {200, 0}, {230, 0}, {100, 0}}, 25, {0, 2, 3}},
};

class ThinRows : public testing::TestWithParam<ThinCase> {};

TEST_P(ThinRows, Case) {
    const ThinCase& row = GetParam();
    EXPECT_EQ(Kept(row.track, row.toleranceM), row.kept);
}

INSTANTIATE_TEST_SUITE_P(Rows, ThinRows, testing::ValuesIn(kThinCases),
                         [](const testing::TestParamInfo<ThinCase>& row) { return std::string(row.param.name); });

// A zigzag whose every corner matters splits one point at a time, n^2/2
// scans; past the scan budget the rest is kept, as thinning would keep it.
TEST(ThinSegment, ZigzagPastTheScanBudgetKeepsEveryCorner) {
    std::vector<Metres> zigzag;
    for (int i = 0; i < 4001; ++i) zigzag.push_back({10.0 * i, i % 2 ? 40.0 : 0.0});
    EXPECT_EQ(Kept(zigzag, 25).size(), zigzag.size());
}

std::vector<size_t> Nearest(const std::vector<Metres>& path, const std::vector<Metres>& pois) {
    BlockList<GpxPoint> pathPoints;
    BlockList<GpxPoint> waypoints;
    for (Metres m : path) pathPoints.push_back(At(m));
    for (Metres m : pois) waypoints.push_back(At(m));
    std::vector<const GpxPoint*> pointers;
    for (const GpxPoint& point : pathPoints) pointers.push_back(&point);
    return NearestPathPoints(pointers, waypoints);
}

TEST(NearestPathPoints, EachWaypointGoesToItsNearestPathPointTheFirstOfEquals) {
    std::vector<Metres> path = {{0, 0}, {100, 0}, {200, 0}, {100, 0}, {0, 100}};
    EXPECT_EQ(Nearest(path, {{90, 10}, {-50, -50}, {10, 80}, {150, 0}, {1000, 0}}),
              (std::vector<size_t>{1, 0, 4, 1, 2}));
    EXPECT_EQ(Nearest({{5, 5}}, {{-100, 300}}), (std::vector<size_t>{0}));
}

// Many waypoints among many path points: as near as looking at every point.
TEST(NearestPathPoints, AgreesWithLookingAtEveryPoint) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> metres(-2000, 2000);
    std::vector<Metres> path;
    std::vector<Metres> pois;
    for (int i = 0; i < 3000; ++i) path.push_back({double(metres(random)), double(metres(random))});
    for (int i = 0; i < 500; ++i) pois.push_back({double(metres(random)), double(metres(random))});
    std::vector<size_t> found = Nearest(path, pois);
    auto squared = [](Metres a, Metres b) { return (a.east - b.east) * (a.east - b.east) + (a.north - b.north) * (a.north - b.north); };
    for (size_t w = 0; w < pois.size(); ++w) {
        double bestSquared = INFINITY;
        for (Metres point : path) bestSquared = std::min(bestSquared, squared(point, pois[w]));
        ASSERT_LE(squared(path[found[w]], pois[w]), bestSquared * 1.001 + 1e-6) << "waypoint " << w;
    }
}

// Points within a distance over a path 100 km from north to south, where
// the tree's single scale east is off by some percent at either end: every
// point within it is found.
TEST(PointsWithin, FindsEveryPointWithinTheDistanceOnTheGround) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> metres(-50000, 50000);
    std::vector<LatLonDeg> points;
    for (int i = 0; i < 3000; ++i) {
        GpxPoint point = At({metres(random) / 10.0, metres(random)});
        points.push_back({point.LatDeg, point.LonDeg});
    }
    PointTree tree = BuildPointTree(points);
    std::vector<size_t> found;
    for (int w = 0; w < 200; ++w) {
        GpxPoint place = At({metres(random) / 10.0, metres(random)});
        PointsWithin(tree, {place.LatDeg, place.LonDeg}, 800.0, found);
        for (size_t i = 0; i < points.size(); ++i) {
            double east = (points[i].LonDeg - place.LonDeg) * MetresPerLonDeg(place.LatDeg);
            double north = (points[i].LatDeg - place.LatDeg) * kMetresPerLatDeg;
            if (std::hypot(east, north) > 800.0) continue;
            ASSERT_NE(std::find(found.begin(), found.end(), i), found.end()) << "place " << w << ", point " << i;
        }
    }
}

// The island of Ireland against the British islands round it: each row a
// place near the outline, on the side it belongs to.
struct IslandCase {
    const char* name;
    double latDeg;
    double lonDeg;
    bool ireland;
};

const IslandCase kIslandCases[] = {
    {"Lugnaquilla", 52.967, -6.464, true},
    {"MizenHead", 51.450, -9.818, true},
    {"Fastnet", 51.389, -9.603, true},
    {"CarnsorePoint", 52.172, -6.366, true},
    {"Howth", 53.373, -6.067, true},
    {"SlieveDonard", 54.180, -5.921, true},
    {"ArdsBurrPoint", 54.483, -5.433, true},
    {"FairHead", 55.224, -6.152, true},
    {"Rathlin", 55.298, -6.190, true},
    {"MalinHead", 55.381, -7.374, true},
    {"Inishtrahull", 55.431, -7.238, true},
    {"ToryIsland", 55.265, -8.230, true},
    {"Tearaght", 52.075, -10.660, true},
    {"IslayMullOfOa", 55.590, -6.330, false},
    {"IslayPortEllen", 55.628, -6.190, false},
    {"MullOfKintyre", 55.311, -5.803, false},
    {"Sanda", 55.280, -5.580, false},
    {"Portpatrick", 54.842, -5.117, false},
    {"MullOfGalloway", 54.635, -4.857, false},
    {"CalfOfMan", 54.053, -4.820, false},
    {"Snaefell", 54.263, -4.462, false},
    {"StMarysScilly", 49.914, -6.315, false},
    {"StDavidsHead", 51.905, -5.310, false},
    {"TheSmalls", 51.722, -5.669, false},
    {"Bardsey", 52.760, -4.800, false},
};

class IrelandIslandRows : public testing::TestWithParam<IslandCase> {};

TEST_P(IrelandIslandRows, Case) {
    const IslandCase& row = GetParam();
    EXPECT_EQ(OnIrelandIsland(row.latDeg, row.lonDeg), row.ireland);
}

INSTANTIATE_TEST_SUITE_P(Rows, IrelandIslandRows, testing::ValuesIn(kIslandCases),
                         [](const testing::TestParamInfo<IslandCase>& row) { return std::string(row.param.name); });

}  // namespace
