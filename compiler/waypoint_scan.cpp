#include "waypoint_scan.h"

#include <cmath>
#include <cstdio>

int ScanWaypointFields(const char* data, WaypointFields& fields) {
    // The width keeps the ID inside its buffer; data is never longer.
    int count = std::sscanf(data, "%254s %lf %lf %lf", fields.Id, &fields.Lat, &fields.Long, &fields.Elev);
    if (count == 4 && !std::isfinite(fields.Elev)) {
        fields.Elev = 0.0;
        count = 3;
    }
    return count;
}
