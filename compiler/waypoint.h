// The waypoint compiler's records and run state: the Waypoint record, the
// waypoint list, the bounding box, the symbol table, the settings set by
// directives, and the one RunState that carries all of them through a run.
// Later passes update records in place; the writers only read them.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

#include "block_list.h"
#include "text_arena.h"

constexpr int kWayIdMax = 31;         // characters in an ID
constexpr int kDescMax = 255;         // characters in a description
constexpr int kSymNameMax = 31;       // characters in a GPS symbol name
constexpr int kTitleMax = 20;         // characters in the guide title
constexpr int kFilenameMax = 255;     // characters in an output name
constexpr int kSymbolEntries = 27;    // entry 0 default, 1..26 letters a..z

constexpr int kSquareLettersMax = 2;  // two letters on the OSGB grid, one on the Irish grid

// One waypoint line of the WayFile. A million of them are held at once, so
// the texts live in the run's Texts and the fields are ordered and sized to
// leave no padding.
struct Waypoint {
    const char* WayID = "";           // at most kWayIdMax characters
    std::string_view Desc;            // no trailing blanks, at most kDescMax
    double Lat = 0.0;                 // WGS-84 degrees, as read
    double Long = 0.0;
    double Elev = 0.0;                // as read, 0 when the line gave none
    double GridN = 0.0;               // grid northing, metres, unrounded
    double GridE = 0.0;               // grid easting, metres, unrounded
    double Distance = -1.0;           // accumulated, in the distance units
    double Grade = 0.0;               // percent
    int32_t LineNo = 0;               // 1-based WayFile line number
    int32_t RowSpan = 1;              // guide rows: itself plus blank rows after it
    int32_t SquareN = 0;              // whole metres within the 100 km square
    int32_t SquareE = 0;
    char SquareLetters[kSquareLettersMax + 1] = {};
    uint8_t SegmentStart = 0;         // flag: a distance run begins here
    uint8_t HasDistance = 0;          // flag: Distance holds a value
    uint8_t HasGrade = 0;             // flag: Grade holds a value
};
static_assert(sizeof(Waypoint) == 104, "no padding in the record");

// Records in file order. They never move as the list grows, so the tail
// stays valid and a million waypoints are never copied.
using WaypointList = BlockList<Waypoint>;

struct BoundingBox {
    double MinLat = 0.0;
    double MaxLat = 0.0;
    double MinLong = 0.0;
    double MaxLong = 0.0;
};

enum DistanceRule : int32_t { RULE_NONE = 0, RULE_ALL = 1, RULE_CONTINUOUS = 2 };

struct SymbolEntry {
    char SymLetter = '\0';            // lower-case letter; NUL for entry 0
    char SymName[kSymNameMax + 1] = "Waypoint";
    int32_t Rule = RULE_NONE;
    double PrevGridE = 0.0;           // previous measured waypoint of the letter
    double PrevGridN = 0.0;
    double PrevElev = 0.0;
    double SumDistance = 0.0;         // metres since the letter's last segment start
};

struct SymbolTable {
    SymbolEntry Entries[kSymbolEntries];
};

// The entry a waypoint's first character selects: 1 for a or A up to 26
// for z or Z; 0, the default entry, for anything else.
inline int SymbolEntryOf(char c) {
    if (c >= 'a' && c <= 'z') return c - 'a' + 1;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 1;
    return 0;
}

constexpr int kGridOsgb = 1;
constexpr int kGridIrish = 2;
constexpr int kUnitsMiles = 0;
constexpr int kUnitsKm = 1;

// Directive-controlled values with their defaults, and the guide's layout
// bookkeeping. Lengths in inches unless named otherwise.
struct Settings {
    int MaxId = 14;
    int DistanceUnits = kUnitsMiles;
    double DistanceTweak = 1.0;
    int GridSystem = kGridOsgb;
    int ElevationUnits = 0;           // 0 meters, 1 feet
    int SplitSheet = 1;
    int Bands = 2;                    // always SplitSheet + 1
    double FieldWidthWp = 0.25;
    double FieldWidthGrid = 0.35;
    double FieldWidthElev = 0.25;
    double FieldWidthDesc = 1.0;
    double FieldHeight = 0.2;
    double Gutter = 0.1;
    double Borders = 0.25;
    double SheetWidth = 8.5;
    double SheetHeight = 11.0;
    double FontSize = 6.0;            // points
    char Title[kTitleMax + 1] = {};

    int RowsPerColumn = 0;            // waypoint rows in one guide column
    int InsertedRows = 0;             // blank rows inserted so far
    int BlankLineRequest = 0;         // per line, cleared before every line
    int NewColumnRequest = 0;
};

// Everything one cairnlog run owns, from the command line to the exit.
struct RunState {
    std::string WayFilename;          // as typed
    char GpxFilename[kFilenameMax + 1] = {};
    char PdfFilename[kFilenameMax + 1] = {};
    char RptFilename[kFilenameMax + 1] = {};

    Settings settings;
    SymbolTable symbols;

    TextArena Texts;                  // the waypoints' IDs and descriptions
    WaypointList Waypoints;
    int WaypointCount = 0;
    BoundingBox Bounds;

    int LineNo = 1;                   // current WayFile line
    int FailFlag = 0;                 // a line error was reported

    std::time_t Clock = 0;            // the run's one reading of the clock
    char RunTimestamp[21] = {};       // yyyy-mm-ddThh:mm:ssZ, UTC
};
