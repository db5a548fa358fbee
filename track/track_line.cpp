#include "track_line.h"

#include <cmath>

#include "number_scan.h"

TrackLineKind ParseTrackLine(const char* line, TrackPoint& point) {
    if (line[0] == '\0') return kTrackLineEmpty;
    double values[3] = {point.Lat, point.Long, -1.0};  // the elevation is preset to none
    int read = ScanThreeNumbers(line, values);
    if (read < 2 || !std::isfinite(values[0]) || !std::isfinite(values[1])) return kTrackLineBad;
    point.Lat = values[0];
    point.Long = values[1];
    point.Elev = std::isfinite(values[2]) ? values[2] : -1.0;
    return kTrackLineGood;
}
