// gpx2wayfile run as a program: one row per case with its GPX file, the
// arguments, the exact exit status, WayFile and messages; then cairnlog on
// what it makes from every example.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <filesystem>
#include <ostream>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "cli_run.h"

namespace {

const std::string kGolden = IMPORT_GOLDEN_DIR;
const std::string kNoFile = "(no file)";
const char* const kCopyFieldFiles = "cp " IMPORT_GOLDEN_DIR "/*.gpx .";

std::string Gpx11(const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<gpx version=\"1.1\" creator=\"test\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n" +
           body + "</gpx>\n";
}

std::string Repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

// A route of count points due north, and the WayFile lines it gives.
std::string NorthRoute(int count) {
    std::string points;
    for (int i = 0; i < count; ++i) points += "<rtept lat=\"54." + std::to_string(1000 + i) + "\" lon=\"-2\"/>\n";
    return Gpx11("<rte>\n" + points + "</rte>\n");
}

std::string NorthRouteLines(int count) {
    std::string lines = "#TITLE=walk\n#GRID=OSGB\n#SYM_RULE.C=RULE_ALL\n#ROUTE_CARD\n#VIA=UNDESCRIBED\n#GPX_ROUTE=C\n";
    char line[64];
    for (int i = 0; i < count; ++i) {
        std::snprintf(line, sizeof line, "C%04d  54.%d00  -2.000000\n", i + 1, 1000 + i);
        lines += line;
    }
    return lines;
}

struct CliCase {
    const char* name;
    std::string gpx;                 // written to walk.gpx
    const char* setup;               // shell commands run in the scratch directory first
    std::vector<std::string> args;
    int status;
    std::string out;                 // standard output, or a golden file name after "@"
    std::string err;
    const char* output = nullptr;    // a file to check afterwards
    std::string written = kNoFile;   // its bytes
};

void PrintTo(const CliCase& row, std::ostream* os) { *os << row.name; }

const std::string kLongName = Repeat("\xC3\xA9", 200);  // 400 bytes of é

const CliCase kCases[] = {
    {"NoArgumentPrintsUsage", "", "", {}, 0, "@usage.txt", ""},
    {"HelpPrintsUsage", "", "", {"-h"}, 0, "@usage.txt", ""},
    {"LongHelpPrintsUsage", "", "", {"walk.gpx", "--help"}, 0, "@usage.txt", ""},
    {"VersionPrintsTheVersion", "", "", {"--version"}, 0, "gpx2wayfile 1.0\n", ""},
    {"TrackThinnedSegmentsJoinedElevationsRounded",
     Gpx11("<metadata><name>Kinder Scout circuit, day one</name></metadata>\n"
           "<trk><name>Day one</name><trkseg>\n"
           "<trkpt lat=\"53.4\" lon=\"-1.900\"><ele>500.5</ele></trkpt>\n"
           "<trkpt lat=\"53.40025\" lon=\"-1.899\"><ele>501</ele></trkpt>\n"
           "<trkpt lat=\"53.4005\" lon=\"-1.898\"><ele> 501.5 </ele><name>Cairn</name></trkpt>\n"
           "<trkpt lat=\"53.40025\" lon=\"-1.897\"/>\n"
           "<trkpt lat=\"+53.4\" lon=\" -1.896 \"><ele>-3.5</ele></trkpt>\n"
           "</trkseg><trkseg></trkseg><trkseg>\n"
           "<trkpt lat=\"53.41\" lon=\"-1.89\"><ele>high</ele><name>Edale</name></trkpt>\n"
           "<trkpt lat=\"53.42\" lon=\"-1.89\"><desc>3 miles on</desc></trkpt>\n"
           "</trkseg></trk>\n"),
     "", {"walk.gpx"}, 0,
     "#TITLE=Kinder Scout circuit\n"
     "#GRID=OSGB\n"
     "#SYM_RULE.C=RULE_ALL\n"
     "#ROUTE_CARD\n"
     "#VIA=UNDESCRIBED\n#GPX_ROUTE=C\n"
     "C001  53.400000  -1.900000  500\n"
     "C002  53.400500  -1.898000  502  Cairn\n"
     "C003  53.400000  -1.896000  -4\n"
     "C004  53.410000  -1.890000  Edale\n"
     "C005  53.420000  -1.890000  0  3 miles on\n",
     "Note: 5 path points (of 7 read) and 0 points of interest written to standard output\n"
     "Note: 2 of 5 path points have no elevation; the route card leaves out their climbs\n"},
    {"Gpx10RouteWithWaypointsPlacedAfterTheNearestPoint",
     "<gpx version=\"1.0\" xmlns=\"http://www.topografix.com/GPX/1/0\"><name>Old file</name>\n"
     "<wpt lat=\"54.0199\" lon=\"-2.0001\"><name>Tarn</name><sym>Flag, Blue</sym></wpt>\n"
     "<wpt lat=\"54.0001\" lon=\"-2\"><name>Cafe</name><sym>Dot</sym></wpt>\n"
     "<wpt lat=\"54.0101\" lon=\"-2\"><name>Stile</name><desc>broken</desc></wpt>\n"
     "<rte><name>Not the title</name>\n"
     "<rtept lat=\"54.00\" lon=\"-2\"><name>Start</name><cmt>car park</cmt></rtept>\n"
     "<rtept lat=\"54.01\" lon=\"-2\"><name>Gate</name><desc>Gate</desc></rtept>\n"
     "<rtept lat=\"54.02\" lon=\"-2\"><name>End</name></rtept>\n"
     "</rte></gpx>\n",
     "", {"walk.gpx"}, 0,
     "#TITLE=Old file\n"
     "#GRID=OSGB\n"
     "#SYM_RULE.C=RULE_ALL\n"
     "#SYM.D=Dot\n"
     "#PATH.D=C\n"
     "#SYM.F=Flag, Blue\n"
     "#PATH.F=C\n"
     "#ROUTE_CARD\n"
     "#VIA=UNDESCRIBED\n#GPX_ROUTE=C\n"
     "C001  54.000000  -2.000000  Start - car park\n"
     "D01  54.000100  -2.000000  Cafe\n"
     "C002  54.010000  -2.000000  Gate\n"
     "C003  54.010100  -2.000000  Stile - broken\n"
     "F01  54.019900  -2.000100  Tarn\n"
     "C004  54.020000  -2.000000  End\n",
     "Note: 3 path points (of 3 read), 3 named places on the path and 0 points of interest written to standard "
     "output\n"
     "Note: 3 of 3 path points have no elevation; the route card leaves out their climbs\n"},
    {"WaypointWithinAMetreOfTwoRoutePointsGoesAfterTheNearer",
     Gpx11("<wpt lat=\"54\" lon=\"-2\"><name>Post</name></wpt>\n"
           "<rte><rtept lat=\"54.0000054\" lon=\"-1.9999909\"><name>Stone</name></rtept>\n"
           "<rtept lat=\"54\" lon=\"-1.9999893\"><name>Cairn</name></rtept>\n"
           "<rtept lat=\"54\" lon=\"-2.000152\"><name>Gate</name></rtept></rte>\n"),
     "", {"-n", "0", "walk.gpx"}, 0,
     "#TITLE=walk\n"
     "#GRID=OSGB\n"
     "#SYM_RULE.C=RULE_ALL\n"
     "#SYM.P=Pin, Green\n"
     "#ROUTE_CARD\n"
     "#VIA=UNDESCRIBED\n#GPX_ROUTE=C\n"
     "C001  54.000005  -1.999991  Stone\n"
     "C002  54.000000  -1.999989  Cairn\n"
     "P01  54.000000  -2.000000  Post\n"
     "C003  54.000000  -2.000152  Gate\n",
     "Note: 3 path points (of 3 read) and 1 points of interest written to standard output\n"
     "Note: 3 of 3 path points have no elevation; the route card leaves out their climbs\n"},
    {"TrackPointOvershootingTheEndOfItsLegIsThinnedByItsDistanceFromTheEnd",
     Gpx11("<trk><trkseg><trkpt lat=\"53.4\" lon=\"-1.9\"/><trkpt lat=\"53.401079\" lon=\"-1.898193\"/>"
           "<trkpt lat=\"53.400899\" lon=\"-1.898494\"/></trkseg></trk>\n"),
     "", {"-t", "40", "walk.gpx"}, 0,  // 28 m beyond the end, 100 m north and east of the start
     "#TITLE=walk\n#GRID=OSGB\n#SYM_RULE.C=RULE_ALL\n#ROUTE_CARD\n#VIA=UNDESCRIBED\n#GPX_ROUTE=C\n"
     "C001  53.400000  -1.900000\n"
     "C002  53.400899  -1.898494\n",
     "Note: 2 path points (of 3 read) and 0 points of interest written to standard output\n"
     "Note: 2 of 2 path points have no elevation; the route card leaves out their climbs\n"},
    {"PolesAndTheDateLineAreValid",
     Gpx11("<wpt lat=\"-90\" lon=\"180\"><name>Pole</name></wpt>\n"
           "<wpt lat=\"90\" lon=\"-180\"><name>North</name></wpt>\n"),
     "", {"walk.gpx"}, 0,
     "#TITLE=walk\n#GRID=OSGB\n#SYM.P=Pin, Green\n"
     "P01  -90.000000  180.000000  Pole\n"
     "P02  90.000000  -180.000000  North\n",
     "Note: 2 points of interest written to standard output\n"
     "Note: 2 points lie outside the OSGB grid; cairnlog -r and -p will refuse them\n"},
    {"WaypointsAloneKeepFileOrderExtensionsSkipped",
     Gpx11("<wpt lat=\"54\" lon=\"-2\"><name>Real</name><sym>Flag &amp; Pin</sym><time>2024-01-01T00:00:00Z</time>"
           "<extensions><name>Hidden</name></extensions><x:name xmlns:x=\"urn:x\">Foreign</x:name></wpt>\n"
           "<wpt lat=\"53\" lon=\"-3\"><sym>Dot</sym></wpt>\n"
           "<trk><trkpt lat=\"1\" lon=\"1\"/></trk>\n"),
     "", {"walk.gpx"}, 0,
     "#TITLE=walk\n#GRID=OSGB\n#SYM.P=Pin, Green\n#SYM.D=Dot\n"
     "P01  54.000000  -2.000000  Real\n"
     "D01  53.000000  -3.000000\n",
     "Note: 2 points of interest written to standard output\n"},
    {"TextsAsAWayFileLineCarriesThem",
     Gpx11("<wpt lat=\"54\" lon=\"-2\"><name>Fox &amp; Hounds | pub</name>"
           "<desc>\n\tGleann D\xC3\xA1 Loch&#127;</desc></wpt>\n"
           "<wpt lat=\"54\" lon=\"-2\"><name># of stiles</name><ele>7</ele><desc><![CDATA[<b>5</b>]]></desc></wpt>\n"
           "<wpt lat=\"54\" lon=\"-2\"><desc><![CDATA[.5 km to the <b>top</b>]]></desc></wpt>\n"
           "<wpt lat=\"54\" lon=\"-2\"><name>" + kLongName + "</name></wpt>\n"
           "<wpt lat=\"54\" lon=\"-2\"><name>" + std::string(300, 'n') + "</name></wpt>\n"),
     "", {"walk.gpx"}, 0,
     "#TITLE=walk\n#GRID=OSGB\n#SYM.P=Pin, Green\n"
     "P01  54.000000  -2.000000  Fox & Hounds / pub - Gleann D\xC3\xA1 Loch\n"
     "P02  54.000000  -2.000000  7  # of stiles - <b>5</b>\n"
     "P03  54.000000  -2.000000  0  .5 km to the <b>top</b>\n"
     "P04  54.000000  -2.000000  " + kLongName.substr(0, 226) + "\n"
     "P05  54.000000  -2.000000  " + std::string(226, 'n') + "\n",  // 253 bytes before the LF
     "Note: 5 points of interest written to standard output\n"},
    {"ThousandPointsTakeFourDigits", NorthRoute(1000), "", {"walk.gpx"}, 0, NorthRouteLines(1000),
     "Note: 1000 path points (of 1000 read) and 0 points of interest written to standard output\n"
     "Note: 1000 of 1000 path points have no elevation; the route card leaves out their climbs\n"},
    {"RoutesOverTracksWithANote",
     Gpx11("<trk><name>Track A</name><trkseg><trkpt lat=\"1\" lon=\"1\"/><trkpt lat=\"2\" lon=\"2\"/></trkseg></trk>\n"
           "<rte><name>Route B</name><rtept lat=\"54\" lon=\"-2\"/></rte>\n"),
     "", {"-t", "0", "walk.gpx"}, 0,
     "#TITLE=Route B\n#GRID=OSGB\n#SYM_RULE.C=RULE_ALL\n#ROUTE_CARD\n#VIA=UNDESCRIBED\n#GPX_ROUTE=C\nC001  54.000000  -2.000000\n",
     "Note: the path follows the routes of walk.gpx; its tracks are left out\n"
     "Note: 1 path points (of 1 read) and 0 points of interest written to standard output\n"
     "Note: 1 of 1 path points have no elevation; the route card leaves out their climbs\n"},
    {"EachOfTwoRoutesBeginsAStageNamedAfterIt",
     Gpx11("<rte><name>Out</name><rtept lat=\"54\" lon=\"-2\"><ele>100</ele></rtept>"
           "<rtept lat=\"54.01\" lon=\"-2\"><ele>150</ele></rtept></rte>\n"
           "<rte><name>Back</name><rtept lat=\"54.01\" lon=\"-2\"><ele>150</ele></rtept>"
           "<rtept lat=\"54.02\" lon=\"-2\"><ele>120</ele></rtept></rte>\n"),
     "", {"walk.gpx"}, 0,
     "#TITLE=walk\n#GRID=OSGB\n#SYM_RULE.C=RULE_ALL\n#ROUTE_CARD\n#VIA=UNDESCRIBED\n#GPX_ROUTE=C\n"
     "#STAGE=Out\nC001  54.000000  -2.000000  100\nC002  54.010000  -2.000000  150\n"
     "#STAGE=Back\nC003  54.010000  -2.000000  150\nC004  54.020000  -2.000000  120\n",
     "Note: 4 path points (of 4 read) and 0 points of interest written to standard output\n"},
    {"OutputFileWithOptionsAfterTheName", Gpx11("<wpt lat=\"54\" lon=\"-2\"/>\n"), "", {"walk.gpx", "-oout.txt", "-t10"}, 0, "",
     "Note: 1 points of interest written to out.txt\n", "out.txt",
     "#TITLE=walk\n#GRID=OSGB\n#SYM.P=Pin, Green\nP01  54.000000  -2.000000\n"},

    // The project's field files (golden/*.gpx), as clubs, planners and GPS
    // units write them: stdout is the WayFile beside each.
    {"FellRoundOfThreeLegsAndItsPlacesInASecondFile", "", kCopyFieldFiles, {"fell-round.gpx", "fell-summits.gpx"}, 0,
     "@fell-round-way.txt",
     "Note: 34 path points (of 150 read), 6 named places on the path and 2 points of interest written to standard "
     "output\n"
     "Note: 34 of 34 path points have no elevation; the route card leaves out their climbs\n"},
    {"WicklowRouteWithNamedRoutePointsIsOnTheIrishGrid", "", kCopyFieldFiles, {"wicklow-route.gpx"}, 0,
     "@wicklow-route-way.txt",
     "Note: 8 path points (of 8 read) and 1 points of interest written to standard output\n"
     "Note: 3 of 8 path points have no elevation; the route card leaves out their climbs\n"},
    {"NorthernIrelandGpsTrackWithElevationsAndTimes", "", kCopyFieldFiles, {"mourne-track.gpx"}, 0,
     "@mourne-track-way.txt",
     "Note: 5 path points (of 55 read), 1 named places on the path and 0 points of interest written to standard "
     "output\n"},
    {"IslayIsBritish", "", kCopyFieldFiles, {"islay-track.gpx"}, 0, "@islay-track-way.txt",
     "Note: 9 path points (of 80 read), 1 named places on the path and 1 points of interest written to standard "
     "output\n"
     "Note: 9 of 9 path points have no elevation; the route card leaves out their climbs\n"},
    {"IsleOfManIsBritish", "", kCopyFieldFiles, {"isle-of-man-route.gpx"}, 0, "@isle-of-man-route-way.txt",
     "Note: 5 path points (of 5 read) and 0 points of interest written to standard output\n"
     "Note: 5 of 5 path points have no elevation; the route card leaves out their climbs\n"},
    {"ScillyIsBritish", "", kCopyFieldFiles, {"scilly-track.gpx"}, 0, "@scilly-track-way.txt",
     "Note: 13 path points (of 49 read), 1 named places on the path and 0 points of interest written to standard "
     "output\n"},
    // An out-and-back path crosses its bends; a place near either way is met on both.
    {"OutAndBackMeetsAPlaceEachWayAndOnceAtTheTurn",
     Gpx11("<wpt lat=\"54.0101\" lon=\"-2\"><name>Stile</name></wpt>\n"
           "<wpt lat=\"54.02\" lon=\"-2.0001\"><name>Cairn</name><sym>Summit</sym></wpt>\n"
           "<wpt lat=\"54.02\" lon=\"-2.0001\"><name>Cairn</name><ele>400</ele></wpt>\n"
           "<rte><rtept lat=\"54.00\" lon=\"-2\"/><rtept lat=\"54.02\" lon=\"-2\"/><rtept lat=\"54.00\" lon=\"-2\"/></rte>\n"),
     "", {"walk.gpx"}, 0,
     "#TITLE=walk\n#GRID=OSGB\n#SYM_RULE.C=RULE_ALL\n#SYM.S=Summit\n#PATH.S=C\n#ROUTE_CARD\n#VIA=UNDESCRIBED\n#GPX_ROUTE=C\n"
     "C001  54.000000  -2.000000\n"
     "C002  54.010100  -2.000000  Stile\n"
     "S01  54.020000  -2.000100  400  Cairn\n"
     "C003  54.010100  -2.000000  Stile\n"
     "C004  54.000000  -2.000000\n",
     "Note: 2 path points (of 3 read), 3 named places on the path and 0 points of interest written to standard "
     "output\n"
     "Note: 2 of 2 path points have no elevation; the route card leaves out their climbs\n"},
    {"OutputWhoseCairnlogGpxIsAnInputIsRefused", "", kCopyFieldFiles,
     {"-o", "fell-summits.txt", "fell-round.gpx", "fell-summits.gpx"}, 1, "",
     "Oops, cairnlog -g fell-summits.txt would write over the GPX file fell-summits.gpx: choose another -o name\n",
     "fell-summits.txt"},
    {"OutputWhoseCairnlogGpxIsAnInputThroughALinkIsRefused", Gpx11("<wpt lat=\"54\" lon=\"-2\"/>\n"),
     "mkdir day && ln -s ../walk.gpx day/walk.gpx", {"-o", "day/walk", "walk.gpx"}, 1, "",
     "Oops, cairnlog -g day/walk would write over the GPX file walk.gpx: choose another -o name\n", "day/walk"},

    {"NotXml", "walk\n", "", {"walk.gpx", "-o", "out.txt"}, 1, "",
     "Oops, walk.gpx is not GPX: syntax error, line 1\n", "out.txt"},
    {"MismatchedTag", Gpx11("<wpt lat=\"54\" lon=\"-2\">\n<name>x</desc></wpt>\n"), "", {"walk.gpx"}, 1, "",
     "Oops, walk.gpx is not GPX: mismatched tag, line 4\n"},
    {"TruncatedFile", "<gpx>\n<wpt lat=\"54\" lon=\"-2\">\n", "", {"walk.gpx"}, 1, "",
     "Oops, walk.gpx is not GPX: no element found, line 3\n"},
    {"EmptyFile", "", "", {"walk.gpx"}, 1, "", "Oops, walk.gpx is not GPX: no element found, line 1\n"},
    {"XmlThatIsNoGpx", "<?xml version=\"1.0\"?>\n<kml><wpt lat=\"54\" lon=\"-2\"/></kml>\n", "", {"walk.gpx"}, 1, "",
     "Oops, walk.gpx is not GPX: the root element is not gpx, line 2\n"},
    {"GpxWithNoPoint", Gpx11("<metadata><name>Empty</name></metadata>\n"), "", {"walk.gpx"}, 1, "",
     "Oops, no wpt, rtept or trkpt in walk.gpx\n"},
    {"LatitudeOutOfRange", Gpx11("<wpt lat=\"54\" lon=\"-2\"/>\n<wpt lat=\"91\" lon=\"-2\"/>\n"), "", {"walk.gpx"}, 1, "",
     "Oops, walk.gpx is not GPX: wpt without a valid lat and lon, line 4\n"},
    {"LongitudeMissing", Gpx11("<trk><trkseg><trkpt lat=\"54\"/></trkseg></trk>\n"), "", {"walk.gpx"}, 1, "",
     "Oops, walk.gpx is not GPX: trkpt without a valid lat and lon, line 3\n"},
    {"CommaDecimal", Gpx11("<rte><rtept lat=\"54,5\" lon=\"-2\"/></rte>\n"), "", {"walk.gpx"}, 1, "",
     "Oops, walk.gpx is not GPX: rtept without a valid lat and lon, line 3\n"},
    {"MissingFile", "", "", {"nowhere.gpx", "-o", "out.txt"}, 1, "", "can't open GPX file nowhere.gpx\n", "out.txt"},
    {"DirectoryAsInput", "", "mkdir dir.gpx", {"dir.gpx"}, 1, "", "can't open GPX file dir.gpx\n"},
    {"OutputNamingTheInputIsRefused", Gpx11("<wpt lat=\"54\" lon=\"-2\"/>\n"), "", {"-o", "walk.gpx", "walk.gpx"}, 1,
     "", "Oops, output file walk.gpx would overwrite the GPX file\n", "walk.gpx",
     Gpx11("<wpt lat=\"54\" lon=\"-2\"/>\n")},
    {"OutputLinkedToTheInputIsRefused", Gpx11("<wpt lat=\"54\" lon=\"-2\"/>\n"), "ln -s walk.gpx link.txt",
     {"-o", "./link.txt", "walk.gpx"}, 1, "", "Oops, output file ./link.txt would overwrite the GPX file\n", "walk.gpx",
     Gpx11("<wpt lat=\"54\" lon=\"-2\"/>\n")},
    {"OutputInAMissingFolder", Gpx11("<wpt lat=\"54\" lon=\"-2\"/>\n"), "", {"-o", "no/out.txt", "walk.gpx"}, 1, "",
     "Can't open WayFile no/out.txt for write\n"},
    {"OutputOnAFullDisk", Gpx11("<wpt lat=\"54\" lon=\"-2\"/>\n"), "ln -s /dev/full out.txt", {"-o", "out.txt", "walk.gpx"},
     1, "", "Oops, can't write out.txt\n"},
    {"UnknownOption", "", "", {"-x", "walk.gpx"}, 1, "", "Unknown option -x\n" + std::string("@usage.txt")},
    {"ToleranceNotANumber", "", "", {"-t", "25m", "walk.gpx"}, 1, "",
     "Oops, -t needs a distance in metres from 0 to 10000000, not 25m\n"},
    {"ToleranceNegative", "", "", {"-t-1", "walk.gpx"}, 1, "",
     "Oops, -t needs a distance in metres from 0 to 10000000, not -1\n"},
    {"ToleranceMissing", "", "", {"walk.gpx", "-t"}, 1, "", "Oops, -t needs a distance in metres\n"},
    {"OutputNameMissing", "", "", {"walk.gpx", "-o"}, 1, "", "Oops, -o needs a file name\n"},
    {"EveryGpxFileIsReadBeforeAnythingIsWritten", Gpx11("<wpt lat=\"54\" lon=\"-2\"/>\n"), "",
     {"walk.gpx", "-o", "out.txt", "more.gpx"}, 1, "", "can't open GPX file more.gpx\n", "out.txt"},
    {"NoGpxFile", "", "", {"-t", "5"}, 1, "", "Oops, no GPX file given\n"},
};

// A golden file's bytes for "@name"; a message before it stays in front.
std::string Expected(const std::string& text) {
    size_t at = text.find('@');
    if (at == std::string::npos) return text;
    return text.substr(0, at) + ReadFile(kGolden + "/" + text.substr(at + 1));
}

class Gpx2WayFileCli : public testing::TestWithParam<CliCase> {};

TEST_P(Gpx2WayFileCli, Case) {
    const CliCase& row = GetParam();
    ScratchDir dir;
    WriteFile(dir.File("walk.gpx"), row.gpx);
    ASSERT_EQ(RunShell("cd '" + dir.path + "' && " + (*row.setup ? row.setup : "true")), 0);
    CliResult result = RunCli(GPX2WAYFILE_PATH, row.args, dir.path);
    EXPECT_EQ(result.status, row.status);
    EXPECT_EQ(result.out, Expected(row.out));
    EXPECT_EQ(result.err, Expected(row.err));
    if (row.output) {
        std::string path = dir.File(row.output);
        if (row.written == kNoFile) {
            EXPECT_FALSE(FileExists(path)) << row.output << " must not be written";
        } else {
            EXPECT_EQ(ReadFile(path), row.written) << row.output;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, Gpx2WayFileCli, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<CliCase>& row) { return std::string(row.param.name); });

// Every "...pt lat= lon=" position of a GPX file, in file order.
std::vector<std::pair<double, double>> Positions(const std::string& gpx) {
    static const std::regex point("pt lat=\"([^\"]+)\" lon=\"([^\"]+)\"");
    std::vector<std::pair<double, double>> positions;
    for (std::sregex_iterator it(gpx.begin(), gpx.end(), point), end; it != end; ++it) {
        positions.push_back({std::stod((*it)[1]), std::stod((*it)[2])});
    }
    return positions;
}

bool Holds(const std::vector<std::pair<double, double>>& positions, std::pair<double, double> sought) {
    for (auto position : positions) {
        if (std::fabs(position.first - sought.first) <= 1e-6 && std::fabs(position.second - sought.second) <= 1e-6) {
            return true;
        }
    }
    return false;
}

struct RoundTrip {
    std::string gpx;   // made from an example
    bool thinned;      // a track: only some points come through
};

// cairnlog -g -r -p on each WayFile gpx2wayfile makes from a GPX file of
// every example (its waypoints, the same as a route, each track, each GPX
// example) and from names as walkers write them; the GPX cairnlog writes
// holds the points at their positions, to 1e-6 degrees, and no other.
TEST(Gpx2WayFileRoundTrip, CairnlogTakesEveryResultAsItIs) {
    ScratchDir dir;
    ASSERT_EQ(RunShell("cp " EXAMPLES_DIR "/* '" + dir.path + "'"), 0);
    WriteFile(dir.File("names.gpx"),
              Gpx11("<wpt lat=\"53.07\" lon=\"-4.08\"><name>Fox &amp; Hounds</name><desc>Llan &lt;north&gt;</desc></wpt>\n"
                    "<rte><rtept lat=\"53.06\" lon=\"-4.07\"><name>Gleann D\xC3\xA1 Loch | Ll\xC5\xB7n</name></rtept>\n"
                    "<rtept lat=\"53.08\" lon=\"-4.09\"><desc>100 yds to the caf\xC3\xA9</desc></rtept></rte>\n"));
    std::vector<RoundTrip> trips{{"names.gpx", false}};
    for (const auto& entry : std::filesystem::directory_iterator(EXAMPLES_DIR)) {
        std::string name = entry.path().filename().string();
        std::string stem = entry.path().stem().string();
        std::string extension = entry.path().extension().string();
        if (extension == ".txt") {
            // The waypoints alone: the routes and tracks an example asks
            // for are the GPX tests' to judge.
            ASSERT_EQ(RunShell("sed -i '/^#GPX_/d' '" + dir.File(name) + "'"), 0);
            ASSERT_EQ(RunCli(CAIRNLOG_PATH, {"-g", name}, dir.path).status, 0) << name;
            ASSERT_EQ(RunShell("cd '" + dir.path + "' && sed -e 's/<wpt /<rtept /; s|</wpt>|</rtept>|' "
                               "-e 's|</metadata>|&<rte>|; s|^</gpx>|</rte>&|' " + stem + ".gpx > " + stem + "-route.gpx"),
                      0);
            trips.push_back({stem + ".gpx", false});
            trips.push_back({stem + "-route.gpx", false});
        } else if (extension == ".trk") {
            ASSERT_EQ(RunCli(STILELINE_PATH, {name}, dir.path).status, 0) << name;
            trips.push_back({stem + ".gpx", true});
        } else if (extension == ".gpx") {
            trips.push_back({name, false});
        }
    }
    ASSERT_GE(trips.size(), 7u);
    for (const RoundTrip& trip : trips) {
        SCOPED_TRACE(trip.gpx);
        std::string stem = trip.gpx.substr(0, trip.gpx.size() - 4);
        CliResult made = RunCli(GPX2WAYFILE_PATH, {"-o", stem + "-way.txt", trip.gpx}, dir.path);
        ASSERT_EQ(made.status, 0) << made.err;
        CliResult run = RunCli(CAIRNLOG_PATH, {"-g", "-r", "-p", stem + "-way.txt"}, dir.path);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err.find("Oops"), std::string::npos) << run.err;

        auto given = Positions(ReadFile(dir.File(trip.gpx)));
        auto kept = Positions(ReadFile(dir.File(stem + "-way.gpx")));
        ASSERT_FALSE(given.empty());
        if (trip.thinned) {
            EXPECT_LT(kept.size(), given.size());
            EXPECT_TRUE(Holds(kept, given.front()) && Holds(kept, given.back()));
        } else {
            // Every point comes through, the path's as route points too.
            for (auto position : given) EXPECT_TRUE(Holds(kept, position)) << position.first << " " << position.second;
        }
        for (auto position : kept) EXPECT_TRUE(Holds(given, position)) << position.first << " " << position.second;
    }
}

// The field files through the whole round, GPX to printed card, with no
// edit: cairnlog takes the WayFile without a fault or a warning, lists the
// places that have a description and only them, each place on the path with
// its distance, in the grid of the place, each symbol kept for the GPS and
// the whole path as its routes; the GPX files read are left as they were.
struct FieldRound {
    const char* name;
    std::vector<std::string> gpxFiles;
    const char* gridHeading;   // the report's grid column
};

void PrintTo(const FieldRound& row, std::ostream* os) { *os << row.name; }

const FieldRound kFieldRounds[] = {
    {"FellRound", {"fell-round.gpx", "fell-summits.gpx"}, "OSGB-Grid"},
    {"Wicklow", {"wicklow-route.gpx"}, "Irish-Grid"},
    {"Mourne", {"mourne-track.gpx"}, "Irish-Grid"},
    {"Islay", {"islay-track.gpx"}, "OSGB-Grid"},
    {"IsleOfMan", {"isle-of-man-route.gpx"}, "OSGB-Grid"},
    {"Scilly", {"scilly-track.gpx"}, "OSGB-Grid"},
};

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> pieces;
    size_t start = 0;
    for (size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1) {
        pieces.push_back(text.substr(start, end - start));
    }
    if (start < text.size()) pieces.push_back(text.substr(start));
    return pieces;
}

