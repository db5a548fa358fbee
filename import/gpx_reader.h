// Reading a GPX 1.0 or 1.1 file with expat in one streaming pass: the
// waypoints (wpt) with their names and symbols, route points (rtept) and
// track points (trkpt, segment by segment) with their positions, elevations
// and texts, each route and track with its name, and the file's own name.
// Several files read into one GpxData are joined in the order read.
// Unknown elements and extensions are passed over.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "block_list.h"
#include "text_arena.h"

constexpr int32_t kNoElevation = INT32_MIN;
constexpr double kElevationLimitM = 100000.0;  // an ele beyond this many metres is no elevation
constexpr size_t kPointTextMax = 255;          // bytes of a point's text: cairnlog's description limit
constexpr size_t kTitleBytes = 20;             // bytes of cairnlog's guide title
constexpr size_t kSymbolBytes = 31;            // bytes of a cairnlog symbol name

// One point of the file. A track may hold millions, so the record is small
// and its text, when it has one, lives in GpxData::Texts.
struct GpxPoint {
    double LatDeg = 0.0;              // WGS-84
    double LonDeg = 0.0;
    int32_t ElevM = kNoElevation;     // whole metres, rounded half to even
    uint32_t TextIndex = 0;           // 1 + index into GpxData::Texts; 0 for none
};
static_assert(sizeof(GpxPoint) == 24, "no padding in the record");

// A route or a track that has points: they end before End in RoutePoints
// or TrackPoints.
struct GpxPiece {
    size_t End = 0;
    std::string Name;                      // cleaned; may be empty
};

// What a waypoint has beyond its point: its name alone, to tell one place
// listed twice, and its symbol.
struct GpxWaypointTags {
    std::string Name;                      // cleaned
    uint32_t Symbol = 0;                   // 1 + index into GpxData::Symbols; 0 for none fit for #SYM
};

struct GpxData {
    BlockList<GpxPoint> Waypoints;
    std::vector<GpxWaypointTags> WaypointTags;  // one for each waypoint
    std::vector<std::string> Symbols;      // each distinct waypoint sym fit for #SYM, in order of first appearance
    BlockList<GpxPoint> RoutePoints;       // every route, joined in file order
    BlockList<GpxPoint> TrackPoints;       // every track segment, joined in file order
    std::vector<size_t> TrackSegmentEnds;  // end of each non-empty segment in TrackPoints
    std::vector<GpxPiece> Routes;          // in file order
    std::vector<GpxPiece> Tracks;
    TextArena TextStore;
    BlockList<std::string_view> Texts;     // cleaned point texts, in TextStore, each NUL-terminated
    std::string Title;                     // the first metadata name (or GPX 1.0 gpx name) read; cleaned
};

// The text of a point, empty when it has none; a NUL follows it.
std::string_view PointTextOf(const GpxData& data, const GpxPoint& point);

// Why a file could not be read.
struct GpxFault {
    int ReadFailed = 0;        // the file could not be read (a disk error)
    int OutOfMemory = 0;
    std::string Reason;        // otherwise what is wrong with it
    unsigned long Line = 0;    // and where
};

// Reads a whole GPX file into data, after what it holds. Returns 0, or 1
// with fault filled.
int ReadGpx(std::FILE* file, GpxData& data, GpxFault& fault);
