// cairnlog -g run as a program: the whole GPX file byte for byte (its time
// line by its form), write failures, the guard that keeps every output off
// the WayFile, and the file judged by the GPX 1.1 schema and by GPSBabel.
#include <gtest/gtest.h>

#include <ctime>
#include <ostream>
#include <regex>
#include <string>
#include <vector>

#include "cli_run.h"
#include "judges.h"

namespace {

const std::string kGolden = GPX_GOLDEN_DIR;
const std::string kSchema = std::string(TEST_DATA_DIR) + "/gpx.xsd";
const std::string kWarning = "Warning, no waypoint description in walk.txt, line  7\n";
const std::string kNote = "Note: 6 Waypoints found in walk.txt\n";
const std::string kGpxNotUnique = "Oops, GpxFilename must be unique to WayFilename\n";

std::string UtcNow() {
    std::time_t now = std::time(nullptr);
    std::tm utc{};
    ::gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

// The file with its time line's value replaced by the placeholder of the
// golden copy, after checking its form and that it lies within the run.
std::string WithTimeChecked(std::string gpx, const std::string& before, const std::string& after) {
    static const std::regex kTimeLine("\r\n    <time>([0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}Z)</time>\r\n");
    std::smatch match;
    if (!std::regex_search(gpx, match, kTimeLine)) {
        ADD_FAILURE() << "no time line of the right form";
        return gpx;
    }
    std::string time = match[1];
    EXPECT_LE(before, time);
    EXPECT_LE(time, after);
    return gpx.replace(static_cast<size_t>(match.position(1)), time.size(), "YYYY-MM-DDThh:mm:ssZ");
}

struct Row {
    const char* name;
    const char* setup;        // shell commands run in the scratch directory first
    std::vector<std::string> args;
    int status;
    std::string err;
    const char* file;         // a file to check afterwards
    const char* golden;       // its golden copy; "" means it must not exist
};

void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

const Row kRows[] = {
    {"WritesTheWholeFile", "", {"-g", "walk.txt"}, 0, kWarning + kNote, "walk.gpx", "walk.gpx"},
    {"PlacesAsWalkersHoldThem", "cp '" GPX_GOLDEN_DIR "/places.txt' walk.txt", {"-g", "walk.txt"}, 0,
     "Note: 5 Waypoints found in walk.txt\n", "walk.gpx", "places.gpx"},
    {"WritesTheNamedFileOverAnOldOne", "echo old > out.gpx", {"-g= out.gpx", "walk.txt"}, 0,
     kWarning + kNote, "out.gpx", "walk.gpx"},
    {"FullDiskFailsWithoutClosingNotes", "", {"-g=/dev/full", "walk.txt"}, 1,
     kWarning + "Oops, can't write /dev/full\n", nullptr, nullptr},
    {"UnopenableFileFails", "", {"-g=no/such/dir.gpx", "walk.txt"}, 1,
     kWarning + "Can't open GPX file no/such/dir.gpx for write\n", nullptr, nullptr},
    {"OutputNamedLikeTheWayFileIsRefused", "mv walk.txt walk.gpx", {"-g", "walk.gpx"}, 0,
     "Warning, no waypoint description in walk.gpx, line  7\n" + kGpxNotUnique, "walk.gpx",
     "walk.txt"},
    {"WayFileByAnotherPathIsRefused", "", {"-g=./walk.txt", "walk.txt"}, 0,
     kWarning + kGpxNotUnique, "walk.txt", "walk.txt"},
    {"WayFileByALinkIsRefused", "ln walk.txt linked.gpx", {"-g=linked.gpx", "walk.txt"}, 0,
     kWarning + kGpxNotUnique, "linked.gpx", "walk.txt"},
    {"ReportOnTheWayFileStopsTheGpxToo", "", {"-g", "-r=./walk.txt", "walk.txt"}, 0,
     kWarning + "Oops, RptFilename must be unique to WayFilename\n", "walk.gpx", ""},
    {"GuideOnTheWayFileIsRefused", "", {"-p=walk.txt", "-r", "walk.txt"}, 0,
     kWarning + "Oops, PdfFilename must be unique to WayFilename\n", "walkReport.txt", ""},
    {"TwoOutputsOnOneFileAreRefused", "", {"-g=out.txt", "-r=out.txt", "walk.txt"}, 1,
     kWarning + "Oops, GpxFilename and RptFilename must be different files\n", "out.txt", ""},
    {"TwoOutputsOnOneFileByAnotherPathAreRefused", "echo old > out.pdf",
     {"-p=out.pdf", "-r=./out.pdf", "walk.txt"}, 1,
     kWarning + "Oops, PdfFilename and RptFilename must be different files\n", nullptr, nullptr},
};

class CairnlogGpx : public testing::TestWithParam<Row> {};

TEST_P(CairnlogGpx, Case) {
    const Row& row = GetParam();
    ScratchDir dir;
    ASSERT_EQ(RunShell("cd '" + dir.path + "' && cp '" + kGolden + "/walk.txt' . && " +
                       (*row.setup ? row.setup : "true")),
              0);
    std::string before = UtcNow();
    CliResult result = RunCli(CAIRNLOG_PATH, row.args, dir.path);
    std::string after = UtcNow();
    EXPECT_EQ(result.status, row.status);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, row.err);
    if (!row.file) return;
    std::string path = dir.File(row.file);
    if (*row.golden == '\0') {
        EXPECT_FALSE(FileExists(path)) << row.file << " must not be written";
        return;
    }
    std::string expected = ReadFile(kGolden + "/" + row.golden);
    std::string written = ReadFile(path);
    if (std::string(row.golden).find(".gpx") != std::string::npos) {
        written = WithTimeChecked(written, before, after);
    }
    EXPECT_EQ(written, expected) << row.file;
}

INSTANTIATE_TEST_SUITE_P(Rows, CairnlogGpx, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<Row>& row) {
                             return std::string(row.param.name);
                         });

