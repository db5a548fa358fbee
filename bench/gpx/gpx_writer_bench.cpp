// The GPX waypoint writer alone, without reading a WayFile: fills a run
// with N waypoints and times WriteGpxFile into the given file.
// Usage: gpx_writer_bench N FILE
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "gpx_writer.h"
#include "run_timestamp.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: gpx_writer_bench N FILE\n");
        return 1;
    }
    long count = std::atol(argv[1]);
    char timestamp[kRunTimestampSize];
    MakeRunTimestamp(0, timestamp);
    WaypointRecords records;
    for (long i = 0; i < count; ++i) {
        Waypoint waypoint;
        char id[kWayIdMax + 1];
        std::snprintf(id, sizeof id, "W%07ld", i);
        waypoint.WayID = KeepCString(records.Texts, id);
        waypoint.Lat = 50 + static_cast<double>(i % 1000) * 0.001;
        waypoint.Long = -5 + static_cast<double>(i / 1000) * 0.001;
        waypoint.Elev = static_cast<double>(i % 900);
        waypoint.Desc = KeepText(records.Texts, "Point " + std::to_string(i));
        WidenBounds(records.Bounds, waypoint, records.List.empty());
        records.List.push_back(waypoint);
    }
    auto start = std::chrono::steady_clock::now();
    int status = WriteGpxFile(argv[2], records.List, records.Bounds, SymbolTable{}, timestamp, 1.0, GpxPaths{});
    std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    std::printf("%.3f\n", seconds.count());
    return status;
}
