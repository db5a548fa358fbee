// cairnlog -g run as a program: the whole GPX file byte for byte (its time
// line by its form), write failures, the guard that keeps every output off
// the WayFile, and the file judged by the GPX 1.1 schema and by GPSBabel;
// its routes and tracks by GPSBabel, GDAL and gpxpy too.
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
    {"RoutesAndTracksFollowTheWaypoints", "cp '" GPX_GOLDEN_DIR "/paths.txt' walk.txt", {"-g", "walk.txt"}, 0,
     "Note: 9 Waypoints found in walk.txt\n", "walk.gpx", "paths.gpx"},
    {"ViaPointsOfNoPathStayWaypoints", "sed -i '1i #VIA=UNDESCRIBED' walk.txt", {"-g", "walk.txt"}, 0, kNote,
     "walk.gpx", "walk.gpx"},
    {"PathLetterWithoutWaypointsIsWarnedOf", "printf '#GPX_ROUTE=QC\\n#GPX_TRACK=z\\n' >> walk.txt",
     {"-g", "walk.txt"}, 0,
     kWarning + "Warning: #GPX_ROUTE=Q, but no waypoint ID begins with Q\n"
                "Warning: #GPX_TRACK=Z, but no waypoint ID begins with Z\n" + kNote,
     nullptr, nullptr},
    {"RefusedRoutePointsWritesNothing", "printf '#GPX_ROUTE=C\\n#ROUTE_POINTS=1\\n' >> walk.txt",
     {"-g", "walk.txt"}, 1, kWarning + "Oops, invalid ROUTE_POINTS (may be 2-10000), line 12 in walk.txt\n",
     "walk.gpx", ""},
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
    void SetUp() override { Compile("walk.txt"); }
    // cairnlog -g on the golden WayFile, as walk.txt, into gpx.
    void Compile(const std::string& golden) {
        WriteFile(dir.File("walk.txt"), ReadFile(kGolden + "/" + golden));
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

// The routes and tracks of the golden walk, as the programs and libraries
// that GPS units and apps rest on read them back.
class CairnlogGpxPaths : public CairnlogGpxClients {
protected:
    void SetUp() override { Compile("paths.txt"); }
};

// The route's points, as GPSBabel lists them: the split repeats C003.
const std::string kRoutePointsCsv =
    "No,Latitude,Longitude,Name,Altitude,Description,Symbol\r\n"
    "1,54.610500,-3.112000,\"C001\",300.0,\"Latrigg car park\",\"Summit\"\r\n"
    "2,54.619000,-3.124000,\"c002\",420.0,,\"Summit\"\r\n"
    "3,54.627500,-3.131000,\"C003\",680.0,\"Jenkin Hill, the gate\",\"Summit\"\r\n"
    "4,54.627500,-3.131000,\"C003\",680.0,\"Jenkin Hill, the gate\",\"Summit\"\r\n"
    "5,54.647200,-3.148100,\"C004\",931.0,\"Skiddaw summit\",\"Summit\"\r\n"
    "6,54.675000,-3.130000,\"C005\",600.0,,\"Summit\"\r\n"
    "7,54.669000,-3.093000,\"C006\",470.0,\"Skiddaw House\",\"Summit\"\r\n"
    "8,54.640000,-3.080000,\"C007\",380.0,\"Latrigg & the car park\",\"Summit\"\r\n";

JUDGED_TEST_F(CairnlogGpxPaths, ValidatesAgainstTheGpxSchema, Judge::kXmllint) {
    EXPECT_EQ(XmllintFault(gpx, kSchema), "");
}

JUDGED_TEST_F(CairnlogGpxPaths, GpsBabelReadsTheRoutesAndTracks, Judge::kGpsbabel) {
    std::string routes;
    ASSERT_EQ(GpsbabelRead(gpx, "-r", "unicsv", &routes), 0) << routes;
    EXPECT_EQ(routes, kRoutePointsCsv);
    std::string tracks;
    ASSERT_EQ(GpsbabelRead(gpx, "-t", "unicsv", &tracks), 0) << tracks;
    EXPECT_EQ(tracks,
              "No,Latitude,Longitude,Name,Altitude,Description,Symbol\r\n"
              "1,54.610500,-3.112000,\"C001\",300.0,\"Latrigg car park\",\"Summit\"\r\n"
              "2,54.619000,-3.124000,\"c002\",420.0,,\"Summit\"\r\n"
              "3,54.627500,-3.131000,\"C003\",680.0,\"Jenkin Hill, the gate\",\"Summit\"\r\n"
              "4,54.647200,-3.148100,\"C004\",931.0,\"Skiddaw summit\",\"Summit\"\r\n"
              "5,54.675000,-3.130000,\"C005\",600.0,,\"Summit\"\r\n"
              "6,54.669000,-3.093000,\"C006\",470.0,\"Skiddaw House\",\"Summit\"\r\n"
              "7,54.640000,-3.080000,\"C007\",380.0,\"Latrigg & the car park\",\"Summit\"\r\n"
              "8,54.632000,-3.140000,\"A1\",790.0,\"Little Man, a detour\",\"Waypoint\"\r\n"
              "9,54.635000,-3.142000,\"A2\",800.0,\"Back from the detour\",\"Waypoint\"\r\n");
}

// MapSource's gdb keeps routes as Garmin units hold them: names and points
// come back (a point without a description then shows its name).
JUDGED_TEST_F(CairnlogGpxPaths, GpsBabelCarriesTheRoutesIntoGarminGdb, Judge::kGpsbabel) {
    const std::string gdb = dir.File("walk.gdb");
    std::string out;
    ASSERT_EQ(GpsbabelConvert("-r", "gpx", gpx, "gdb", gdb, &out), 0) << out;
    out.clear();
    ASSERT_EQ(GpsbabelConvert("-r", "gdb", gdb, "unicsv", "-", &out), 0) << out;
    EXPECT_NE(out.find("2,54.619000,-3.124000,\"c002\",420.0,\"c002\",\"Summit\""), std::string::npos) << out;
    EXPECT_NE(out.find("8,54.640000,-3.080000,\"C007\",380.0,\"Latrigg & the car park\",\"Summit\""),
              std::string::npos)
        << out;
    out.clear();
    ASSERT_EQ(GpsbabelConvert("-r", "gdb", gdb, "gpx", "-", &out), 0) << out;
    std::string names;
    static const std::regex kRouteName("<rte>\\s*<name>([^<]*)</name>");
    for (std::sregex_iterator name(out.begin(), out.end(), kRouteName), end; name != end; ++name) {
        names += (*name)[1].str() + "\n";
    }
    EXPECT_EQ(names, "Skiddaw &amp; Back C 1/2\nSkiddaw &amp; Back C 2/2\nDown C\n");
}

JUDGED_TEST_F(CairnlogGpxPaths, GdalReadsRoutesRoutePointsAndTracks, Judge::kOgrinfo, Judge::kOgr2ogr) {
    std::string out;
    ASSERT_EQ(OgrLayers(gpx, &out), 0) << out;
    EXPECT_EQ(out,
              "1: waypoints (Point)\n2: routes (Line String)\n3: tracks (Multi Line String)\n"
              "4: route_points (Point)\n5: track_points (Point)\n");
    out.clear();
    ASSERT_EQ(OgrLayerCsv(gpx, "routes", "name", &out), 0) << out;
    EXPECT_EQ(out,
              "WKT,name\n"
              "\"LINESTRING (-3.112 54.6105,-3.124 54.619,-3.131 54.6275)\",Skiddaw & Back C 1/2\n"
              "\"LINESTRING (-3.131 54.6275,-3.1481 54.6472)\",Skiddaw & Back C 2/2\n"
              "\"LINESTRING (-3.13 54.675,-3.093 54.669,-3.08 54.64)\",Down C\n");
    out.clear();
    ASSERT_EQ(OgrLayerCsv(gpx, "route_points", "route_fid,name,ele,desc,sym", &out), 0) << out;
    EXPECT_EQ(out,
              "X,Y,route_fid,name,ele,desc,sym\n"
              "-3.112,54.6105,\"0\",C001,300,Latrigg car park,Summit\n"
              "-3.124,54.619,\"0\",c002,420,,Summit\n"
              "-3.131,54.6275,\"0\",C003,680,\"Jenkin Hill, the gate\",Summit\n"
              "-3.131,54.6275,\"1\",C003,680,\"Jenkin Hill, the gate\",Summit\n"
              "-3.1481,54.6472,\"1\",C004,931,Skiddaw summit,Summit\n"
              "-3.13,54.675,\"2\",C005,600,,Summit\n"
              "-3.093,54.669,\"2\",C006,470,Skiddaw House,Summit\n"
              "-3.08,54.64,\"2\",C007,380,Latrigg & the car park,Summit\n");
    out.clear();
    ASSERT_EQ(OgrLayerCsv(gpx, "tracks", "name", &out), 0) << out;
    EXPECT_EQ(out,
              "WKT,name\n"
              "\"MULTILINESTRING ((-3.112 54.6105,-3.124 54.619,-3.131 54.6275,-3.1481 54.6472,-3.13 54.675,"
              "-3.093 54.669,-3.08 54.64))\",Skiddaw & Back C\n"
              "\"MULTILINESTRING ((-3.14 54.632),(-3.142 54.635))\",Skiddaw & Back A\n");
}

JUDGED_TEST_F(CairnlogGpxPaths, GpxpyReadsRoutesTracksAndSegments, Judge::kGpxpy) {
    std::string out;
    ASSERT_EQ(GpxpyPaths(gpx, &out), 0) << out;
    EXPECT_EQ(out,
              "route Skiddaw & Back C 1/2\n"
              "C001 54.610500 -3.112000 300\nc002 54.619000 -3.124000 420\nC003 54.627500 -3.131000 680\n"
              "route Skiddaw & Back C 2/2\n"
              "C003 54.627500 -3.131000 680\nC004 54.647200 -3.148100 931\n"
              "route Down C\n"
              "C005 54.675000 -3.130000 600\nC006 54.669000 -3.093000 470\nC007 54.640000 -3.080000 380\n"
              "track Skiddaw & Back C\nsegment\n"
              "C001 54.610500 -3.112000 300\nc002 54.619000 -3.124000 420\nC003 54.627500 -3.131000 680\n"
              "C004 54.647200 -3.148100 931\nC005 54.675000 -3.130000 600\nC006 54.669000 -3.093000 470\n"
              "C007 54.640000 -3.080000 380\n"
              "track Skiddaw & Back A\nsegment\nA1 54.632000 -3.140000 790\nsegment\nA2 54.635000 -3.142000 800\n");
}

}  // namespace
