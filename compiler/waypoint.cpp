#include "waypoint.h"

void WidenBounds(BoundingBox& box, const Waypoint& waypoint, bool first) {
    if (first) {
        box.MinLat = box.MaxLat = waypoint.Lat;
        box.MinLong = box.MaxLong = waypoint.Long;
    }
    if (waypoint.Lat < box.MinLat) box.MinLat = waypoint.Lat;
    if (waypoint.Lat > box.MaxLat) box.MaxLat = waypoint.Lat;
    if (waypoint.Long < box.MinLong) box.MinLong = waypoint.Long;
    if (waypoint.Long > box.MaxLong) box.MaxLong = waypoint.Long;
}
