// Benchmark input for the grid pass.
//   geodesy_bench generate N WayFile Positions
//     writes N waypoints spread over Great Britain as a WayFile, and the same
//     positions as "lon lat height" lines for cs2cs.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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

}  // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::strcmp(argv[1], "generate") == 0) {
        return Generate(std::atol(argv[2]), argv[3], argv[4]);
    }
    std::fprintf(stderr, "usage: geodesy_bench generate N WayFile Positions\n");
    return 1;
}
