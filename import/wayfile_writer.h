// Writing the WayFile that cairnlog reads: a header of directives (title,
// grid, the path's rule, a letter and symbol for each kind of place, the
// route card with the bends as via points, the path as the GPS file's
// route), then one waypoint line a row:
// C001... for the path, a letter for each waypoint symbol (P01... for
// points of interest without one), stages before the rows that begin them,
// each line short enough for cairnlog to read whole.
#pragma once

#include <cstddef>
#include <cstdio>

#include "gpx_reader.h"
#include "grid_of_place.h"
#include "path_plan.h"

constexpr size_t kWayFileLineMax = 253;   // bytes before the LF: cairnlog reads 254 with it
constexpr int kPathIdDigitsMin = 3;       // C001
constexpr int kPoiIdDigitsMin = 2;        // P01
constexpr char kPathLetter = 'C';         // the path, and the places on it without a symbol
constexpr char kPoiLetter = 'P';          // the points of interest without a symbol
constexpr const char* kDefaultPoiSymbol = "Pin, Green";

// The letter of each row: a symbol's own letter for the places on the path
// and another for those beside it, in order of first appearance, its
// first letter when free; C and P for the places without one.
struct RowLetters {
    std::vector<char> OfRow;                // one for each row of the plan
    std::vector<char> Order;                // each letter used by a place, in order of first appearance
    std::vector<uint32_t> SymbolOf;         // by letter a..z: 1 + index into GpxData::Symbols; 0 none
    std::vector<uint8_t> OnPath;            // by letter a..z: its places lie on the path
};

RowLetters LetterRows(const GpxData& data, const PathPlan& plan);

// Writes the WayFile to file. Returns 0 when every write succeeded so far
// (the caller closes the file and checks the close), 1 otherwise.
int WriteWayFile(std::FILE* file, const GpxData& data, const PathPlan& plan, PlaceGrid grid);
