// Thinning a track segment to the bends that matter: Douglas-Peucker with
// a tolerance in metres, run with an explicit stack so that a segment of a
// million points needs no deep recursion.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "block_list.h"
#include "gpx_reader.h"

// Points a segment's thinning may scan per point of the segment. Douglas-
// Peucker scans each part once per split; an ordinary track takes some 20
// scans a point, a contrived zigzag n/2. Past the budget every point not yet
// decided is kept, so a hostile track costs linear time and loses nothing.
constexpr size_t kThinningScansPerPoint = 64;

// Sets keep[i] to 1 for each point of points[first] to points[last]
// (inclusive) that thinning at toleranceM keeps: the first and the last,
// and every point farther than toleranceM from the leg between the kept
// points on either side of it. A toleranceM of 0 keeps every point.
// Distances are in a local equirectangular projection, in metres.
void ThinSegment(const BlockList<GpxPoint>& points, size_t first, size_t last, double toleranceM,
                 std::vector<uint8_t>& keep);
