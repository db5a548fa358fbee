// The waypoint record and the list the WayFile reader builds: one Waypoint
// per waypoint line, in file order, with the texts it points into and the
// box round all positions. Later passes update records in place (grid and
// route fields); the writers only read them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "block_list.h"
#include "text_arena.h"

constexpr int kWayIdMax = 31;         // characters in an ID
constexpr int kDescMax = 255;         // characters in a description
constexpr int kSquareLettersMax = 2;  // two letters on the OSGB grid, one on the Irish grid

// One waypoint line of the WayFile. A million of them are held at once, so
// the texts live in the list's Texts and the fields are ordered and sized to
// leave no padding.
struct Waypoint {
    const char* WayID = "";           // at most kWayIdMax characters
    std::string_view Desc;            // no trailing blanks, at most kDescMax
    double Lat = 0.0;                 // WGS-84 degrees north, as read
    double Long = 0.0;                // WGS-84 degrees east, as read
    double Elev = 0.0;                // metres as read, 0 when the line gave none
    double GridN = 0.0;               // grid northing, metres, unrounded
    double GridE = 0.0;               // grid easting, metres, unrounded
    double Distance = -1.0;           // accumulated, in the distance units (miles or km)
    double Grade = 0.0;               // percent, rise over sloping length
    int32_t LineNo = 0;               // 1-based WayFile line number
    int32_t RowSpan = 1;              // guide rows: itself plus blank rows after it
    int32_t SquareN = 0;              // whole metres within the 100 km square
    int32_t SquareE = 0;              // whole metres within the 100 km square
    char SquareLetters[kSquareLettersMax + 1] = {};
    uint8_t SegmentStart = 0;         // flag: a distance run begins here
    uint8_t HasDistance = 0;          // flag: Distance holds a value
    uint8_t HasGrade = 0;             // flag: Grade holds a value
    uint8_t NoElev = 0;               // flag: the line gave no elevation, so its height is unknown
    uint8_t Via = 0;                  // flag: a via point, measured but not shown as a row
};
// Counted for 8-byte pointers; with 4-byte ones the record is smaller still.
static_assert(sizeof(void*) != 8 || sizeof(Waypoint) == 104, "no padding in the record");

// Records in file order. They never move as the list grows, so the tail
// stays valid and a million waypoints are never copied.
using WaypointList = BlockList<Waypoint>;

struct BoundingBox {
    double MinLat = 0.0;              // WGS-84 degrees
    double MaxLat = 0.0;
    double MinLong = 0.0;
    double MaxLong = 0.0;
};

// Takes waypoint's position into box; the first waypoint of a list sets it.
void WidenBounds(BoundingBox& box, const Waypoint& waypoint, bool first);

// A stage of the route card (a day, a leg of a round): the waypoints from
// First up to the next stage's First.
struct Stage {
    std::string_view Name;            // at most kStageNameMax bytes; empty before the first STAGE
    std::size_t First = 0;            // index of its first waypoint in the list
};

// The waypoints as the reader leaves them: the records, the texts their IDs
// and descriptions point into, the box round their positions, and the
// stages, which only a file with the route card has.
struct WaypointRecords {
    WaypointList List;
    TextArena Texts;
    BoundingBox Bounds;
    std::vector<Stage> Stages;
};