class CairnlogGpxClients : public testing::Test {
protected:
    void SetUp() override {
        WriteFile(dir.File("walk.txt"), ReadFile(kGolden + "/walk.txt"));
        CliResult run = RunCli(CAIRNLOG_PATH, {"-g", "walk.txt"}, dir.path);
        ASSERT_EQ(run.status, 0) << run.err;
        gpx = dir.File("walk.gpx");
    }
    ScratchDir dir;
    std::string gpx;
};

JUDGED_TEST_F(CairnlogGpxClients, ValidatesAgainstTheGpxSchema, Judge::kXmllint) {
    EXPECT_EQ(XmllintFault(gpx, kSchema), "");
}

// Grid references, degrees and minutes, "&" and accents, feet.
JUDGED_TEST(CairnlogGpxPlaces, ValidatesAgainstTheGpxSchema, Judge::kXmllint) {
    ScratchDir dir;
    WriteFile(dir.File("walk.txt"), ReadFile(kGolden + "/places.txt"));
    ASSERT_EQ(RunCli(CAIRNLOG_PATH, {"-g", "walk.txt"}, dir.path).status, 0);
    EXPECT_EQ(XmllintFault(dir.File("walk.gpx"), kSchema), "");
}

JUDGED_TEST_F(CairnlogGpxClients, GpsBabelReadsNamesPositionsElevationsAndSymbols, Judge::kGpsbabel) {
    std::string csv;
    ASSERT_EQ(GpsbabelRead(gpx, "", "unicsv", &csv), 0) << csv;
    // GPSBabel shows the name where a waypoint has no description (C003).
    EXPECT_EQ(csv,
              "No,Latitude,Longitude,Name,Altitude,Description,Symbol\r\n"
              "1,54.492700,-3.610600,\"C001\",5.0,\"St Bees, sea wall\",\"Flag, Red\"\r\n"
              "2,54.510100,-3.629000,\"c002\",0.0,\"Fleswick Bay\",\"Flag, Red\"\r\n"
              "3,54.513600,-3.636000,\"C003\",90.0,\"C003\",\"Flag, Red\"\r\n"
              "4,54.520200,-3.550000,\"P1\",130.0,\"Lighthouse\",\"Pin, Green\"\r\n"
              "5,54.480100,-3.591800,\"7\",-3.0,\"Bridge at 7 km\",\"Dot\"\r\n"
              "6,54.475000,-3.400000,\"A1\",60.0,\"Alternate   by the beck\",\"Waypoint\"\r\n");
}

}  // namespace
