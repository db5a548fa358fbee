// Splitting a waypoint line into its ID, latitude, longitude and optional
// elevation, as the formatted scan "%s %lf %lf %lf" reads them in the C
// locale, with one change: a fourth field read as a non-finite number (inf,
// nan, and so the words "Information" or "Nant Ffrancon") is no elevation.
#pragma once

#include "line_reader.h"
#include "waypoint.h"

struct WaypointFields {
    char Id[kLinePieceMax + 1] = {};  // the whole first field, however long
    double Lat = 0.0;                 // degrees
    double Long = 0.0;                // degrees
    double Elev = 0.0;                // as written, 0 when absent
    bool ElevRead = false;            // the line gave an elevation
    const char* Rest = nullptr;       // the text after the fields converted and the blanks after them
};

// The quick scan's answer when it leaves the line to sscanf.
constexpr int kScanUnsure = -2;

// The usual line (an ID, then plain decimals such as -2.125) read without
// sscanf: the count sscanf would give, with Rest as below, or kScanUnsure
// for anything else.
int QuickScanWaypointFields(const char* data, WaypointFields& fields);

// data is a cleaned line of at most kLinePieceMax bytes. Returns the number
// of fields converted (0 to 4, or -1 when data holds nothing but white space);
// fields not converted keep their zero values. Rest is where the description
// starts: SkipFields over data by the count converted.
int ScanWaypointFields(const char* data, WaypointFields& fields);

// The reading above of data with "-" in place of the minus sign U+2212 that
// word processors and web pages write, where it starts the latitude or the
// longitude; Rest points into data. Returns 0 when neither starts with it.
// The elevation keeps the reading above: "−30" after a position starts the
// description, as it always has.
int ScanWithMinusSigns(const char* data, WaypointFields& fields);

enum LetteredScan {
    kNoLetteredPosition = 0,    // neither form: the decimal reading's answer stands
    kBadLetteredPosition = 1,   // hemisphere letters, but broken or out of range
    kBadGridRef = 2,            // a grid reference that names no square of its grid
    kLetteredPositionRead = 3,
};

// A position that the reading above refuses, written with hemisphere letters
// ("N56 06.480 W004 34.620") or as a national grid reference ("NS 553 745",
// placed at the centre of the square it names). position is where it starts,
// after the ID and its blanks. The optional elevation and the description
// follow it as on any line; a grid reference is converted at the elevation's
// height, elevation x metresPerElevationUnit metres.
// kLetteredPositionRead: Lat, Long, Elev and Rest of fields are set.
// kBadLetteredPosition, kBadGridRef: writtenLength is the length of the
// position as written, for the message; fields are untouched.
LetteredScan ScanLetteredPosition(const char* position, double metresPerElevationUnit, WaypointFields& fields,
                                  int& writtenLength);
