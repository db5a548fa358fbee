// Transverse Mercator projection of a position on a grid's datum to the
// grid's easting and northing, with the check against the grid's extent.
#pragma once

#include "grid_params.h"

struct GridPoint {
    double eastingM;
    double northingM;
    int status;   // 0 inside the grid's extent, 1 outside
};

// Projects latitude and longitude (degrees on the grid's datum) with the
// Ordnance Survey's series (annex C of their guide). Easting and northing are
// produced whatever the status; a non-finite result counts as outside.
GridPoint ProjectToGrid(double latDeg, double lonDeg, const GridParams& grid);
