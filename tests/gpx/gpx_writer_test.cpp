// The GPX waypoint writer on run records filled here: the run's timestamp,
// the symbol per ID letter, the whole file byte for byte, write failures,
// and the file judged by the GPX 1.1 schema.
#include "gpx_writer.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>
#include <vector>

#include "cli_run.h"
#include "judges.h"
#include "run_timestamp.h"

namespace {

const std::string kSchema = std::string(TEST_DATA_DIR) + "/gpx.xsd";

Waypoint MakeWaypoint(const char* id, double lat, double lon, double elev, const char* desc) {
    Waypoint waypoint;
    waypoint.WayID = id;
    waypoint.Lat = lat;
    waypoint.Long = lon;
    waypoint.Elev = elev;
    waypoint.Desc = desc;
    return waypoint;
}

// What the GPX writer reads of a run.
struct GpxRun {
    char GpxFilename[256] = {};
    char RunTimestamp[kRunTimestampSize] = {};
    SymbolTable symbols;
    WaypointList Waypoints;
    BoundingBox Bounds;
};

int WriteGpxFile(const GpxRun& run) {
    return WriteGpxFile(run.GpxFilename, run.Waypoints, run.Bounds, run.symbols, run.RunTimestamp, 1.0, GpxPaths{});
}

// Adds a waypoint the way the reader does: list and bounds.
void Add(GpxRun& run, const Waypoint& waypoint) {
    WidenBounds(run.Bounds, waypoint, run.Waypoints.empty());
    run.Waypoints.push_back(waypoint);
}

void SetSymbol(GpxRun& run, char letter, const char* name) {
    int entry = letter == '\0' ? 0 : letter - 'a' + 1;
    std::strcpy(run.symbols.Entries[entry].SymName, name);
}

TEST(MakeRunTimestamp, FormatsTheClockInUtcWhateverTheLocalZone) {
    const char* saved = std::getenv("TZ");
    std::string savedZone = saved ? saved : "";
    ::setenv("TZ", "CHAST-12:45", 1);  // UTC+12:45, written out so no zone data is needed
    ::tzset();
    char text[kRunTimestampSize];
    const std::pair<std::time_t, const char*> cases[] = {
        {0, "1970-01-01T00:00:00Z"},
        {1709251199, "2024-02-29T23:59:59Z"},
        {1700000000, "2023-11-14T22:13:20Z"},
        {951782400, "2000-02-29T00:00:00Z"},
    };
    for (const auto& c : cases) {
        MakeRunTimestamp(c.first, text);
        EXPECT_STREQ(text, c.second);
    }
    if (saved) ::setenv("TZ", savedZone.c_str(), 1); else ::unsetenv("TZ");
    ::tzset();
}

TEST(MakeRunTimestamp, KeepsItsFormForAClockBeyondFourDigitYears) {
    char text[kRunTimestampSize];
    MakeRunTimestamp(static_cast<std::time_t>(400000000000LL), text);  // the year 14645
    EXPECT_STREQ(text, "1970-01-01T00:00:00Z");
}

TEST(SymbolFor, FirstLetterInEitherCaseElseTheDefault) {
    GpxRun run;
    SetSymbol(run, '\0', "Dot");
    SetSymbol(run, 'b', "Flag, Blue");
    SetSymbol(run, 'c', "");  // a letter without a name falls back to the default
    SetSymbol(run, 'z', "Summit");
    EXPECT_STREQ(SymbolFor(run.symbols, MakeWaypoint("b12", 0, 0, 0, "")), "Flag, Blue");
    EXPECT_STREQ(SymbolFor(run.symbols, MakeWaypoint("B12", 0, 0, 0, "")), "Flag, Blue");
    EXPECT_STREQ(SymbolFor(run.symbols, MakeWaypoint("Z", 0, 0, 0, "")), "Summit");
    EXPECT_STREQ(SymbolFor(run.symbols, MakeWaypoint("a1", 0, 0, 0, "")), "Waypoint");
    EXPECT_STREQ(SymbolFor(run.symbols, MakeWaypoint("C001", 0, 0, 0, "")), "Dot");
    EXPECT_STREQ(SymbolFor(run.symbols, MakeWaypoint("12", 0, 0, 0, "")), "Dot");
    EXPECT_STREQ(SymbolFor(run.symbols, MakeWaypoint("_x", 0, 0, 0, "")), "Dot");
    EXPECT_STREQ(SymbolFor(run.symbols, MakeWaypoint("[", 0, 0, 0, "")), "Dot");
    EXPECT_STREQ(SymbolFor(run.symbols, MakeWaypoint("`", 0, 0, 0, "")), "Dot");
}

// A small walk: west of Greenwich, one point without elevation or
// description, elevations that round, and symbols set for two letters.
GpxRun SampleRun(const std::string& gpxFilename) {
    GpxRun run;
    std::strcpy(run.GpxFilename, gpxFilename.c_str());
    MakeRunTimestamp(1709251199, run.RunTimestamp);
    SetSymbol(run, 'c', "Flag, Red");
    SetSymbol(run, 'p', "Pin, Green");
    Add(run, MakeWaypoint("C001", 54.4927, -3.6106, 5, "St Bees, start at the sea wall"));
    Add(run, MakeWaypoint("c002", 54.5101, -3.629, 0, ""));
    Add(run, MakeWaypoint("P1", 54.51, -3.55, 120.5, "Fleswick Bay"));
    Add(run, MakeWaypoint("7", 54.4801, -3.6000001, 99.4999, "Bridge, 7 km"));
    return run;
}

const char* const kSampleGpx =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\r\n"
    "<gpx \r\n"
    "  xmlns=\"http://www.topografix.com/GPX/1/1\"\r\n"
    "  creator=\"GPS TrackMaker\"\r\n"
    "  version=\"1.1\"\r\n"
    "  xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"\r\n"
    "  xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 "
    "http://www.topografix.com/GPX/1/1/gpx.xsd\">\r\n"
    "  <metadata>\r\n"
    "    <link href=\"https://www.tessaron.example\"> <text>Tessaron Engineering</text> </link>\r\n"
    "    <time>2024-02-29T23:59:59Z</time>\r\n"
    "    <bounds minlat=\"54.480100\" minlon=\"-3.629000\" maxlat=\"54.510100\" maxlon=\"-3.550000\"/>\r\n"
    "  </metadata>\r\n"
    "\r\n"
    "<wpt lat=\"54.492700\" lon=\"-3.610600\"><ele>5</ele><name>C001</name>"
    "<cmt>St Bees, start at the sea wall</cmt><desc>St Bees, start at the sea wall</desc>"
    "<sym>Flag, Red</sym></wpt>\r\n"
    "<wpt lat=\"54.510100\" lon=\"-3.629000\"><ele>0</ele><name>c002</name>"
    "<cmt></cmt><desc></desc><sym>Flag, Red</sym></wpt>\r\n"
    "<wpt lat=\"54.510000\" lon=\"-3.550000\"><ele>120</ele><name>P1</name>"
    "<cmt>Fleswick Bay</cmt><desc>Fleswick Bay</desc><sym>Pin, Green</sym></wpt>\r\n"
    "<wpt lat=\"54.480100\" lon=\"-3.600000\"><ele>99</ele><name>7</name>"
    "<cmt>Bridge, 7 km</cmt><desc>Bridge, 7 km</desc><sym>Waypoint</sym></wpt>\r\n"
    "\r\n"
    "</gpx>\r\n";

TEST(WriteGpxFile, WritesTheWholeFileByteForByte) {
    ScratchDir dir;
    GpxRun run = SampleRun(dir.File("walk.gpx"));
    EXPECT_EQ(WriteGpxFile(run), 0);
    EXPECT_EQ(ReadFile(run.GpxFilename), kSampleGpx);
}

JUDGED_TEST(WriteGpxFile, TheWholeFilePassesTheGpxSchema, Judge::kXmllint) {
    ScratchDir dir;
    WriteFile(dir.File("walk.gpx"), kSampleGpx);
    EXPECT_EQ(XmllintFault(dir.File("walk.gpx"), kSchema), "");
}

TEST(WriteGpxFile, ReplacesAnOldFile) {
    ScratchDir dir;
    GpxRun run = SampleRun(dir.File("walk.gpx"));
    WriteFile(run.GpxFilename, std::string(100000, 'x'));
    EXPECT_EQ(WriteGpxFile(run), 0);
    EXPECT_EQ(ReadFile(run.GpxFilename), kSampleGpx);
}

JUDGED_TEST(WriteGpxFile, OneWaypointGivesEqualBoundsAndExtremesStayValid, Judge::kXmllint) {
    ScratchDir dir;
    GpxRun run;
    std::strcpy(run.GpxFilename, dir.File("one.gpx").c_str());
    MakeRunTimestamp(0, run.RunTimestamp);
    Add(run, MakeWaypoint("X1", -89.9999994, 179.9999994, -12.6, "Near the edge"));
    EXPECT_EQ(WriteGpxFile(run), 0);
    std::string gpx = ReadFile(run.GpxFilename);
    EXPECT_NE(gpx.find("<bounds minlat=\"-89.999999\" minlon=\"179.999999\" "
                       "maxlat=\"-89.999999\" maxlon=\"179.999999\"/>"),
              std::string::npos);
    EXPECT_NE(gpx.find("<ele>-13</ele>"), std::string::npos);
    EXPECT_EQ(XmllintFault(run.GpxFilename, kSchema), "");
}

// On the Greenwich meridian a file may hold 0 and -0 (a rounded -0.0000001):
// the bounds keep the first of two equal longitudes, as they always have.
TEST(WriteGpxFile, BoundsKeepTheFirstOfEqualLongitudesAtGreenwich) {
    ScratchDir dir;
    GpxRun run;
    std::strcpy(run.GpxFilename, dir.File("greenwich.gpx").c_str());
    MakeRunTimestamp(0, run.RunTimestamp);
    Add(run, MakeWaypoint("C1", 51.4778, 0.0, 0, "Observatory"));
    Add(run, MakeWaypoint("C2", 51.4779, -0.0, 0, "Meridian line"));
    EXPECT_EQ(WriteGpxFile(run), 0);
    EXPECT_NE(ReadFile(run.GpxFilename).find("<bounds minlat=\"51.477800\" minlon=\"0.000000\" "
                                             "maxlat=\"51.477900\" maxlon=\"0.000000\"/>"),
              std::string::npos);
}

JUDGED_TEST(WriteGpxFile, EscapesMarkupAndKeepsUtf8, Judge::kXmllint) {
    ScratchDir dir;
    GpxRun run;
    std::strcpy(run.GpxFilename, dir.File("inn.gpx").c_str());
    MakeRunTimestamp(0, run.RunTimestamp);
    Add(run, MakeWaypoint("C1", 52.9, -4.5, 0, "Fox & Hounds <Inn>, Gleann D\xc3\xa1 Loch, Ll\xc5\xb7n"));
    EXPECT_EQ(WriteGpxFile(run), 0);
    std::string gpx = ReadFile(run.GpxFilename);
    EXPECT_NE(gpx.find("<cmt>Fox &amp; Hounds &lt;Inn&gt;, Gleann D\xc3\xa1 Loch, Ll\xc5\xb7n</cmt>"
                       "<desc>Fox &amp; Hounds &lt;Inn&gt;, Gleann D\xc3\xa1 Loch, Ll\xc5\xb7n</desc>"),
              std::string::npos);
    EXPECT_EQ(XmllintFault(run.GpxFilename, kSchema), "");
}

// The longest line the writer can be handed: the longest ID and symbol
// name, a description of ampersands (five bytes each, twice over) and
// numbers of 309 digits, as a WayFile's -1e308 is finite. Written when the
// batch has one byte less room than the line, it must go to a fresh batch,
// not past the end of this one.
TEST(GpxWriteWaypoint, TheLongestLineFitsWhenTheBatchIsOneByteShortOfIt) {
    const std::string id(kWayIdMax, 'W');
    const std::string ampersands(kDescMax, '&');
    const Waypoint longest = MakeWaypoint(id.c_str(), -DBL_MAX, -DBL_MAX, -DBL_MAX, ampersands.c_str());
    SymbolTable symbols;
    std::strcpy(symbols.Entries[SymbolEntryOf('W')].SymName, std::string(kSymNameMax, 'S').c_str());
    ScratchDir dir;
    const std::string filename = dir.File("longest.gpx");
    std::FILE* file = std::fopen(filename.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    LineBatch batch = MakeLineBatch(file);
    EXPECT_EQ(GpxWriteWaypoint(batch, symbols, longest, 1.0), 0);
    const std::string line(batch.Text.get(), batch.Used);
    const size_t filled = kLineBatchBytes - (line.size() - 1);
    std::memset(batch.Text.get() + line.size(), '\n', filled - line.size());
    batch.Used = filled;
    EXPECT_EQ(GpxWriteWaypoint(batch, symbols, longest, 1.0), 0);
    EXPECT_LE(batch.Used, kLineBatchBytes);
    EXPECT_EQ(WriteLineBatch(batch), 0);
    EXPECT_EQ(std::fclose(file), 0);
    std::string escaped;
    for (int i = 0; i < kDescMax; ++i) escaped += "&amp;";
    const std::string number = "-" + std::to_string(DBL_MAX);
    const std::string expectedLine = "<wpt lat=\"" + number + "\" lon=\"" + number + "\"><ele>" +
                                     number.substr(0, number.size() - 7) + "</ele><name>" + id +
                                     "</name><cmt>" + escaped + "</cmt><desc>" + escaped + "</desc><sym>" +
                                     std::string(kSymNameMax, 'S') + "</sym></wpt>\r\n";
    EXPECT_EQ(line, expectedLine);
    EXPECT_EQ(ReadFile(filename), line + std::string(filled - line.size(), '\n') + line);
}

// The routes GpxWritePaths writes for ids, as "name: id id ..." joined by
// " | ".
std::string RoutesOf(const std::vector<std::string>& ids, int routePoints, const std::vector<Stage>& stages,
                     const char* title = "Walk") {
    WaypointList list;
    for (const std::string& id : ids) list.push_back(MakeWaypoint(id.c_str(), 54.5, -3.1, 100, ""));
    GpxPaths paths;
    paths.RouteLetters = "c";
    paths.RoutePoints = routePoints;
    paths.Title = title;
    paths.Stages = &stages;
    ScratchDir dir;
    std::FILE* file = std::fopen(dir.File("paths.gpx").c_str(), "wb");
    LineBatch batch = MakeLineBatch(file);
    EXPECT_EQ(GpxWritePaths(batch, list, SymbolTable{}, 1.0, paths), 0);
    EXPECT_EQ(WriteLineBatch(batch), 0);
    std::fclose(file);
    const std::string gpx = ReadFile(dir.File("paths.gpx"));
    static const std::regex kPiece("<rte><name>([^<]*)</name>|<rtept [^>]*><ele>[^<]*</ele><name>([^<]*)</name>");
    std::string routes;
    for (std::sregex_iterator piece(gpx.begin(), gpx.end(), kPiece), end; piece != end; ++piece) {
        if ((*piece)[1].matched) {
            routes += (routes.empty() ? "" : " | ") + (*piece)[1].str() + ":";
        } else {
            routes += " " + (*piece)[2].str();
        }
    }
    return routes;
}

std::vector<std::string> Ids(int count) {
    std::vector<std::string> ids;
    for (int i = 1; i <= count; ++i) ids.push_back("C" + std::to_string(i));
    return ids;
}

// Each part after the first begins where the last one ended; a stage begins
// routes of its own, named after it; other letters are left out.
TEST(GpxWritePaths, SplitsRoutesIntoPartsAndStages) {
    const std::vector<Stage> none;
    const struct {
        std::vector<std::string> ids;
        int routePoints;
        std::vector<Stage> stages;
        const char* routes;
    } rows[] = {
        {Ids(1), 3, none, "Walk C: C1"},
        {Ids(3), 3, none, "Walk C: C1 C2 C3"},
        {Ids(4), 3, none, "Walk C 1/2: C1 C2 C3 | Walk C 2/2: C3 C4"},
        {Ids(5), 3, none, "Walk C 1/2: C1 C2 C3 | Walk C 2/2: C3 C4 C5"},
        {Ids(6), 3, none, "Walk C 1/3: C1 C2 C3 | Walk C 2/3: C3 C4 C5 | Walk C 3/3: C5 C6"},
        {Ids(4), 2, none, "Walk C 1/3: C1 C2 | Walk C 2/3: C2 C3 | Walk C 3/3: C3 C4"},
        {{"A1", "c1", "A2", "C2", "7"}, 250, none, "Walk C: c1 C2"},
        {Ids(5), 250, {{"", 0}, {"Day 2", 3}}, "Walk C: C1 C2 C3 | Day 2 C: C4 C5"},
        {Ids(5), 2, {{"Up", 0}, {"Down", 2}}, "Up C: C1 C2 | Down C 1/2: C3 C4 | Down C 2/2: C4 C5"},
        {{"C1", "A1", "C2"}, 250, {{"", 0}, {"Aside", 1}, {"On", 2}}, "Walk C: C1 | On C: C2"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.routes);
        EXPECT_EQ(RoutesOf(row.ids, row.routePoints, row.stages), row.routes);
    }
}

// A title is not checked as a description is: what XML refuses in it (a
// control character, a byte that is not UTF-8) becomes "?" in the names.
TEST(GpxWritePaths, NamesKeepTheFileReadable) {
    const std::vector<Stage> none;
    EXPECT_EQ(RoutesOf(Ids(1), 3, none, "Fox & Hounds <1>"), "Fox &amp; Hounds &lt;1&gt; C: C1");
    EXPECT_EQ(RoutesOf(Ids(1), 3, none, "a\tb\x01" "c\x7f\xc3\xa1\xff\xc3"), "a?b?c?\xc3\xa1?? C: C1");
}

TEST(RouteParts, CountsThePartsOfALongRoute) {
    EXPECT_EQ(RouteParts(0, 250), 1u);
    EXPECT_EQ(RouteParts(250, 250), 1u);
    EXPECT_EQ(RouteParts(251, 250), 2u);
    EXPECT_EQ(RouteParts(498, 250), 2u);   // 250 + 248 new
    EXPECT_EQ(RouteParts(499, 250), 2u);   // 250 + 249 new
    EXPECT_EQ(RouteParts(500, 250), 3u);
    EXPECT_EQ(RouteParts(1000000, 2), 999999u);
}

TEST(WriteGpxFile, UnopenableFileIsReported) {
    ScratchDir dir;
    GpxRun run = SampleRun(dir.File("no/such/dir/walk.gpx"));
    testing::internal::CaptureStderr();
    EXPECT_EQ(WriteGpxFile(run), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Can't open GPX file " + std::string(run.GpxFilename) + " for write\n");
}

TEST(WriteGpxFile, FullDiskIsReportedOnce) {
    GpxRun run = SampleRun("/dev/full");
    for (int i = 0; i < 20000; ++i) Add(run, run.Waypoints.front());  // more than one buffer
    testing::internal::CaptureStderr();
    EXPECT_EQ(WriteGpxFile(run), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Oops, can't write /dev/full\n");

    GpxRun small = SampleRun("/dev/full");  // fits the buffer: only the close sees it
    testing::internal::CaptureStderr();
    EXPECT_EQ(WriteGpxFile(small), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Oops, can't write /dev/full\n");
}

}  // namespace
