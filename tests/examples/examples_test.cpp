// The demo on every example: each run is clean (notes only), every GPX file
// passes the GPX 1.1 schema and reads back in GPSBabel with all its points,
// every guide passes qpdf's check and every report has nine columns a row
// (fifteen with the route card).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli_run.h"
#include "judges.h"

namespace {

namespace fs = std::filesystem;

const std::string kBuild = BUILD_DIR;
const std::string kSource = SOURCE_DIR;
const std::string kSchema = std::string(TEST_DATA_DIR) + "/gpx.xsd";

std::vector<std::string> ExampleStems(const std::string& extension) {
    std::vector<std::string> stems;
    for (const fs::directory_entry& entry : fs::directory_iterator(kSource + "/examples")) {
        if (entry.path().extension() == extension) stems.push_back(entry.path().stem().string());
    }
    return stems;
}

// The count in the program's closing line, as the demo printed it.
int CountAfter(const std::string& log, const std::string& before, const std::string& after) {
    std::istringstream lines(log);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind(before, 0) == 0 && line.size() > after.size() &&
            line.compare(line.size() - after.size(), after.size(), after) == 0) {
            return std::stoi(line.substr(before.size()));
        }
    }
    return -1;
}

int CountLines(const std::string& text, const std::string& start) {
    int count = 0;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) count += line.rfind(start, 0) == 0 ? 1 : 0;
    return count;
}

void ExpectGpxOpens(const std::string& gpx, const std::string& gpsbabelMode, int points) {
    EXPECT_EQ(XmllintFault(gpx, kSchema), "");
    std::string csv;
    ASSERT_EQ(GpsbabelRead(gpx, gpsbabelMode, "unicsv", &csv), 0) << csv;
    // One header line, then one line per point.
    EXPECT_EQ(CountLines(csv, "") - 1, points) << gpx << "\n" << csv;
}

class Examples : public testing::Test {
protected:
    static void SetUpTestSuite() {
        demo_ = new ScratchDir;
        status_ = RunShell("cd '" + kSource + "' && sh scripts/demo '" + kBuild + "' '" + demo_->File("out") +
                               "' 2>&1",
                           &log_);
    }
    static void TearDownTestSuite() { delete demo_; }
    static std::string Out(const std::string& name) { return demo_->File("out/" + name); }

    static ScratchDir* demo_;
    static int status_;
    static std::string log_;
};

ScratchDir* Examples::demo_ = nullptr;
int Examples::status_ = -1;
std::string Examples::log_;

TEST_F(Examples, DemoRunsEveryExampleWithoutComplaint) {
    ASSERT_EQ(status_, 0) << log_;
    for (const char* complaint : {"Oops", "Warning", "Illegal", "Can't", "can't"}) {
        EXPECT_EQ(log_.find(complaint), std::string::npos) << log_;
    }
    EXPECT_NE(log_.find("The demo's outputs are in " + demo_->File("out") + ":"), std::string::npos) << log_;
    EXPECT_GE(ExampleStems(".txt").size(), 2u);
    EXPECT_GE(ExampleStems(".trk").size(), 1u);
}

