// Fuzz target: any bytes as a WayFile, through the reader with its
// directives and layout bookkeeping, then, when the file was read without
// a line error, the whole-list checks, as a run does them. The records'
// limits and the layout bookkeeping's sums are checked on every input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "fuzz_check.h"
#include "list_checks.h"
#include "guide_layout.h"
#include "settings.h"
#include "wayfile_reader.h"
#include "waypoint.h"

namespace {

void CheckRecords(const RunState& run) {
    FUZZ_CHECK(static_cast<std::size_t>(run.WaypointCount) == run.Waypoints.size());
    long long blankRows = 0;
    int previousLine = 0;
    for (const Waypoint& waypoint : run.Waypoints) {
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
    if (run.FailFlag) return;
    for (const Waypoint& waypoint : run.Waypoints) {
        FUZZ_CHECK(run.Bounds.MinLat <= waypoint.Lat && waypoint.Lat <= run.Bounds.MaxLat);
        FUZZ_CHECK(run.Bounds.MinLong <= waypoint.Long && waypoint.Long <= run.Bounds.MaxLong);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;  // fmemopen refuses an empty buffer
    std::FILE* file = fmemopen(const_cast<std::uint8_t*>(data), size, "r");
    if (!file) return 0;
    RunState run;
    run.WayFilename = "walk.txt";
    InitSymbolTable(run.symbols);
    run.settings.RowsPerColumn = RowsPerColumnOf(run.settings, run.settings.Bands);
    ReadWayFile(file, run);
    std::fclose(file);
    CheckRecords(run);
    if (run.FailFlag || run.WaypointCount == 0) return 0;
    CheckDuplicateIds(run);
    CountDuplicatePositions(run);
    WarnLongIds(run);
    return 0;
}
