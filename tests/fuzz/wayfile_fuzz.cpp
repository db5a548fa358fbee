// Fuzz target: any bytes as a WayFile, through the reader with its
// directives and layout bookkeeping, then, when the file was read without
// a line error, the whole-list checks, as a run does them. The records'
// limits and the layout bookkeeping's sums are checked on every input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "fuzz_check.h"
#include "guide_layout.h"
#include "list_checks.h"
#include "run_cairnlog.h"
#include "wayfile_reader.h"

namespace {

void CheckRecords(const RunState& run) {
    const WaypointList& list = run.waypoints.List;
    long long blankRows = 0;
    int previousLine = 0;
    for (const Waypoint& waypoint : list) {
        FUZZ_CHECK(std::strlen(waypoint.WayID) <= static_cast<std::size_t>(kWayIdMax));
        FUZZ_CHECK(waypoint.Desc.size() <= static_cast<std::size_t>(kDescMax));
        FUZZ_CHECK(waypoint.Desc.find('\t') == std::string::npos);
        FUZZ_CHECK(waypoint.Desc.empty() || waypoint.Desc.back() != ' ');
        FUZZ_CHECK(waypoint.LineNo > previousLine);
        FUZZ_CHECK(waypoint.RowSpan >= 1);
        previousLine = waypoint.LineNo;
        blankRows += waypoint.RowSpan - 1;
    }
    // Every blank row the guide will draw is one the bookkeeping counted.
    FUZZ_CHECK(blankRows == run.settings.InsertedRows);
    if (run.reading.FailFlag) return;
    for (const Waypoint& waypoint : list) {
        FUZZ_CHECK(run.waypoints.Bounds.MinLat <= waypoint.Lat && waypoint.Lat <= run.waypoints.Bounds.MaxLat);
        FUZZ_CHECK(run.waypoints.Bounds.MinLong <= waypoint.Long && waypoint.Long <= run.waypoints.Bounds.MaxLong);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;  // fmemopen refuses an empty buffer
    std::FILE* file = fmemopen(const_cast<std::uint8_t*>(data), size, "r");
    if (!file) return 0;
    RunState run;
    run.reading.WayFilename = "walk.txt";
    InitSymbolTable(run.symbols);
    run.settings.RowsPerColumn = RowsPerColumnOf(run.settings, run.settings.Bands);
    ReadWayFile(file, run.reading, run.settings, run.symbols, run.waypoints);
    std::fclose(file);
    CheckRecords(run);
    if (run.reading.FailFlag || run.waypoints.List.empty()) return 0;
    CheckDuplicateIds(run.waypoints.List);
    CountDuplicatePositions(run.waypoints.List);
    WarnLongIds(run.waypoints.List, run.settings.MaxId);
    return 0;
}
