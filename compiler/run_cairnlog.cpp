#include "run_cairnlog.h"

#include <cstdio>
#include <new>
#include <utility>

#include "command_line.h"
#include "convert_to_grid.h"
#include "gpx_writer.h"
#include "guide.h"
#include "guide_layout.h"
#include "input_file.h"
#include "list_checks.h"
#include "out_of_memory.h"
#include "output_names.h"
#include "report.h"
#include "route_card.h"
#include "route_measures.h"
#include "wayfile_reader.h"

namespace {

// Reads the whole WayFile named by files into run. Returns 0, or 1 when it
// can't be opened (a directory counts as a file that cannot be opened) or
// read, after the message; line faults only set run.reading.FailFlag.
int ReadWayFileNamed(RunState& run) {
    const char* name = run.files.WayFilename.c_str();
    std::FILE* file = OpenInputFile(name);
    if (!file) {
        std::fprintf(stderr, "can't open WSG84 WaypointFile %s\n", name);
        return 1;
    }
    run.reading.WayFilename = name;
    run.settings.RowsPerColumn = RowsPerColumnOf(run.settings, run.settings.Bands);
    ReadWayFile(file, run.reading, run.settings, run.symbols, run.waypoints);
    int readFailed = std::ferror(file);
    std::fclose(file);
    if (readFailed) std::fprintf(stderr, "Oops, can't read %s\n", name);
    return readFailed ? 1 : 0;
}

}  // namespace

int RunCairnlog(int argc, char** argv, RunState& run) {
    std::set_new_handler(ExitOutOfMemory);
    FileNames& files = run.files;
    WaypointList& list = run.waypoints.List;

    OutputRequests requests;
    int exitStatus = 0;
    if (ParseCommandLine(argc, argv, files, requests, exitStatus)) return exitStatus;
    if (DeriveOutputNames(requests, files)) return 1;
    SetDefaultTitle(files.WayFilename, run.settings);
    InitSymbolTable(run.symbols);

    if (ReadWayFileNamed(run)) return 1;
    if (run.reading.FailFlag) return 1;  // every line fault has been reported
    if (list.empty()) {
        std::fprintf(stderr, "Oops, No waypoints found in %s\n", files.WayFilename.c_str());
        return 1;
    }
    if (CheckDuplicateIds(list)) return 1;
    long long duplicatePositions = CountDuplicatePositions(list);
    WarnLongIds(list, run.settings.MaxId);
    MarkSegmentStarts(list, run.symbols);

    // The outputs follow; any that fails ends the run with status 1, and
    // outputs already written stay on disk. An output named as the WayFile
    // ends the run with status 0, nothing written.
    if (run.Clock == 0) run.Clock = std::time(nullptr);
    MakeRunTimestamp(run.Clock, run.RunTimestamp);
    if (CheckOutputNames(files)) return 0;
    if (CheckOutputsDistinct(files)) return 1;

    if (files.GpxFilename[0] != '\0' &&
        WriteGpxFile(files.GpxFilename, list, run.waypoints.Bounds, run.symbols, run.RunTimestamp,
                     MetresPerElevationUnit(run.settings), GpxPathsOf(run.settings, run.waypoints.Stages)))
        return 1;
    RouteCard card;
    if (files.RptFilename[0] != '\0' || files.PdfFilename[0] != '\0') {
        if (ConvertToGrid(list, GridParamsFor(run.settings.GridSystem), files.WayFilename.c_str(),
                          MetresPerElevationUnit(run.settings))) {
            return 1;
        }
        if (run.settings.RouteCard) card.Stages = std::move(run.waypoints.Stages);
        AccumulateRoute(list, run.symbols, run.settings, run.settings.RouteCard ? &card : nullptr);
    }
    const RouteCard* cardShown = run.settings.RouteCard ? &card : nullptr;
    if (files.RptFilename[0] != '\0' && WriteReportFile(files.RptFilename, list, run.settings, cardShown)) return 1;
    if (files.PdfFilename[0] != '\0' && WriteGuide(list, run.settings, files, cardShown)) return 1;

    std::fprintf(stderr, "Note: %zu Waypoints found in %s\n", list.size(), files.WayFilename.c_str());
    if (duplicatePositions != 0) {
        std::fprintf(stderr, "Note: %lld duplicate lat/lon found in %s\n", duplicatePositions,
                     files.WayFilename.c_str());
    }
    return 0;
}
