// Reading a GPX 1.0 or 1.1 file with expat in one streaming pass: the
// waypoints (wpt), route points (rtept) and track points (trkpt, segment by
// segment) with their positions, elevations and texts, the title and the
// first waypoint symbol. Unknown elements and extensions are passed over.
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

struct GpxData {
    BlockList<GpxPoint> Waypoints;
    BlockList<GpxPoint> RoutePoints;       // every route, joined in file order
    BlockList<GpxPoint> TrackPoints;       // every track segment, joined in file order
    std::vector<size_t> TrackSegmentEnds;  // end of each non-empty segment in TrackPoints
    TextArena TextStore;
    BlockList<std::string_view> Texts;     // cleaned point texts, in TextStore, each NUL-terminated
    std::string Title;                     // metadata name, else first route or track name; cleaned
    std::string PoiSymbol;                 // first waypoint sym fit for #SYM, or empty
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

// Reads a whole GPX file into data. Returns 0, or 1 with fault filled.
int ReadGpx(std::FILE* file, GpxData& data, GpxFault& fault);
