// cairnlog run as a program: each row writes walk.txt, runs the program in
// a scratch folder and compares standard output, standard error and the
// exit status byte for byte.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <random>
#include <string>
#include <vector>

#include "cli_run.h"

namespace {

// A string literal with its NUL bytes, less the terminating one.
template <size_t N>
std::string Bytes(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

const std::string kUsage = ReadFile(GOLDEN_DIR "/usage.txt");
const std::string kHelp = ReadFile(GOLDEN_DIR "/help.txt");

// Replaces {usage} and {help} by the golden texts.
std::string Expand(std::string text) {
    for (auto [key, value] : {std::pair<std::string, std::string>{"{usage}", kUsage}, {"{help}", kHelp}}) {
        for (size_t at; (at = text.find(key)) != std::string::npos;) text.replace(at, key.size(), value);
    }
    return text;
}

struct Row {
    const char* name;
    std::string wayFile;              // written as walk.txt, even when empty
    std::vector<std::string> args;
    std::string out;
    std::string err;
    int status;
};

const std::string kGoodWalk =
    "#TITLE=Cleveland Way\n"
    "#SYM.C=Flag, Red\n"
    "#SYM_RULE.C=RULE_ALL\n"
    "C001 54.2394 -1.0590 90 Helmsley, market cross\n"
    "C002 54.2480 -1.1185 150 Rievaulx Abbey view\n"
    "#BLANK_LINE\n"
    "C003 54.2450 -1.2085 300 Sutton Bank top\n";

const Row kRows[] = {
    {"NoArguments", "", {}, "{usage}", "", 0},
    {"Help", "", {"-?"}, "{help}", "", 0},
    {"HelpShort", "", {"-h"}, "{help}", "", 0},
    {"HelpLong", "", {"-g", "--help", "walk.txt"}, "{help}", "", 0},
    {"Version", "", {"--version"}, "cairnlog 1.6\n", "", 0},
    {"UnknownLongOption", kGoodWalk, {"--verbose", "walk.txt"}, "", "Unknown option -\n{usage}", 1},
    {"HelpWinsOverEarlierOptions", "", {"-g=out.gpx", "-?", "walk.txt"}, "{help}", "", 0},
    {"UnknownOption", kGoodWalk, {"-x", "walk.txt"}, "", "Unknown option x\n{usage}", 1},
    {"NoWayFile", "", {"-g", "-r"}, "{usage}", "Oops, no Wayfile given\n", 1},
    {"FileNameTooLong", kGoodWalk, {"-p=" + std::string(256, 'p'), "walk.txt"}, "",
     "Oops, command line filename too long: " + std::string(256, 'p') + "\n", 1},
    {"DerivedNameTooLong", "", {"-r", std::string(250, 'w') + ".txt"}, "",
     "Oops, derived filename too long for " + std::string(250, 'w') + ".txt\n", 1},
    {"MissingWayFile", "", {"nowhere.txt"}, "", "can't open WSG84 WaypointFile nowhere.txt\n", 1},
    {"DirectoryAsWayFile", "", {"."}, "", "can't open WSG84 WaypointFile .\n", 1},
    {"GoodWalk", kGoodWalk, {"walk.txt"}, "", "Note: 3 Waypoints found in walk.txt\n", 0},
    {"ExtraArgumentsIgnoredWithAWarningEach", kGoodWalk, {"walk.txt", "-x", "more"}, "",
     "Warning: -x after the WayFile name is ignored (options go before it)\n"
     "Warning: more after the WayFile name is ignored (options go before it)\n"
     "Note: 3 Waypoints found in walk.txt\n",
     0},
    {"OptionsAfterTheWayFileWriteNothing", kGoodWalk, {"walk.txt", "-g", "-r", "-p"}, "",
     "Warning: -g after the WayFile name is ignored (options go before it)\n"
     "Warning: -r after the WayFile name is ignored (options go before it)\n"
     "Warning: -p after the WayFile name is ignored (options go before it)\n"
     "Note: 3 Waypoints found in walk.txt\n",
     0},
    {"IgnoredArgumentsAreNamedBeforeReading", "", {"nowhere.txt", "-?"}, "",
     "Warning: -? after the WayFile name is ignored (options go before it)\n"
     "can't open WSG84 WaypointFile nowhere.txt\n",
     1},
    {"EmptyFile", "", {"walk.txt"}, "", "Oops, No waypoints found in walk.txt\n", 1},
    {"OnlyDirectivesAndComments", "#TITLE=Nothing yet\n| to do\n\n", {"walk.txt"}, "",
     "Oops, No waypoints found in walk.txt\n", 1},
    {"LineErrorsAllReportedThenFail",
     "C001 54.5 -2.1 Gate\nC002 54.5\n#GRID=UTM\nC003 54.6 -2.2 Fish & chips at Caf\xe9\nC001 54.7 -2.3 Again\n",
     {"-g", "walk.txt"}, "",
     "Oops, can't get ID, Lat, Long in walk.txt, line 2\n"
     "Warning, no waypoint description in walk.txt, line  2\n"
     "Oops, unknown GRID units, line 3 in walk.txt\n"
     "Oops, unprintable character '\xe9' in description of walk.txt, line 4\n",
     1},
    {"DuplicateIdsFail", "P1 54.1 -2 a\nP2 54.2 -2 b\nP1 54.3 -2 c\nP1 54.4 -2 d\n", {"walk.txt"}, "",
     "Oops, duplicate WayID=<P1>\nOops, duplicate WayID=<P1>\nOops, duplicate WayID=<P1>\n", 1},
    {"NotesAndWarningsDoNotFail",
     "#MAX_ID=8\n#TITLE=A title well over twenty characters\nC001 54.1 -2.0\nLongerName9 54.1 -2.0 Same place\n"
     "C003 54.2 -2.0 x\nC004 54.2 -2.0 y\n",
     {"walk.txt"}, "",
     "Oops, Take-Along Guide Title too long, truncating, line 2 in walk.txt\n"
     "Warning, no waypoint description in walk.txt, line  3\n"
     "Note: Duplicate lat/lon for waypoints C001 and LongerName9\n"
     "Note: Duplicate lat/lon for waypoints C003 and C004\n"
     "Warning: Waypoint LongerName9 ID too long (=11, max=8)\n"
     "Note: 4 Waypoints found in walk.txt\n"
     "Note: 2 duplicate lat/lon found in walk.txt\n",
     0},
    {"ByteOrderMark", "\xEF\xBB\xBF" + kGoodWalk, {"walk.txt"}, "", "Note: 3 Waypoints found in walk.txt\n", 0},
    {"CrLfLineEnds", "#TITLE=x\r\nC001 54.5 -2.1 Gate\r\nC002 54.6 -2.1 Stile\r\n", {"walk.txt"}, "",
     "Note: 2 Waypoints found in walk.txt\n", 0},
    {"CrOnlyLineEnds", "C001 54.5 -2.1 Gate\rC002 54.6 -2.1 Stile\rC003 54.7 -2.1 Wall\r", {"-g", "walk.txt"}, "",
     "Oops, text after a carriage return in walk.txt, line 1\n", 1},
    {"NulBytes", Bytes("C001 54.5 -2.1 Gate\0\0junk\n\0C002 54.6 -2.1 x\nC003 54.7 -2.1 Wall\n"),
     {"walk.txt"}, "", "Note: 2 Waypoints found in walk.txt\n", 0},
    {"BinaryBytes", Bytes("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe"), {"walk.txt"}, "",
     "Oops, can't get ID, Lat, Long in walk.txt, line 1\n"
     "Oops, unprintable character '\x89' in ID of walk.txt, line 1\n"
     "Warning, no waypoint description in walk.txt, line  1\n"
     "Oops, can't get ID, Lat, Long in walk.txt, line 2\n"
     "Oops, unprintable character '\x1a' in ID of walk.txt, line 2\n"
     "Warning, no waypoint description in walk.txt, line  2\n",
     1},
    {"PastedPositionsAndSpacedDegrees",
     "C003  55°58’30” N 4°20’10” W  90  Craigallian Loch\n"
     "C004  55.9422  −4.3176  60  Milngavie\n"
     "C007  56 06 30N 4 33 00W  361  Conic Hill\n"
     "C008  56 07 30  N of the stile\n",
     {"-g", "walk.txt"}, "",
     "Warning, line 3 of walk.txt reads latitude 56, longitude 6, elevation 30: for degrees, minutes and "
     "seconds write 56°06'30\"N 4°33'00\"W\n"
     "Note: 4 Waypoints found in walk.txt\n",
     0},
    {"DirectiveBeforeFirstWaypoint", "#NEW_COLUMN\n" + kGoodWalk, {"walk.txt"}, "",
     "Oops, #NEW_COLUMN (line 1, walk.txt) illegal before 1st waypoint\n", 1},
};

void PrintTo(const Row& row, std::ostream* stream) { *stream << row.name; }

class CairnlogCli : public testing::TestWithParam<Row> {};

TEST_P(CairnlogCli, OutputAndStatus) {
    const Row& row = GetParam();
    ScratchDir dir;
    WriteFile(dir.File("walk.txt"), row.wayFile);
    CliResult result = RunCli(CAIRNLOG_PATH, row.args, dir.path);
    EXPECT_EQ(result.out, Expand(row.out));
    EXPECT_EQ(result.err, Expand(row.err));
    EXPECT_EQ(result.status, row.status);
}

INSTANTIATE_TEST_SUITE_P(Rows, CairnlogCli, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<Row>& row) { return std::string(row.param.name); });

TEST(CairnlogCliFiles, NoOutputOptionWritesNothing) {
    ScratchDir dir;
    WriteFile(dir.File("walk.txt"), kGoodWalk);
    CliResult result = RunCli(CAIRNLOG_PATH, {"walk.txt"}, dir.path);
    EXPECT_EQ(result.status, 0);
    std::string listing;
    RunShell("ls -A '" + dir.path + "'", &listing);
    EXPECT_EQ(listing, "walk.txt\n");
}

TEST(CairnlogCliFiles, ExampleWalkReadsCleanly) {
    ScratchDir dir;
    WriteFile(dir.File("south-downs-way.txt"), ReadFile(EXAMPLES_DIR "/south-downs-way.txt"));
    CliResult result = RunCli(CAIRNLOG_PATH, {"south-downs-way.txt"}, dir.path);
    EXPECT_EQ(result.err,
              "Note: Duplicate lat/lon for waypoints C054 and A01\n"
              "Note: Duplicate lat/lon for waypoints C058 and A11\n"
              "Note: 78 Waypoints found in south-downs-way.txt\n"
              "Note: 2 duplicate lat/lon found in south-downs-way.txt\n");
    EXPECT_EQ(result.status, 0);
}

TEST(CairnlogCliFiles, UnreadableWayFile) {
    ScratchDir dir;
    WriteFile(dir.File("walk.txt"), kGoodWalk);
    ::chmod(dir.File("walk.txt").c_str(), 0);
    if (::geteuid() != 0) {
        CliResult result = RunCli(CAIRNLOG_PATH, {"walk.txt"}, dir.path);
        EXPECT_EQ(result.err, "can't open WSG84 WaypointFile walk.txt\n");
        EXPECT_EQ(result.status, 1);
        return;
    }
    // Root reads every file: run the program as nobody instead.
    if (RunShell("command -v setpriv >/dev/null") != 0) GTEST_SKIP() << "no setpriv to drop root";
    ::chmod(dir.path.c_str(), 0755);
    std::string output;
    int status = RunShell("cd '" + dir.path + "' && setpriv --reuid=65534 --regid=65534 --clear-groups " +
                              CAIRNLOG_PATH + " walk.txt 2>&1",
                          &output);
    EXPECT_EQ(output, "can't open WSG84 WaypointFile walk.txt\n");
    EXPECT_EQ(status, 1);
}

TEST(CairnlogCliFiles, ReadErrorIsReported) {
    // Reading this process's memory from address 0 fails with an I/O error.
    if (!FileExists("/proc/self/mem")) GTEST_SKIP() << "no /proc";
    ScratchDir dir;
    CliResult result = RunCli(CAIRNLOG_PATH, {"/proc/self/mem"}, dir.path);
    EXPECT_EQ(result.err, "Oops, can't read /proc/self/mem\n");
    EXPECT_EQ(result.status, 1);
}

TEST(CairnlogCliFiles, VeryLongLineArrivesInPieces) {
    ScratchDir dir;
    WriteFile(dir.File("walk.txt"), "C001 54.5 -2.1 " + std::string(100000, 'x') + "\nC002 54.6 -2.1 Gate\n");
    CliResult result = RunCli(CAIRNLOG_PATH, {"walk.txt"}, dir.path);
    // The first piece holds C001 and 239 x; the other 99,761 x and the line
    // feed fill pieces 2 to 394, each a waypoint line with only an ID.
    std::string expected;
    for (int line = 2; line <= 394; ++line) {
        std::string at = "walk.txt, line " + std::to_string(line) + "\n";
        expected += "Oops, can't get ID, Lat, Long in " + at + "Oops, ID longer than 31 characters in " + at +
                    "Warning, no waypoint description in walk.txt, line  " + std::to_string(line) + "\n";
    }
    EXPECT_EQ(result.err, expected);
    EXPECT_EQ(result.status, 1);
}

TEST(CairnlogCliFiles, HundredThousandBadLines) {
    ScratchDir dir;
    std::string text;
    for (int i = 0; i < 100000; ++i) text += "bad line " + std::to_string(i) + "\n";
    WriteFile(dir.File("walk.txt"), text);
    CliResult result = RunCli(CAIRNLOG_PATH, {"walk.txt"}, dir.path);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    size_t lines = 0;
    for (char c : result.err) lines += c == '\n';
    EXPECT_EQ(lines, 100000u);
    EXPECT_EQ(result.err.rfind("Oops, can't get ID, Lat, Long in walk.txt, line 1\n", 0), 0u);
    std::string last = "Oops, can't get ID, Lat, Long in walk.txt, line 100000\n";
    EXPECT_EQ(result.err.substr(result.err.size() - last.size()), last);
}

TEST(CairnlogCliFiles, RandomBinaryGivesOnlyLineMessages) {
    ScratchDir dir;
    std::mt19937 random(7);
    std::string bytes(1 << 20, '\0');
    for (char& byte : bytes) byte = static_cast<char>(random());
    WriteFile(dir.File("walk.bin"), bytes);
    CliResult result = RunCli(CAIRNLOG_PATH, {"walk.bin"}, dir.path);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    size_t start = 0;
    for (size_t end; (end = result.err.find('\n', start)) != std::string::npos; start = end + 1) {
        std::string line = result.err.substr(start, end - start);
        bool known = line.rfind("Oops, ", 0) == 0 || line.rfind("Warning, ", 0) == 0 || line.rfind("Illegal ", 0) == 0;
        if (!known) ADD_FAILURE() << "unexpected message: " << line;
        if (!known) break;
    }
    EXPECT_EQ(start, result.err.size());  // every message ends its line
}

}  // namespace
