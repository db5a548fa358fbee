// cairnlog -r run as a program: each row runs it in a scratch folder on a
// WayFile and compares standard error, the exit status and the report's
// bytes with the golden files.
#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "cli_run.h"

namespace {

const std::string kGolden = GOLDEN_DIR;

// count waypoints around Galway, west of the OSGB grid, then one inside it.
std::string WestOfTheGrid(int count) {
    std::string text = "#SYM_RULE.G=RULE_ALL\n";
    for (int i = 1; i <= count; ++i) {
        text += "G" + std::to_string(i) + " 53.27 -9.0" + std::to_string(10 + i) + " 10 Galway\n";
    }
    return text + "C1 54.5 -2.0 0 Inside\n";
}

std::string OutsideMessages(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        text += "Oops, Waypoint G" + std::to_string(i) + " outside OSGB grid, line " +
                std::to_string(i + 1) + " in west.txt\n";
    }
    return text;
}

struct Row {
    const char* name;
    std::string wayName;            // written into the scratch folder
    std::string wayFile;
    std::vector<std::string> args;
    std::string err;
    int status;
    std::string reportName;         // the report the run must leave, or none
    std::string reportGolden;       // its golden file; empty: must not exist
};

const std::string kRoute = ReadFile(kGolden + "/route.txt");
const std::string kWicklow = ReadFile(kGolden + "/wicklow.txt");
const std::string kCard = ReadFile(kGolden + "/card.txt");
const std::string kRouteNotes =
    "Note: Duplicate lat/lon for waypoints c4 and c5\n"
    "Note: 11 Waypoints found in route.txt\n"
    "Note: 1 duplicate lat/lon found in route.txt\n";

const Row kRows[] = {
    {"OsgbRouteWithItsStarts", "route.txt", kRoute, {"-r", "route.txt"}, kRouteNotes, 0,
     "routeReport.txt", "routeReport.txt"},
    {"IrishGridInKilometres", "wicklow.txt", kWicklow, {"-r=wicklow.tsv", "wicklow.txt"},
     "Warning, no waypoint description in wicklow.txt, line  9\n"
     "Note: 5 Waypoints found in wicklow.txt\n",
     0, "wicklow.tsv", "wicklowReport.txt"},
    {"ElevenOutsideTheGrid", "west.txt", WestOfTheGrid(11), {"-r", "west.txt"},
     OutsideMessages(11), 1, "westReport.txt", ""},
    {"TwelfthOutsideAborts", "west.txt", WestOfTheGrid(14), {"-r", "west.txt"},
     OutsideMessages(12) + "Oops, too many errors, aborting\n", 1, "westReport.txt", ""},
    {"NoReportNoGridCheck", "west.txt", WestOfTheGrid(3), {"west.txt"},
     "Note: 4 Waypoints found in west.txt\n",
     0, "westReport.txt", ""},
    // The route card: via point C2 has no row, C5 no height, the clock runs
    // past midnight and each stage ends with its totals.
    {"RouteCardWithStages", "card.txt", kCard, {"-r", "card.txt"}, "Note: 7 Waypoints found in card.txt\n", 0,
     "cardReport.txt", "cardReport.txt"},
    {"RouteCardRefusedDirectives", "card.txt",
     "#STAGE=Early\n#ROUTE_CARD\n#PACE=0\n#START_TIME=7:00\nC1 54.6 -3.1 Start\n#VIA=UNDESCRIBED\n", {"-r", "card.txt"},
     "Oops, #STAGE= needs #ROUTE_CARD above it, line 1 in card.txt\n"
     "Oops, invalid PACE, line 3 in card.txt\n"
     "Oops, invalid START_TIME (may be HH:MM), line 4 in card.txt\n"
     "Oops, #VIA=undescribed (line 6, card.txt) illegal after 1st waypoint\n",
     1, "cardReport.txt", ""},
    {"FullDisk", "route.txt", kRoute, {"-r=/dev/full", "route.txt"},
     "Note: Duplicate lat/lon for waypoints c4 and c5\nOops, can't write /dev/full\n", 1, "", ""},
    {"ReportCannotBeCreated", "route.txt", kRoute, {"-r=no/such/folder.txt", "route.txt"},
     "Note: Duplicate lat/lon for waypoints c4 and c5\n"
     "Can't open report file no/such/folder.txt for write\n",
     1, "", ""},
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

class ReportCli : public testing::TestWithParam<Row> {};

TEST_P(ReportCli, Run) {
    const Row& row = GetParam();
    ScratchDir scratch;
    WriteFile(scratch.File(row.wayName), row.wayFile);
    const CliResult result = RunCli(CAIRNLOG_PATH, row.args, scratch.path);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, row.err);
    EXPECT_EQ(result.status, row.status);
    if (row.reportName.empty()) return;
    if (row.reportGolden.empty()) {
        EXPECT_FALSE(FileExists(scratch.File(row.reportName)));
    } else {
        EXPECT_EQ(ReadFile(scratch.File(row.reportName)), ReadFile(kGolden + "/" + row.reportGolden));
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, ReportCli, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<Row>& row) { return row.param.name; });

