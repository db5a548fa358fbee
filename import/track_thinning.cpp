#include "track_thinning.h"

#include <cmath>
#include <utility>

#include "local_metres.h"

namespace {

// The point farthest from the leg from points[a] to points[b] among those
// between them, and its squared distance in square metres. Positions are
// projected around points[a]; a leg of no length measures from its start.
// Squared distances are compared times the leg's squared length, which
// spares a division a point: the distance across the leg is then the cross
// product alone.
std::pair<size_t, double> FarthestFromLeg(const BlockList<GpxPoint>& points, size_t a, size_t b) {
    const GpxPoint& start = points[a];
    double metresPerLonDeg = MetresPerLonDeg(start.LatDeg);
    double legX = (points[b].LonDeg - start.LonDeg) * metresPerLonDeg;
    double legY = (points[b].LatDeg - start.LatDeg) * kMetresPerLatDeg;
    double legSquared = legX * legX + legY * legY;
    double scale = legSquared > 0.0 ? legSquared : 1.0;
    size_t farthest = a + 1;
    double farthestScaled = -1.0;
    for (size_t i = a + 1; i < b; ++i) {
        double x = (points[i].LonDeg - start.LonDeg) * metresPerLonDeg;
        double y = (points[i].LatDeg - start.LatDeg) * kMetresPerLatDeg;
        double along = x * legX + y * legY;
        double scaled;
        if (along <= 0.0) {
            scaled = (x * x + y * y) * scale;
        } else if (along >= legSquared) {
            scaled = ((x - legX) * (x - legX) + (y - legY) * (y - legY)) * scale;
        } else {
            double across = x * legY - y * legX;
            scaled = across * across;
        }
        if (scaled > farthestScaled) {
            farthest = i;
            farthestScaled = scaled;
        }
    }
    return {farthest, farthestScaled / scale};
}

}  // namespace

void ThinSegment(const BlockList<GpxPoint>& points, size_t first, size_t last, double toleranceM,
                 std::vector<uint8_t>& keep) {
    keep[first] = 1;
    keep[last] = 1;
    if (toleranceM <= 0.0) {
        for (size_t i = first; i <= last; ++i) keep[i] = 1;
        return;
    }
    double toleranceSquared = toleranceM * toleranceM;
    size_t budget = kThinningScansPerPoint * (last - first + 1);
    std::vector<std::pair<size_t, size_t>> legs{{first, last}};
    while (!legs.empty()) {
        auto [a, b] = legs.back();
        legs.pop_back();
        if (b - a < 2) continue;
        if (budget < b - a - 1) {
            for (size_t i = a + 1; i < b; ++i) keep[i] = 1;
            continue;
        }
        budget -= b - a - 1;
        auto [farthest, squared] = FarthestFromLeg(points, a, b);
        if (squared <= toleranceSquared) continue;
        keep[farthest] = 1;
        legs.push_back({farthest, b});
        legs.push_back({a, farthest});
    }
}
