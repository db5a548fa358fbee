// Faults of the file system, for every input and output of the programs:
// a full disk, a file size limit, an output path that is a directory, an
// output folder that cannot be written, an input that is a directory or
// cannot be read. Each must give its one message and status 1, leave
// outputs written before it in place, remove the one it cut short (never a
// device or a link) and create none after it; so must running out of
// memory. Permission rows run as nobody when the tests run as root, since
// root writes and reads where others cannot.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli_run.h"

namespace {

const std::string kWalk =
    "#SYM_RULE.C=RULE_ALL\n"
    "C001 50.8480 -0.3540 10 Washington, start\n"
    "C002 50.8610 -0.3180 150 Chanctonbury Ring\n"
    "C003 50.8900 -0.2650 210 Devil's Dyke\n";
const std::string kTrack = "50.8480 -0.3540 10\n50.8610 -0.3180 150\n";

struct FaultRow {
    const char* name;
    const char* program;              // "cairnlog", "stileline" or "gpx2wayfile"
    const char* setup;                // shell commands in the scratch folder
    std::vector<std::string> args;
    bool asNobody;                    // the fault needs an unprivileged user
    std::string err;
    int status;
    const char* mustExist;            // blank-separated names, whole files
    const char* mustNotExist;
    long sizeLimit = 0;               // bytes any file may take, when above 0
    long memoryLimit = 0;             // bytes of address space, when above 0
};

void PrintTo(const FaultRow& row, std::ostream* stream) { *stream << row.name; }

const std::string kCantWriteFull = "Oops, can't write /dev/full\n";

const FaultRow kRows[] = {
    // A full disk, on every output; outputs before it stay, none follows.
    {"GpxOnFullDisk", "cairnlog", "", {"-g=/dev/full", "-r", "-p", "walk.txt"}, false, kCantWriteFull, 1, "",
     "walkReport.txt walkGuide.pdf"},
    {"ReportOnFullDisk", "cairnlog", "", {"-g", "-r=/dev/full", "-p", "walk.txt"}, false, kCantWriteFull, 1,
     "walk.gpx", "walkGuide.pdf"},
    {"GuideOnFullDisk", "cairnlog", "", {"-g", "-r", "-p=/dev/full", "walk.txt"}, false, kCantWriteFull, 1,
     "walk.gpx walkReport.txt", ""},
    {"TrackOnFullDisk", "stileline", "ln -s /dev/full day1.gpx", {"day1.txt"}, false,
     "Oops, can't write day1.gpx\n", 1, "", ""},
    {"WayFileOnFullDisk", "gpx2wayfile", "", {"-o", "/dev/full", "route.gpx"}, false, kCantWriteFull, 1, "", ""},

    // A file size limit cuts an output short: it is removed, those before
    // it stay whole (GPX 1020 bytes, report 319, guide 3689).
    {"GpxOverSizeLimit", "cairnlog", "", {"-g", "-r", "-p", "walk.txt"}, false, "Oops, can't write walk.gpx\n", 1,
     "", "walk.gpx walkReport.txt walkGuide.pdf", 512},
    {"ReportOverSizeLimit", "cairnlog", "", {"-r", "-p", "walk.txt"}, false, "Oops, can't write walkReport.txt\n",
     1, "", "walkReport.txt walkGuide.pdf", 200},
    {"GuideOverSizeLimit", "cairnlog", "", {"-g", "-r", "-p", "walk.txt"}, false,
     "Oops, can't write walkGuide.pdf\n", 1, "walk.gpx walkReport.txt", "walkGuide.pdf", 2048},
    {"TrackOverSizeLimit", "stileline", "", {"day1.txt"}, false, "Oops, can't write day1.gpx\n", 1, "", "day1.gpx",
     200},
    {"WayFileOverSizeLimit", "gpx2wayfile", "", {"-o", "route-way.txt", "route.gpx"}, false,
     "Oops, can't write route-way.txt\n", 1, "", "route-way.txt", 200},
    // Through a link the bytes go where the user pointed them: the link stays.
    {"LinkedOutputOverSizeLimit", "cairnlog", "ln -s kept.gpx link.gpx", {"-g=link.gpx", "walk.txt"}, false,
     "Oops, can't write link.gpx\n", 1, "link.gpx", "", 512},

    // An output path that is a directory.
    {"GpxPathIsADirectory", "cairnlog", "mkdir walk.gpx", {"-g", "-r", "-p", "walk.txt"}, false,
     "Can't open GPX file walk.gpx for write\n", 1, "", "walkReport.txt walkGuide.pdf"},
    {"ReportPathIsADirectory", "cairnlog", "mkdir walkReport.txt", {"-g", "-r", "-p", "walk.txt"}, false,
     "Can't open report file walkReport.txt for write\n", 1, "walk.gpx", "walkGuide.pdf"},
    {"GuidePathIsADirectory", "cairnlog", "mkdir walkGuide.pdf", {"-g", "-r", "-p", "walk.txt"}, false,
     "Can't open PDF file <walkGuide.pdf>, aborting\n", 1, "walk.gpx walkReport.txt", ""},
    {"TrackPathIsADirectory", "stileline", "mkdir day1.gpx", {"day1.txt"}, false,
     "can't open output file day1.gpx\n", 1, "", ""},
    {"WayFilePathIsADirectory", "gpx2wayfile", "mkdir route-way.txt", {"-o", "route-way.txt", "route.gpx"}, false,
     "Can't open WayFile route-way.txt for write\n", 1, "", ""},

    // An output folder that cannot be written.
    {"GpxInUnwritableFolder", "cairnlog", "mkdir ro && chmod 555 ro", {"-g=ro/walk.gpx", "walk.txt"}, true,
     "Can't open GPX file ro/walk.gpx for write\n", 1, "", "ro/walk.gpx"},
    {"ReportInUnwritableFolder", "cairnlog", "mkdir ro && chmod 555 ro", {"-r=ro/report.txt", "walk.txt"}, true,
     "Can't open report file ro/report.txt for write\n", 1, "", "ro/report.txt"},
    {"GuideInUnwritableFolder", "cairnlog", "mkdir ro && chmod 555 ro", {"-p=ro/guide.pdf", "walk.txt"}, true,
     "Can't open PDF file <ro/guide.pdf>, aborting\n", 1, "", "ro/guide.pdf"},
    {"TrackInUnwritableFolder", "stileline", "mkdir ro && cp day1.txt ro/ && chmod 555 ro", {"ro/day1.txt"}, true,
     "can't open output file ro/day1.gpx\n", 1, "", "ro/day1.gpx"},
    {"WayFileInUnwritableFolder", "gpx2wayfile", "mkdir ro && chmod 555 ro", {"-o", "ro/route.txt", "route.gpx"},
     true, "Can't open WayFile ro/route.txt for write\n", 1, "", "ro/route.txt"},

    // Inputs that are directories or cannot be read: nothing is written.
    {"WayFileIsADirectory", "cairnlog", "mkdir walk.d", {"-g", "-r", "-p", "walk.d"}, false,
     "can't open WSG84 WaypointFile walk.d\n", 1, "", "walk.gpx walkReport.txt walkGuide.pdf"},
    {"WayFileUnreadable", "cairnlog", "chmod 000 walk.txt", {"-g", "-r", "-p", "walk.txt"}, true,
     "can't open WSG84 WaypointFile walk.txt\n", 1, "", "walk.gpx walkReport.txt walkGuide.pdf"},
    {"TrackFileIsADirectory", "stileline", "mkdir day2.txt", {"day2.txt"}, false,
     "can't open WSG84 TrackDataFilename day2.txt\n", 1, "", "day2.gpx"},
    {"TrackFileUnreadable", "stileline", "chmod 000 day1.txt", {"day1.txt"}, true,
     "can't open WSG84 TrackDataFilename day1.txt\n", 1, "", "day1.gpx"},
    {"GpxFileIsADirectory", "gpx2wayfile", "mkdir day.gpx", {"-o", "day-way.txt", "day.gpx"}, false,
     "can't open GPX file day.gpx\n", 1, "", "day-way.txt"},
    {"GpxFileUnreadable", "gpx2wayfile", "echo '<gpx/>' > locked.gpx && chmod 000 locked.gpx",
     {"-o", "locked-way.txt", "locked.gpx"}, true, "can't open GPX file locked.gpx\n", 1, "", "locked-way.txt"},

    // Memory runs out while reading 300,000 waypoints (some 14 MiB of the
    // 32 MiB go to the program and its libraries): nothing is written.
    {"WaypointsPastMemoryLimit", "cairnlog",
     "awk 'BEGIN { for (i = 0; i < 300000; i++) printf \"W%06d 50.%06d -3.%06d 10 Point\\n\", i, i, i }' > big.txt",
     {"-g", "-r", "-p", "big.txt"}, false, "Oops, can't get memory\n", 1, "", "big.gpx bigReport.txt bigGuide.pdf",
     0, 32L << 20},
};

std::vector<std::string> Names(const char* list) {
    std::istringstream words(list);
    std::vector<std::string> names;
    for (std::string name; words >> name;) names.push_back(name);
    return names;
}

// Runs program in dir as nobody, through setpriv, when this process is root.
CliResult RunAsNobody(const std::string& program, const std::vector<std::string>& args, const std::string& dir) {
    if (::geteuid() != 0) return RunCli(program, args, dir);
    std::vector<std::string> wrapped = {"--reuid=65534", "--regid=65534", "--clear-groups", program};
    wrapped.insert(wrapped.end(), args.begin(), args.end());
    return RunCli("/usr/bin/setpriv", wrapped, dir);
}

class Faults : public testing::TestWithParam<FaultRow> {};

TEST_P(Faults, OneMessageAndNothingAfterIt) {
    const FaultRow& row = GetParam();
    if (row.asNobody && ::geteuid() == 0 && ::access("/usr/bin/setpriv", X_OK) != 0)
        GTEST_SKIP() << "no setpriv to drop root";
#ifdef __SANITIZE_ADDRESS__
    if (row.memoryLimit > 0) GTEST_SKIP() << "AddressSanitizer cannot start under a memory limit";
#endif
    ScratchDir dir;
    ::chmod(dir.path.c_str(), 0755);  // nobody must reach the inputs
    WriteFile(dir.File("walk.txt"), kWalk);
    WriteFile(dir.File("day1.txt"), kTrack);
    ASSERT_EQ(RunShell("cd '" + dir.path + "' && " + (*row.setup ? row.setup : "true")), 0);
    WriteFile(dir.File("route.gpx"), ReadFile(EXAMPLES_DIR "/ditchling-route.gpx"));
    const std::string tool = row.program;
    std::string program = tool == "cairnlog" ? CAIRNLOG_PATH : tool == "stileline" ? STILELINE_PATH : GPX2WAYFILE_PATH;
    CliResult result = row.asNobody ? RunAsNobody(program, row.args, dir.path)
                                    : RunCli(program, row.args, dir.path, row.sizeLimit, row.memoryLimit);
    EXPECT_EQ(result.err, row.err);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.status, row.status);
    for (const std::string& name : Names(row.mustExist)) {
        EXPECT_FALSE(ReadFile(dir.File(name)).empty()) << name << " must stay";
    }
    for (const std::string& name : Names(row.mustNotExist)) {
        EXPECT_FALSE(FileExists(dir.File(name))) << name << " must not be made, or be removed";
    }
    EXPECT_TRUE(FileExists("/dev/full"));
}

INSTANTIATE_TEST_SUITE_P(Rows, Faults, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<FaultRow>& row) { return std::string(row.param.name); });

}  // namespace