// The route with every elevation written in feet under #ELEVATION=FEET.
std::string RouteInFeet() {
    std::istringstream lines(kRoute);
    std::string text = "#ELEVATION=FEET\n";
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string id, lat, lon, rest;
        double elevM = 0.0;
        if (line[0] == '#' || line[0] == '|' || !(fields >> id >> lat >> lon >> elevM)) {
            text += line + "\n";
            continue;
        }
        std::getline(fields, rest);
        char feet[32];
        std::snprintf(feet, sizeof feet, "%.12g", elevM / 0.3048);
        text += id + " " + lat + " " + lon + " " + feet + rest + "\n";
    }
    return text;
}

// In feet the walk keeps its metres everywhere but in the report's and the
// guide's elevations: the same GPX file, the same grid references,
// distances and grades.
TEST(ReportCli, FeetGiveTheWalkInMetres) {
    ScratchDir metres, feet;
    WriteFile(metres.File("route.txt"), kRoute);
    WriteFile(feet.File("route.txt"), RouteInFeet());
    ASSERT_EQ(RunCli(CAIRNLOG_PATH, {"-g", "-r", "route.txt"}, metres.path).status, 0);
    ASSERT_EQ(RunCli(CAIRNLOG_PATH, {"-g", "-r", "route.txt"}, feet.path).status, 0);

    const std::regex time("<time>.*</time>");
    EXPECT_EQ(std::regex_replace(ReadFile(feet.File("route.gpx")), time, ""),
              std::regex_replace(ReadFile(metres.File("route.gpx")), time, ""));

    std::istringstream inMetres(ReadFile(metres.File("routeReport.txt")));
    std::istringstream inFeet(ReadFile(feet.File("routeReport.txt")));
    const std::regex elevation("^([^\t]*\t[^\t]*\t[^\t]*\t[^\t]*\t)([^\t]*)([^\n]*)$");
    int rows = 0;
    for (std::string rowM, rowF; std::getline(inMetres, rowM) && std::getline(inFeet, rowF); ++rows) {
        std::smatch m, f;
        ASSERT_TRUE(std::regex_match(rowM, m, elevation) && std::regex_match(rowF, f, elevation)) << rowM;
        EXPECT_EQ(f[1].str() + f[3].str(), m[1].str() + m[3].str());
        if (rows == 0) continue;
        char feetAsWritten[16];
        std::snprintf(feetAsWritten, sizeof feetAsWritten, "%5.0f", std::stod(m[2]) / 0.3048);
        EXPECT_EQ(f[2].str(), feetAsWritten);
    }
    EXPECT_EQ(rows, 12);
}

}  // namespace
