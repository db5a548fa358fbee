#include "run_cairnlog.h"

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <new>

#include "command_line.h"
#include "convert_to_grid.h"
#include "gpx_writer.h"
#include "guide.h"
#include "guide_layout.h"
#include "input_file.h"
#include "list_checks.h"
#include "output_names.h"
#include "report.h"
#include "route_measures.h"
#include "run_timestamp.h"
#include "settings.h"
#include "wayfile_reader.h"

namespace {

void OutOfMemory() {
    std::fputs("Oops, can't get memory\n", stderr);
    std::exit(1);
}

// Opens the WayFile for reading; a directory counts as a file that cannot
// be opened. Returns nullptr after the message.
std::FILE* OpenWayFile(const RunState& run) {
    const char* name = run.WayFilename.c_str();
    std::FILE* file = OpenInputFile(name);
    if (!file) std::fprintf(stderr, "can't open WSG84 WaypointFile %s\n", name);
    return file;
}

// Reads the whole WayFile into run. Returns 0, or 1 when it can't be opened
// or read (the message printed); line errors only set run.FailFlag.
int ReadWayFileNamed(RunState& run) {
    std::FILE* file = OpenWayFile(run);
    if (!file) return 1;
    run.settings.RowsPerColumn = RowsPerColumnOf(run.settings, run.settings.Bands);
    ReadWayFile(file, run);
    int readFailed = std::ferror(file);
    std::fclose(file);
    if (readFailed) {
        std::fprintf(stderr, "Oops, can't read %s\n", run.WayFilename.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int RunCairnlog(int argc, char** argv, RunState& run) {
    std::set_new_handler(OutOfMemory);
    // Large blocks, such as the list checks' tables, come from the heap and
    // stay there when freed, so that the next check reuses pages already
    // mapped instead of faulting in fresh ones.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);

    OutputRequests requests;
    int exitStatus = 0;
    if (ParseCommandLine(argc, argv, run, requests, exitStatus)) return exitStatus;
    if (DeriveOutputNames(requests, run)) return 1;
    SetDefaultTitle(run);
    InitSymbolTable(run.symbols);

    if (ReadWayFileNamed(run)) return 1;
    if (run.FailFlag) return 1;  // every line error has been printed
    if (run.WaypointCount == 0) {
        std::fprintf(stderr, "Oops, No waypoints found in %s\n", run.WayFilename.c_str());
        return 1;
    }
    if (CheckDuplicateIds(run)) return 1;
    long long duplicatePositions = CountDuplicatePositions(run);
    WarnLongIds(run);

    // The outputs follow; any that fails ends the run with status 1, and
    // outputs already written stay on disk.

    // Segment starts of the route measures (every run).
    MarkSegmentStarts(run);

    // The run's timestamp, then each output name against the WayFile name
    // (an equal name ends the run with status 0, nothing written).
    if (run.Clock == 0) run.Clock = std::time(nullptr);  // in-process tests may fix it
    MakeRunTimestamp(run);
    if (CheckOutputNames(run)) return 0;
    if (CheckOutputsDistinct(run)) return 1;  // one output would overwrite another

    // The GPX file, when GpxFilename is set.
    if (run.GpxFilename[0] != '\0' && WriteGpxFile(run)) return 1;

    // Grid references and route measures, when a report or a guide is wanted.
    if (run.RptFilename[0] != '\0' || run.PdfFilename[0] != '\0') {
        if (ConvertToGrid(run) != 0) return 1;
        if (AccumulateRoute(run) != 0) return 1;
    }

    // The report, when RptFilename is set.
    if (run.RptFilename[0] != '\0' && WriteReportFile(run) != 0) return 1;

    // The guide, when PdfFilename is set.
    if (run.PdfFilename[0] != '\0' && WriteGuide(run) != 0) return 1;

    std::fprintf(stderr, "Note: %d Waypoints found in %s\n", run.WaypointCount, run.WayFilename.c_str());
    if (duplicatePositions != 0) {
        std::fprintf(stderr, "Note: %lld duplicate lat/lon found in %s\n", duplicatePositions,
                     run.WayFilename.c_str());
    }
    return 0;
}
