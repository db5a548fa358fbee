// The transverse Mercator projection run backwards: a grid's easting and
// northing to latitude and longitude on the grid's datum.
#pragma once

#include "grid_params.h"

// Latitude and longitude (degrees on the grid's datum) that ProjectToGrid
// takes to easting and northing (metres), found by refining a first estimate
// against ProjectToGrid itself, so that the two always agree. Returns 0, or 1
// when the refinement does not settle (a position far off the grid, or not a
// number).
int UnprojectFromGrid(double eastingM, double northingM, const GridParams& grid, double& latDeg,
                      double& lonDeg);
