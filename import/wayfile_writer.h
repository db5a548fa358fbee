// Writing the WayFile skeleton that cairnlog reads: a header of directives,
// then one waypoint line a point, C001... for the path and P01... for the
// points of interest, each line short enough for cairnlog to read whole.
#pragma once

#include <cstddef>
#include <cstdio>

#include "gpx_reader.h"
#include "path_plan.h"

constexpr size_t kWayFileLineMax = 253;   // bytes before the LF: cairnlog reads 254 with it
constexpr int kPathIdDigitsMin = 3;       // C001
constexpr int kPoiIdDigitsMin = 2;        // P01
constexpr const char* kDefaultPoiSymbol = "Pin, Green";

// Writes the WayFile to file. Returns 0 when every write succeeded so far
// (the caller closes the file and checks the close), 1 otherwise.
int WriteWayFile(std::FILE* file, const GpxData& data, const PathPlan& plan);
