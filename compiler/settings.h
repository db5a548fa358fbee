// What the directives set: the symbol table (a GPS symbol name and a
// distance rule per ID letter, with the running distance of each letter) and
// the settings with their defaults, including the guide's layout
// bookkeeping. The rows of a guide column, which the bookkeeping follows,
// come from RowsPerColumnOf (guide_layout.h). Also the metres in a unit of
// elevation.
#pragma once

#include <cstdint>

constexpr int kSymNameMax = 31;       // characters in a GPS symbol name
constexpr int kTitleMax = 20;         // characters in the guide title
constexpr int kSymbolEntries = 27;    // entry 0 default, 1..26 letters a..z
constexpr int kLettersMax = kSymbolEntries - 1;  // the ID letters a..z
// Points in one GPX route: 250 is what most handhelds hold (older ones 50);
// no unit takes more than 10,000, and a route needs two ends.
constexpr int kRoutePointsDefault = 250;
constexpr int kRoutePointsMin = 2;
constexpr int kRoutePointsMax = 10000;

enum DistanceRule : int32_t { RULE_NONE = 0, RULE_ALL = 1, RULE_CONTINUOUS = 2 };

struct SymbolEntry {
    char SymLetter = '\0';            // lower-case letter; NUL for entry 0
    char SymName[kSymNameMax + 1] = "Waypoint";
    int32_t Rule = RULE_NONE;
    int32_t PathEntry = 0;            // PATH.x=y: the entry of y, whose path x's waypoints lie on; 0 for none
    double PrevGridE = 0.0;           // metres: previous measured waypoint of the letter
    double PrevGridN = 0.0;           // metres
    double PrevElev = 0.0;            // metres
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

// The entry whose rule, run and legs a waypoint of entry is measured by:
// the letter whose path it lies on (PATH), or its own.
inline int PathEntryOf(const SymbolTable& symbols, int entry) {
    const int path = symbols.Entries[entry].PathEntry;
    return path != 0 ? path : entry;
}

// Entry 0 becomes "Waypoint" with RULE_NONE; entries 1..26 are copies of it
// carrying their letters a..z.
void InitSymbolTable(SymbolTable& symbols);

constexpr int kGridOsgb = 1;
constexpr int kGridIrish = 2;
constexpr int kUnitsMiles = 0;
constexpr int kUnitsKm = 1;
constexpr int kElevationMeters = 0;
constexpr int kElevationFeet = 1;

// Directive-controlled values with their defaults, and the guide's layout
// bookkeeping. Lengths in inches unless named otherwise.
struct Settings {
    int MaxId = 14;                   // characters of an ID before the warning
    int DistanceUnits = kUnitsMiles;
    double DistanceTweak = 1.0;       // factor on every distance
    int GridSystem = kGridOsgb;
    int ElevationUnits = kElevationMeters;
    int SplitSheet = 1;               // splits of the page height
    int Bands = 2;                    // always SplitSheet + 1
    double FieldWidthWp = 0.25;
    double FieldWidthGrid = 0.35;
    double FieldWidthElev = 0.25;
    double FieldWidthDesc = 1.0;
    double FieldHeight = 0.2;
    double Gutter = 0.1;
    double Borders = 0.25;
    double SheetWidth = 8.5;          // US Letter
    double SheetHeight = 11.0;
    double FontSize = 6.0;            // points
    char Title[kTitleMax + 1] = {};

    // The route card, off unless ROUTE_CARD is given. A value of 0 stands
    // for the default, whose unit does not depend on the units directives.
    int RouteCard = 0;
    double Pace = 0.0;                // DistanceUnits per hour on the flat; 0: 5 km/h
    double Climb = 0.0;               // elevation units climbed per hour; 0: 600 m
    int StartMinutes = -1;            // START_TIME, minutes after midnight; -1: none
    int Magnetic = 0;                 // MAGNETIC given: bearings are magnetic
    double MagneticWestDeg = 0.0;     // variation, degrees west (east negative)
    double FieldWidthLeg = 0.35;      // the guide's bearing and time field, with the card
    int ViaUndescribed = 0;           // VIA=UNDESCRIBED: undescribed waypoints are via points
    int Plan = 0;                     // PLAN given: the plan pages follow the guide's sheets

    // The GPX file's routes and tracks, none unless GPX_ROUTE or GPX_TRACK
    // is given: the ID letters, lower case, in the order given.
    char GpxRouteLetters[kLettersMax + 1] = {};
    char GpxTrackLetters[kLettersMax + 1] = {};
    int RoutePoints = kRoutePointsDefault;  // most points in one GPX route

    int RowsPerColumn = 0;            // waypoint rows in one guide column
    int InsertedRows = 0;             // blank rows inserted so far
    int BlankLineRequest = 0;         // per line, cleared before every line
    int NewColumnRequest = 0;
    int ViaRequest = 0;               // per line: VIA was given
    const char* StageRequest = nullptr;  // per line: the name of a STAGE, in the line
    long long ViaPoints = 0;          // via points read so far: they take no guide row
};

constexpr int kStageNameMax = kTitleMax;  // bytes in a stage name: it heads a column as the title does

constexpr double kMetresPerFoot = 0.3048;  // the international foot, exact

// Metres per unit of the WayFile's elevations. Every computation takes the
// elevation in metres; the report and the guide show it as written.
inline double MetresPerElevationUnit(const Settings& settings) {
    return settings.ElevationUnits == kElevationFeet ? kMetresPerFoot : 1.0;
}
