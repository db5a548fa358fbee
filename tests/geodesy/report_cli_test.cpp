// cairnlog -r run as a program: each row runs it in a scratch folder on a
// WayFile and compares standard error, the exit status and the report's
// bytes with the golden files.
#include <gtest/gtest.h>

#include <ostream>
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

}  // namespace