JUDGED_TEST_F(Examples, EveryWayFileGivesGpxReportAndGuideThatOpen, Judge::kXmllint, Judge::kGpsbabel,
              Judge::kQpdf) {
    ASSERT_EQ(status_, 0) << log_;
    for (const std::string& stem : ExampleStems(".txt")) {
        SCOPED_TRACE(stem);
        int waypoints = CountAfter(log_, "Note: ", " Waypoints found in " + stem + ".txt");
        ASSERT_GT(waypoints, 0) << log_;
        EXPECT_NE(log_.find("  " + stem + ".gpx "), std::string::npos) << log_;

        ExpectGpxOpens(Out(stem + ".gpx"), "", waypoints);

        EXPECT_EQ(QpdfFault(Out(stem + "Guide.pdf")), "");

        // Nine fields a row, or fifteen with the route card, whose stages
        // each end with a totals row.
        std::string report = ReadFile(Out(stem + "Report.txt"));
        std::istringstream rows(report);
        std::string row;
        int count = 0;
        int totals = 0;
        long tabs = -1;
        while (std::getline(rows, row)) {
            ++count;
            ASSERT_FALSE(row.empty());
            EXPECT_EQ(row.back(), '\r') << "row " << count;
            if (tabs < 0) tabs = std::count(row.begin(), row.end(), '\t');
            EXPECT_EQ(std::count(row.begin(), row.end(), '\t'), tabs) << "row " << count << ": " << row;
            totals += row.rfind("\tTotal\t", 0) == 0 ? 1 : 0;
        }
        EXPECT_TRUE(tabs == 8 || (tabs == 14 && totals > 0)) << tabs;
        EXPECT_EQ(count, waypoints + 1 + totals);
    }
}

// Each route card bearing against the one worked from the Irish grid
// references of the report, which are whole metres: within a degree. The
// Wicklow Way crosses the northing 200 km, a 100 km square's edge, between
// C021 and C022.
TEST_F(Examples, RouteCardBearingsAgreeWithTheIrishGridReferences) {
    ASSERT_EQ(status_, 0) << log_;
    std::istringstream rows(ReadFile(Out("wicklow-wayReport.txt")));
    std::string row;
    std::getline(rows, row);
    ASSERT_NE(row.find("\tBearing Grid\t"), std::string::npos) << row;
    double lastE = 0, lastN = 0;
    int bearings = 0;
    while (std::getline(rows, row)) {
        std::vector<std::string> fields;
        std::istringstream cells(row);
        for (std::string cell; std::getline(cells, cell, '\t');) fields.push_back(cell);
        ASSERT_EQ(fields.size(), 15u) << row;
        if (fields[1].rfind("C", 0) != 0) continue;  // the Way alone; P is not measured
        const double e = std::stod(fields[5].substr(0, 6)), n = std::stod(fields[5].substr(7));
        if (!fields[9].empty()) {
            double worked = std::atan2(e - lastE, n - lastN) * 180 / M_PI;
            if (worked < 0) worked += 360;
            const double off = std::fabs(std::stod(fields[9]) - worked);
            EXPECT_LE(std::min(off, 360 - off), 1.0) << row;
            ++bearings;
        }
        lastE = e;
        lastN = n;
    }
    EXPECT_EQ(bearings, 30);
}

// The Way's 31 waypoints as four routes, a stage each, and as one track.
JUDGED_TEST_F(Examples, TheWicklowWayGivesRoutesAndATrack, Judge::kGpsbabel) {
    ASSERT_EQ(status_, 0) << log_;
    ExpectGpxOpens(Out("wicklow-way.gpx"), "-r", 31);
    ExpectGpxOpens(Out("wicklow-way.gpx"), "-t", 31);
    const std::string gpx = ReadFile(Out("wicklow-way.gpx"));
    EXPECT_EQ(CountLines(gpx, "<rte><name>"), 4);
    EXPECT_NE(gpx.find("<rte><name>1 Marlay-Knockree C</name>\r\n"), std::string::npos);
    EXPECT_NE(gpx.find("<trk><name>Wicklow Way C</name>\r\n"), std::string::npos);
}

JUDGED_TEST_F(Examples, EveryTrackFileGivesATrackThatOpens, Judge::kXmllint, Judge::kGpsbabel) {
    ASSERT_EQ(status_, 0) << log_;
    for (const std::string& stem : ExampleStems(".trk")) {
        SCOPED_TRACE(stem);
        int points = CountAfter(log_, "", " trackpoints successfuly converted to " + stem + ".gpx");
        ASSERT_GT(points, 0) << log_;
        ExpectGpxOpens(Out(stem + ".gpx"), "-t", points);
    }
}

}  // namespace
