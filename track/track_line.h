// One line of a TrackFile: a latitude, a longitude and an optional
// elevation, separated by blanks.
#pragma once

enum TrackLineKind { kTrackLineEmpty, kTrackLineGood, kTrackLineBad };

struct TrackPoint {
    double Lat = 0.0;     // WGS-84 degrees, as read
    double Long = 0.0;
    double Elev = -1.0;   // metres; below 0 means none
};

// Reads a point from a cleaned line (CleanLine). A line is bad unless it
// starts with two finite numbers; text after the numbers is ignored and a
// non-finite elevation counts as none.
TrackLineKind ParseTrackLine(const char* line, TrackPoint& point);
