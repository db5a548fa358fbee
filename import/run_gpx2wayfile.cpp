#include "run_gpx2wayfile.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <new>

#include "gpx_reader.h"
#include "input_file.h"
#include "out_of_memory.h"
#include "output_file.h"
#include "path_plan.h"
#include "print_wrapped.h"
#include "same_file.h"
#include "wayfile_writer.h"

namespace {

const char* const kUsageText[] = {
    "Usage: gpx2wayfile [-t METRES] [-o WayFile] FILE.gpx",
    "Creates a WayFile for cairnlog from a GPX file: the route, or the track thinned to the bends "
    "that matter, becomes the path C001, C002, ...; each waypoint becomes a point of interest "
    "P01, P02, ... placed after the path point it lies nearest to.  The WayFile goes to standard "
    "output unless -o names a file.",
    "  Options:",
    "         -h - This usage text (also --help; --version prints the version)",
    "    -o file - Write the WayFile to 'file' instead",
    "  -t METRES - Thin the track to METRES (default 25; 0 keeps every point)",
    ("Version " GPX2WAYFILE_VERSION),  // parentheses tell clang the join is meant
    "Tessaron Engineering - https://www.tessaron.example",
    "",
};

constexpr double kToleranceMaxM = 1.0e7;  // a quarter of the Earth's circumference, metres

// The value of an option: the rest of its argument ("-t10") or the next
// argument ("-t 10"); nullptr when there is none.
const char* OptionValue(int argc, char** argv, int& i) {
    if (argv[i][2] != '\0') return argv[i] + 2;
    return i + 1 < argc ? argv[++i] : nullptr;
}

// Returns 0, or 1 when text is no distance from 0 to kToleranceMaxM metres.
int ReadTolerance(const char* text, double& toleranceM) {
    const char* end = text + std::strlen(text);
    std::from_chars_result result = std::from_chars(text, end, toleranceM);
    if (result.ec != std::errc() || result.ptr != end || !(toleranceM >= 0.0 && toleranceM <= kToleranceMaxM)) {
        return 1;
    }
    return 0;
}

int ReadGpxNamed(const char* name, GpxData& data) {
    std::FILE* file = OpenInputFile(name);
    if (!file) {
        std::fprintf(stderr, "can't open GPX file %s\n", name);
        return 1;
    }
    GpxFault fault;
    int failed = ReadGpx(file, data, fault);
    std::fclose(file);
    if (!failed) return 0;
    if (fault.OutOfMemory) ExitOutOfMemory();
    if (fault.ReadFailed) {
        std::fprintf(stderr, "Oops, can't read %s\n", name);
    } else {
        std::fprintf(stderr, "Oops, %s is not GPX: %s, line %lu\n", name, fault.Reason.c_str(), fault.Line);
    }
    return 1;
}

// Writes the WayFile to the file named, or to standard output without a
// name. A file left incomplete by a failed write is removed.
int WriteWayFileNamed(const char* name, const GpxData& data, const PathPlan& plan) {
    if (!name) {
        int failed = WriteWayFile(stdout, data, plan) != 0 || std::fflush(stdout) != 0 || std::ferror(stdout);
        if (failed) std::fprintf(stderr, "Oops, can't write standard output\n");
        return failed;
    }
    std::FILE* file = std::fopen(name, "w");
    if (!file) {
        std::fprintf(stderr, "Can't open WayFile %s for write\n", name);
        return 1;
    }
    int failed = FinishOutputFile(file, name, WriteWayFile(file, data, plan));
    if (failed) std::fprintf(stderr, "Oops, can't write %s\n", name);
    return failed;
}

}  // namespace

int ParseImportCommandLine(int argc, char** argv, ImportOptions& options, int& exitStatus) {
    exitStatus = 1;
    if (argc < 2) {
        PrintWrapped(stdout, kUsageText);
        exitStatus = 0;
        return 1;
    }
    bool optionsEnd = false;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (optionsEnd || argument[0] != '-' || argument[1] == '\0') {
            if (options.GpxFilename) {
                std::fprintf(stderr, "Oops, one GPX file at a time: %s\n", argument);
                return 1;
            }
            options.GpxFilename = argument;
        } else if (std::strcmp(argument, "--") == 0) {
            optionsEnd = true;
        } else if (std::strcmp(argument, "-h") == 0 || std::strcmp(argument, "--help") == 0) {
            PrintWrapped(stdout, kUsageText);
            exitStatus = 0;
            return 1;
        } else if (std::strcmp(argument, "--version") == 0) {
            std::fputs("gpx2wayfile " GPX2WAYFILE_VERSION "\n", stdout);
            exitStatus = 0;
            return 1;
        } else if (argument[1] == 'o') {
            options.OutputName = OptionValue(argc, argv, i);
            if (!options.OutputName) {
                std::fprintf(stderr, "Oops, -o needs a file name\n");
                return 1;
            }
        } else if (argument[1] == 't') {
            const char* value = OptionValue(argc, argv, i);
            if (!value) {
                std::fprintf(stderr, "Oops, -t needs a distance in metres\n");
                return 1;
            }
            if (ReadTolerance(value, options.ToleranceM) != 0) {
                std::fprintf(stderr, "Oops, -t needs a distance in metres from 0 to 10000000, not %s\n", value);
                return 1;
            }
        } else {
            std::fprintf(stderr, "Unknown option %s\n", argument);
            PrintWrapped(stderr, kUsageText);
            return 1;
        }
    }
    if (!options.GpxFilename) {
        std::fprintf(stderr, "Oops, no GPX file given\n");
        return 1;
    }
    return 0;
}

int RunGpx2WayFile(int argc, char** argv) {
    std::set_new_handler(ExitOutOfMemory);
    ImportOptions options;
    int exitStatus = 0;
    if (ParseImportCommandLine(argc, argv, options, exitStatus)) return exitStatus;
    const char* gpxName = options.GpxFilename;
    if (options.OutputName && SameFile(options.OutputName, gpxName)) {
        std::fprintf(stderr, "Oops, output file %s would overwrite the GPX file\n", options.OutputName);
        return 1;
    }
    GpxData data;
    if (ReadGpxNamed(gpxName, data)) return 1;
    if (data.Waypoints.empty() && data.RoutePoints.empty() && data.TrackPoints.empty()) {
        std::fprintf(stderr, "Oops, no wpt, rtept or trkpt in %s\n", gpxName);
        return 1;
    }
    PathPlan plan = PlanPath(data, options.ToleranceM);
    if (plan.TracksLeftOut) {
        std::fprintf(stderr, "Note: the path follows the routes of %s; its tracks are left out\n", gpxName);
    }
    if (WriteWayFileNamed(options.OutputName, data, plan)) return 1;
    const char* written = options.OutputName ? options.OutputName : "standard output";
    size_t pathPointsRead = data.RoutePoints.empty() ? data.TrackPoints.size() : data.RoutePoints.size();
    if (pathPointsRead == 0) {
        std::fprintf(stderr, "Note: %zu points of interest written to %s\n", plan.Pois.size(), written);
    } else {
        std::fprintf(stderr, "Note: %zu path points (of %zu read) and %zu points of interest written to %s\n",
                     plan.Path.size(), pathPointsRead, plan.Pois.size(), written);
    }
    return 0;
}
