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

// Two TransformDatum calls in one, the very same doubles: the two latitude
// refinements, each a chain of steps that wait on one another, interleave,
// so that the processor works on one while the other waits.
void TransformDatumPair(const double latDeg[2], const double lonDeg[2], const double heightM[2],
                        const HelmertParams& helmert, const Ellipsoid& target, GeodeticPosition out[2]);
