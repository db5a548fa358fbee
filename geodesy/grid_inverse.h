// A position given on a national grid, back to WGS-84: the inverse of the
// grid pass's conversion, checked against it.
#pragma once

#include "settings.h"

// How close converting the result forward again must come to the grid
// position, metres.
constexpr double kGridInverseToleranceM = 0.001;

// WGS-84 latitude and longitude in degrees of the position eastingM,
// northingM (metres) on grid (kGridOsgb or kGridIrish): the projection
// inverted on the grid's ellipsoid, then the datum shift reversed. heightM is
// the WGS-84 height the grid pass will convert the position at (the
// waypoint's elevation in metres), as it moves the result by a few
// centimetres. Returns 0, or 1 when the grid pass would not take the result
// back to within kGridInverseToleranceM of the grid position.
int GridToLatLong(int grid, double eastingM, double northingM, double& latDeg, double& longDeg,
                  double heightM = 0.0);
