// Hostile WayFiles at a size a test can afford, made by the generator that
// the resource benchmark runs at a million lines: the run must give the
// exact messages and status, and every output it writes must be sound,
// whatever the size. Time is never measured.
#include <gtest/gtest.h>

#include <string>

#include "cli_run.h"
#include "judges.h"
#include "output_judges.h"

namespace {

constexpr int kLines = 20000;

// Writes walk.txt of the given kind and size in dir and runs cairnlog on
// it with every output.
CliResult RunHostile(const ScratchDir& dir, const std::string& kind, int lines = kLines) {
    std::string command = "LC_ALL=C awk -v kind=" + kind + " -v n=" + std::to_string(lines) + " -f '" HOSTILE_AWK +
                          "' > '" + dir.File("walk.txt") + "'";
    EXPECT_EQ(RunShell(command), 0);
    return RunCli(CAIRNLOG_PATH, {"-g", "-r", "-p", "walk.txt"}, dir.path);
}

int CountOf(const std::string& text, const std::string& piece) {
    int count = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++count;
    return count;
}

// Judges the three outputs of a run and checks that each holds every
// waypoint: one wpt element and one report row (after the heading) each.
void ExpectSoundOutputs(const ScratchDir& dir, int waypoints) {
    EXPECT_EQ(GpxFault(dir.File("walk.gpx"), SCHEMA_PATH), "");
    EXPECT_EQ(CountOf(ReadFile(dir.File("walk.gpx")), "<wpt "), waypoints);
    EXPECT_EQ(ReportFault(dir.File("walkReport.txt")), "");
    EXPECT_EQ(CountOf(ReadFile(dir.File("walkReport.txt")), "\n"), waypoints + 1);
    EXPECT_EQ(QpdfFault(dir.File("walkGuide.pdf")), "");
}

JUDGED_TEST(HostileInput, LinesOf254CharactersLeaveAnEmptyPieceEach, Judge::kXmllint, Judge::kQpdf) {
    ScratchDir dir;
    CliResult result = RunHostile(dir, "long");
    // Each description overflows its two guide lines: a warning per
    // waypoint, in guide order, then the closing note.
    const std::string note = "Note: 20000 Waypoints found in walk.txt\n";
    EXPECT_EQ(CountOf(result.err, "Oops, Waypoint guide description too long, line "), kLines);
    EXPECT_EQ(CountOf(result.err, "\n"), kLines + 1);
    EXPECT_TRUE(result.err.size() > note.size() && result.err.substr(result.err.size() - note.size()) == note);
    EXPECT_EQ(result.status, 0);
    ExpectSoundOutputs(dir, kLines);
}

TEST(HostileInput, OneIdEverywhereStopsAtTwelveMessages) {
    ScratchDir dir;
    CliResult result = RunHostile(dir, "same-id");
    std::string expected;
    for (int i = 0; i < 12; ++i) expected += "Oops, duplicate WayID=<P1>\n";
    EXPECT_EQ(result.err, expected);
    EXPECT_EQ(result.status, 1);
    EXPECT_FALSE(FileExists(dir.File("walk.gpx")));
}

JUDGED_TEST(HostileInput, OnePlaceEverywhereCountsEveryPair, Judge::kXmllint, Judge::kQpdf) {
    ScratchDir dir;
    CliResult result = RunHostile(dir, "same-place");
    std::string expected;
    for (int i = 2; i <= 11; ++i) {
        char second[16];
        std::snprintf(second, sizeof second, "C%07d", i);
        expected += "Note: Duplicate lat/lon for waypoints C0000001 and " + std::string(second) + "\n";
    }
    expected += "Note: 20000 Waypoints found in walk.txt\n";
    expected += "Note: 199990000 duplicate lat/lon found in walk.txt\n";  // 20000 x 19999 / 2
    EXPECT_EQ(result.err, expected);
    EXPECT_EQ(result.status, 0);
    ExpectSoundOutputs(dir, kLines);
}

JUDGED_TEST(HostileInput, LayoutDirectivesAfterEveryWaypoint, Judge::kXmllint, Judge::kQpdf) {
    ScratchDir dir;
    CliResult result = RunHostile(dir, "layout");
    EXPECT_EQ(result.err, "Note: 10000 Waypoints found in walk.txt\n");
    EXPECT_EQ(result.status, 0);
    ExpectSoundOutputs(dir, kLines / 2);
}

JUDGED_TEST(HostileInput, TallestColumnsAreDrawnWhole, Judge::kXmllint, Judge::kQpdf) {
    ScratchDir dir;
    CliResult result = RunHostile(dir, "tall", 20);
    EXPECT_EQ(result.err, "Note: 10 Waypoints found in walk.txt\n");
    EXPECT_EQ(result.status, 0);
    ExpectSoundOutputs(dir, 10);
}

}  // namespace
