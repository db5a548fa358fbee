// stileline run as a program: one row per case with its arguments, the
// exact exit status and messages, and the output file compared byte for
// byte with its golden copy in golden/.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "cli_run.h"

namespace {

const std::string kGolden = TRACK_GOLDEN_DIR;

struct CliCase {
    const char* name;
    const char* setup;        // shell commands run in the scratch directory first
    std::vector<std::string> args;
    int status;
    std::string out;          // standard output, or a golden file name after "@"
    std::string err;
    const char* output;       // the output file to check, or nullptr
    const char* golden;       // its golden copy; "" means it must not exist
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const CliCase& row, std::ostream* os) { *os << row.name; }

std::string Expected(const std::string& text) {
    return !text.empty() && text[0] == '@' ? ReadFile(kGolden + "/" + text.substr(1)) : text;
}

std::string Lines(const char* format, int first, int last, int step, const char* file) {
    std::string text;
    char line[256];
    for (int n = first; n <= last; n += step) {
        std::snprintf(line, sizeof line, format, n, file);
        text += line;
    }
    return text;
}

const std::string kCopyGolden = "cp " + kGolden + "/";

const CliCase kCases[] = {
    {"NoArgumentPrintsUsage", "", {}, 0, "@usage.txt", "", nullptr, nullptr},
    {"ShortHelpPrintsUsage", "", {"-h"}, 0, "@usage.txt", "", nullptr, nullptr},
    {"LongHelpPrintsUsage", "", {"--help"}, 0, "@usage.txt", "", nullptr, nullptr},
    {"VersionAlone", "", {"--version"}, 0, "stileline 1.1\n", "", nullptr, nullptr},
    // The dot of "./" is the last one in the name, so the output is ".gpx".
    {"TrackFileNamedLikeHelpIsReachedByPath", "cp day1.txt ./-h", {"./-h"}, 0, "",
     "5 trackpoints successfuly converted to .gpx\n", nullptr, nullptr},
    {"HelpWithMoreArgumentsIsAFileName", "", {"-h", "day1.txt"}, 1, "",
     "can't open WSG84 TrackDataFilename -h\n", nullptr, nullptr},
    {"ConvertsCommentsBlanksTabsCrLfAndBom", "", {"day1.txt"}, 0, "",
     "5 trackpoints successfuly converted to day1.gpx\n", "day1.gpx", "day1.gpx"},
    {"EmptyTrackFileGivesEmptyTrack", "", {"empty.txt"}, 0, "",
     "0 trackpoints successfuly converted to empty.gpx\n", "empty.gpx", "empty.gpx"},
    {"ElevenBadLinesCompleteTheFileButFail", "", {"eleven.txt"}, 1, "",
     Lines("Oops, can't get lat/lon [ele], line %d of %s\n", 2, 22, 2, "eleven.txt") +
         "Oops 11 errors found\n",
     "eleven.gpx", "eleven.gpx"},
    {"TwelfthBadLineAbortsLeavingPartialFile", "", {"twelve.txt"}, 1, "",
     Lines("Oops, can't get lat/lon [ele], line %d of %s\n", 2, 24, 2, "twelve.txt") +
         "too many errors, aborting\n",
     "twelve.gpx", "twelve.gpx"},
    {"ExtraArgumentsAreIgnored", "", {"empty.txt", "day1.txt", "-x"}, 0, "",
     "0 trackpoints successfuly converted to empty.gpx\n", "day1.gpx", ""},
    {"DashArgumentIsAFileName", "cp empty.txt ./-v.txt", {"-v.txt"}, 0, "",
     "0 trackpoints successfuly converted to -v.gpx\n", nullptr, nullptr},
    {"TrackNameIsEscaped", "printf '54 -2\\n' > 'Tom & Jerry <old>.txt'",
     {"Tom & Jerry <old>.txt"}, 0, "",
     "1 trackpoints successfuly converted to Tom & Jerry <old>.gpx\n", "Tom & Jerry <old>.gpx",
     "escaped.gpx"},
    {"NameWithoutExtensionKeepsWholeName", "cp empty.txt empty", {"empty"}, 0, "",
     "0 trackpoints successfuly converted to empty.gpx\n", "empty.gpx", "empty.gpx"},
    {"DotInDirectoryPartIsTheCut", "mkdir maps.old && cp empty.txt maps.old/day1",
     {"maps.old/day1"}, 0, "", "0 trackpoints successfuly converted to maps.gpx\n", nullptr,
     nullptr},
    {"MissingTrackFileCreatesNothing", "", {"nowhere.txt"}, 1, "",
     "can't open WSG84 TrackDataFilename nowhere.txt\n", "nowhere.gpx", ""},
    {"DirectoryTrackFileCountsAsUnopenable", "mkdir walks.d", {"walks.d"}, 1, "",
     "can't open WSG84 TrackDataFilename walks.d\n", "walks.gpx", ""},
    {"UnwritableOutputIsReported", "mkdir day1.gpx", {"day1.txt"}, 1, "",
     "can't open output file day1.gpx\n", nullptr, nullptr},
    {"OutputNamedLikeTrackFileIsRefused", "cp day1.txt day1.gpx", {"day1.gpx"}, 1, "",
     "Oops, output file day1.gpx would overwrite the TrackFile\n", "day1.gpx", "day1.txt"},
    {"OutputLinkedToTrackFileIsRefused", "cp day1.txt route && ln -s route route.gpx",
     {"route"}, 1, "", "Oops, output file route.gpx would overwrite the TrackFile\n", "route",
     "day1.txt"},
    {"FullDiskIsReported", "ln -s /dev/full empty.gpx", {"empty.txt"}, 1, "",
     "Oops, can't write empty.gpx\n", nullptr, nullptr},
    {"CrOnlyLineEndsAreBadLines", "printf '54.5 -2.1\\r54.6 -2.2\\r' > mac.txt", {"mac.txt"}, 1, "",
     "Oops, text after a carriage return, line 1 of mac.txt\nOops 1 errors found\n", nullptr, nullptr},
    {"ReadErrorIsReported", "ln -s /proc/self/mem mem.txt", {"mem.txt"}, 1, "",
     "Oops, can't read mem.txt\n", nullptr, nullptr},
};

class StilelineCli : public testing::TestWithParam<CliCase> {};

TEST_P(StilelineCli, Case) {
    const CliCase& row = GetParam();
    ScratchDir dir;
    ASSERT_EQ(RunShell("cd '" + dir.path + "' && cp " + kGolden + "/*.txt . && " +
                       (*row.setup ? row.setup : "true")),
              0);
    CliResult result = RunCli(STILELINE_PATH, row.args, dir.path);
    EXPECT_EQ(result.status, row.status);
    EXPECT_EQ(result.out, Expected(row.out));
    EXPECT_EQ(result.err, row.err);
    if (row.output && row.golden) {
        std::string path = dir.File(row.output);
        if (*row.golden == '\0') {
            EXPECT_FALSE(FileExists(path)) << row.output << " must not be written";
        } else {
            EXPECT_EQ(ReadFile(path), ReadFile(kGolden + "/" + row.golden)) << row.output;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, StilelineCli, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<CliCase>& row) {
                             return std::string(row.param.name);
                         });

TEST(StilelineCliNames, OverLongNameIsRefusedBeforeOpening) {
    ScratchDir dir;
    std::string longest(251, 'a');  // 251 + ".gpx" is the longest output name
    WriteFile(dir.File(longest + ".txt"), "54 -2\n");
    CliResult fits = RunCli(STILELINE_PATH, {longest + ".txt"}, dir.path);
    EXPECT_EQ(fits.status, 0) << fits.err;
    EXPECT_TRUE(FileExists(dir.File(longest + ".gpx")));

    std::string tooLong(252, 'b');  // the file need not exist: the name is refused first
    CliResult refused = RunCli(STILELINE_PATH, {tooLong + ".txt"}, dir.path);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "Oops, TrackFile name too long: " + tooLong + ".txt\n");
}

}  // namespace
