// Datum shift: a WGS-84 position to the same point on another datum, through
// cartesian coordinates and a seven-parameter Helmert transformation.
#pragma once

#include "ellipsoid.h"
#include "helmert_params.h"

struct GeodeticPosition {
    double latDeg;    // north positive
    double lonDeg;    // east positive
    double heightM;   // above the ellipsoid
};

// Carries latitude, longitude (degrees, WGS-84) and height h (metres above
// the WGS-84 ellipsoid) into the datum reached by helmert, whose ellipsoid is
// target. Always succeeds.
GeodeticPosition TransformDatum(double latDeg, double lonDeg, double heightM,
                                const HelmertParams& helmert, const Ellipsoid& target);
