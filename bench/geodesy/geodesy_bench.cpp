// Benchmark helper for the grid pass.
//   geodesy_bench generate N WayFile Positions
//     writes N waypoints spread over Great Britain as a WayFile, and the same
//     positions as "lon lat height" lines for cs2cs.
//   geodesy_bench report WayFile Report
//     reads the WayFile's waypoint lines and runs the grid pass, the route
//     measures and the report, as cairnlog -r does after its checks.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "convert_to_grid.h"
#include "report.h"
#include "route_measures.h"

namespace {

// A small fixed generator, so that every run measures the same points.
uint32_t NextRandom(uint32_t& state) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

double Uniform(uint32_t& state, double low, double high) {
    return low + (high - low) * (NextRandom(state) / 4294967296.0);
}

int Generate(long count, const char* wayPath, const char* positionsPath) {
    std::FILE* way = std::fopen(wayPath, "w");
    std::FILE* positions = std::fopen(positionsPath, "w");
    if (way == nullptr || positions == nullptr) return 1;
    std::fprintf(way, "#SYM_RULE.C=RULE_ALL\n#SYM_RULE.A=RULE_CONTINUOUS\n");
    uint32_t state = 20240601u;
    for (long i = 1; i <= count; ++i) {
        const double lat = Uniform(state, 50.2, 58.4);
        const double lon = Uniform(state, -5.0, 1.2);
        const double elev = static_cast<double>(NextRandom(state) % 1000);
        const char letter = (i % 7 == 0) ? 'A' : 'C';
        std::fprintf(way, "%c%07ld %.6f %.6f %.0f Point %ld\n", letter, i, lat, lon, elev, i);
        std::fprintf(positions, "%.6f %.6f %.0f\n", lon, lat, elev);
    }
    const int wayFailed = std::fclose(way) != 0;
    const int positionsFailed = std::fclose(positions) != 0;
    return wayFailed || positionsFailed;
}

int Report(const char* wayPath, const char* reportPath) {
    std::FILE* way = std::fopen(wayPath, "r");
    if (way == nullptr) return 1;
    RunState run;
    run.WayFilename = wayPath;
    std::snprintf(run.RptFilename, sizeof run.RptFilename, "%s", reportPath);
    run.symbols.Entries['c' - 'a' + 1].Rule = RULE_ALL;
    run.symbols.Entries['a' - 'a' + 1].Rule = RULE_CONTINUOUS;
    char line[256];
    int lineNo = 0;
    while (std::fgets(line, sizeof line, way) != nullptr) {
        ++lineNo;
        if (line[0] == '#') continue;
        Waypoint& waypoint = run.Waypoints.emplace_back();
        int used = 0;
        std::sscanf(line, "%31s %lf %lf %lf %n", waypoint.WayID, &waypoint.Lat, &waypoint.Long,
                    &waypoint.Elev, &used);
        waypoint.Desc.assign(line + used, std::strcspn(line + used, "\n"));
        waypoint.LineNo = lineNo;
        ++run.WaypointCount;
    }
    std::fclose(way);
    MarkSegmentStarts(run);
    if (ConvertToGrid(run) != 0 || AccumulateRoute(run) != 0) return 1;
    return WriteReportFile(run);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::strcmp(argv[1], "generate") == 0) {
        return Generate(std::atol(argv[2]), argv[3], argv[4]);
    }
    if (argc == 4 && std::strcmp(argv[1], "report") == 0) return Report(argv[2], argv[3]);
    std::fprintf(stderr, "usage: geodesy_bench generate N WayFile Positions\n"
                         "       geodesy_bench report WayFile Report\n");
    return 1;
}