class Gpx2WayFileFieldRound : public testing::TestWithParam<FieldRound> {};

TEST_P(Gpx2WayFileFieldRound, CairnlogRunsWithNoEdit) {
    const FieldRound& row = GetParam();
    ScratchDir dir;
    ASSERT_EQ(RunShell("cd '" + dir.path + "' && " + kCopyFieldFiles), 0);
    std::vector<std::string> args{"-o", "round-way.txt"};
    args.insert(args.end(), row.gpxFiles.begin(), row.gpxFiles.end());
    ASSERT_EQ(RunCli(GPX2WAYFILE_PATH, args, dir.path).status, 0);
    CliResult run = RunCli(CAIRNLOG_PATH, {"-g", "-r", "-p", "round-way.txt"}, dir.path);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err.find("Oops"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("Warning"), std::string::npos) << run.err;
    for (const std::string& gpx : row.gpxFiles) {
        EXPECT_EQ(ReadFile(dir.File(gpx)), ReadFile(kGolden + "/" + gpx)) << gpx << " changed";
    }

    // The WayFile's described lines and its letters on the path.
    std::string onPath = "C";
    size_t described = 0;
    size_t pathLines = 0;
    std::string gpsFile = ReadFile(dir.File("round-way.gpx"));
    for (const std::string& line : Split(ReadFile(dir.File("round-way.txt")), '\n')) {
        if (line.rfind("#PATH.", 0) == 0) onPath += line[6];
        if (line.rfind("#SYM.", 0) == 0) {
            EXPECT_NE(gpsFile.find("<sym>" + line.substr(7) + "</sym>"), std::string::npos) << line;
        }
        if (line[0] == '#') continue;
        pathLines += onPath.find(line[0]) != std::string::npos;
        auto fields = Split(line, ' ');
        if (!std::isalpha(static_cast<unsigned char>(fields.back()[0]))) continue;  // no description: a bend
        ++described;
    }
    // The GPS gets the whole path, its places included, as routes short
    // enough here for one part a stage.
    size_t routePoints = 0;
    for (size_t at = gpsFile.find("<rtept "); at != std::string::npos; at = gpsFile.find("<rtept ", at + 1)) {
        ++routePoints;
    }
    EXPECT_EQ(routePoints, pathLines);
    size_t rows = 0;
    for (const std::string& line : Split(ReadFile(dir.File("round-wayReport.txt")), '\n')) {
        auto fields = Split(line, '\t');
        if (line[0] == '#') {
            EXPECT_EQ(fields[5], row.gridHeading);
            continue;
        }
        if (fields[1] == "Total") continue;
        ++rows;
        if (onPath.find(fields[1][0]) != std::string::npos) {
            EXPECT_NE(fields[6].find_first_not_of(' '), std::string::npos) << fields[1] << " shows no distance";
        }
    }
    EXPECT_GT(rows, 0u);
    EXPECT_EQ(rows, described);
}

INSTANTIATE_TEST_SUITE_P(Files, Gpx2WayFileFieldRound, testing::ValuesIn(kFieldRounds),
                         [](const testing::TestParamInfo<FieldRound>& row) { return std::string(row.param.name); });

}  // namespace
