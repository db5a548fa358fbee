#include "run_gpx2wayfile.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "gpx_reader.h"
#include "gpx_text.h"
#include "grid_of_place.h"
#include "input_file.h"
#include "out_of_memory.h"
#include "output_file.h"
#include "path_plan.h"
#include "print_wrapped.h"
#include "same_file.h"
#include "text_line.h"
#include "wayfile_writer.h"

namespace {

const char* const kUsageText[] = {
    "Usage: gpx2wayfile [-t METRES] [-n METRES] [-o WayFile] FILE.gpx...",
    "Creates a WayFile for cairnlog from GPX files: the routes, or the tracks thinned to the bends "
    "that matter, become the path C001, C002, ..., its bends via points of the route card and each "
    "route or track a stage; a waypoint near the path becomes a point of it in path order, one "
    "farther away a point of interest placed after the path point it lies nearest to, each waypoint "
    "symbol with a letter of its own.  The WayFile goes to standard output unless -o names a file.",
    "  Options:",
    "         -h - This usage text (also --help; --version prints the version)",
    "  -n METRES - Waypoints within METRES of the path are points of it (default 50)",
    "    -o file - Write the WayFile to 'file' instead",
    "  -t METRES - Thin the track to METRES (default 25; 0 keeps every point)",
    ("Version " GPX2WAYFILE_VERSION),  // parentheses tell clang the join is meant
    "Tessaron Engineering - https://www.tessaron.example",
    "",
};

constexpr double kDistanceMaxM = 1.0e7;  // a quarter of the Earth's circumference, metres

// The value of an option: the rest of its argument ("-t10") or the next
// argument ("-t 10"); nullptr when there is none.
const char* OptionValue(int argc, char** argv, int& i) {
    if (argv[i][2] != '\0') return argv[i] + 2;
    return i + 1 < argc ? argv[++i] : nullptr;
}

// Returns 0, or 1 when text is no distance from 0 to kDistanceMaxM metres.
int ReadDistance(const char* text, double& distanceM) {
    const char* end = text + std::strlen(text);
    std::from_chars_result result = std::from_chars(text, end, distanceM);
    if (result.ec != std::errc() || result.ptr != end || !(distanceM >= 0.0 && distanceM <= kDistanceMaxM)) {
        return 1;
    }
    return 0;
}

// Whether cairnlog -g on the WayFile outputName would write its GPX file,
// the WayFile's name with ".gpx" in place of its extension, over gpxName.
bool CairnlogGpxIs(const char* outputName, const char* gpxName) {
    const char* extension = FindExtension(outputName);
    size_t cut = *extension ? static_cast<size_t>(extension - 1 - outputName) : std::strlen(outputName);
    std::string written = std::string(outputName, cut) + ".gpx";
    return SameFile(written.c_str(), gpxName);
}

// Refuses an -o name that is, or whose cairnlog GPX would be, a file being
// read. Returns 0, or 1 after the message.
int CheckOutputName(const ImportOptions& options) {
    if (!options.OutputName) return 0;
    for (const char* gpxName : options.GpxFilenames) {
        if (SameFile(options.OutputName, gpxName)) {
            std::fprintf(stderr, "Oops, output file %s would overwrite the GPX file\n", options.OutputName);
            return 1;
        }
        if (CairnlogGpxIs(options.OutputName, gpxName)) {
            std::fprintf(stderr, "Oops, cairnlog -g %s would write over the GPX file %s: choose another -o name\n",
                         options.OutputName, gpxName);
            return 1;
        }
    }
    return 0;
}

// The name of a file without its folder and extension.
std::string BaseName(const char* name) {
    const char* slash = std::strrchr(name, '/');
    const char* start = slash ? slash + 1 : name;
    const char* extension = FindExtension(start);
    size_t length = *extension ? static_cast<size_t>(extension - 1 - start) : std::strlen(start);
    return std::string(start, length);
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
int WriteWayFileNamed(const char* name, const GpxData& data, const PathPlan& plan, PlaceGrid grid) {
    if (!name) {
        int failed = WriteWayFile(stdout, data, plan, grid) != 0 || std::fflush(stdout) != 0 || std::ferror(stdout);
        if (failed) std::fprintf(stderr, "Oops, can't write standard output\n");
        return failed;
    }
    std::FILE* file = std::fopen(name, "w");
    if (!file) {
        std::fprintf(stderr, "Can't open WayFile %s for write\n", name);
        return 1;
    }
    int failed = FinishOutputFile(file, name, WriteWayFile(file, data, plan, grid));
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
            options.GpxFilenames.push_back(argument);
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
        } else if (argument[1] == 't' || argument[1] == 'n') {
            char option = argument[1];
            const char* value = OptionValue(argc, argv, i);
            if (!value) {
                std::fprintf(stderr, "Oops, -%c needs a distance in metres\n", option);
                return 1;
            }
            if (ReadDistance(value, option == 't' ? options.ToleranceM : options.NearM) != 0) {
                std::fprintf(stderr, "Oops, -%c needs a distance in metres from 0 to 10000000, not %s\n", option,
                             value);
                return 1;
            }
        } else {
            std::fprintf(stderr, "Unknown option %s\n", argument);
            PrintWrapped(stderr, kUsageText);
            return 1;
        }
    }
    if (options.GpxFilenames.empty()) {
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
    if (CheckOutputName(options)) return 1;
    GpxData data;
    // Of each file read: whether it held tracks, and whether routes.
    std::vector<std::pair<bool, bool>> held;
    for (const char* gpxName : options.GpxFilenames) {
        size_t waypoints = data.Waypoints.size();
        size_t routePoints = data.RoutePoints.size();
        size_t trackPoints = data.TrackPoints.size();
        if (ReadGpxNamed(gpxName, data)) return 1;
        if (data.Waypoints.size() == waypoints && data.RoutePoints.size() == routePoints &&
            data.TrackPoints.size() == trackPoints) {
            std::fprintf(stderr, "Oops, no wpt, rtept or trkpt in %s\n", gpxName);
            return 1;
        }
        held.push_back({data.TrackPoints.size() > trackPoints, data.RoutePoints.size() > routePoints});
    }
    PathPlan plan = PlanPath(data, {options.ToleranceM, options.NearM});
    if (plan.Title.empty()) plan.Title = WayFileText(BaseName(options.GpxFilenames[0]), kTitleBytes);
    for (size_t f = 0; plan.TracksLeftOut && f < held.size(); ++f) {
        if (!held[f].first) continue;
        if (held[f].second) {
            std::fprintf(stderr, "Note: the path follows the routes of %s; its tracks are left out\n",
                         options.GpxFilenames[f]);
        } else {
            std::fprintf(stderr, "Note: the path follows the routes given; the tracks of %s are left out\n",
                         options.GpxFilenames[f]);
        }
    }
    PlaceGrid grid = GridOfPlace(data, plan);
    if (WriteWayFileNamed(options.OutputName, data, plan, grid)) return 1;
    const char* written = options.OutputName ? options.OutputName : "standard output";
    size_t pathPointsRead = data.RoutePoints.empty() ? data.TrackPoints.size() : data.RoutePoints.size();
    size_t pathRows = 0;
    size_t noHeight = 0;
    for (const PlanRow& row : plan.Rows) {
        if (row.Kind != kPathRow) continue;
        ++pathRows;
        noHeight += plan.Path[row.Index]->ElevM == kNoElevation;
    }
    if (pathPointsRead == 0) {
        std::fprintf(stderr, "Note: %zu points of interest written to %s\n", plan.Pois.size(), written);
    } else if (plan.NamedPlaces == 0) {
        std::fprintf(stderr, "Note: %zu path points (of %zu read) and %zu points of interest written to %s\n",
                     pathRows, pathPointsRead, plan.Pois.size(), written);
    } else {
        std::fprintf(stderr,
                     "Note: %zu path points (of %zu read), %zu named places on the path and %zu points of "
                     "interest written to %s\n",
                     pathRows, pathPointsRead, plan.NamedPlaces, plan.Pois.size(), written);
    }
    if (noHeight > 0) {
        std::fprintf(stderr, "Note: %zu of %zu path points have no elevation; the route card leaves out their climbs\n",
                     noHeight, pathRows);
    }
    if (size_t outside = RowsOutsideGrid(data, plan, grid)) {
        std::fprintf(stderr, "Note: %zu points lie outside the %s grid; cairnlog -r and -p will refuse them\n",
                     outside, grid == kPlaceGridIrish ? "Irish" : "OSGB");
    }
    return 0;
}
