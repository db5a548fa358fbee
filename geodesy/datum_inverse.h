// The datum shift run backwards: a position on a grid's datum to the same
// point on WGS-84.
#pragma once

#include "ellipsoid.h"
#include "helmert_params.h"

// WGS-84 latitude and longitude (degrees) that TransformDatum, at WGS-84
// height heightM, carries to latDeg, lonDeg on the datum reached by helmert
// (whose ellipsoid is target). Found by refining against TransformDatum
// itself. Returns 0, or 1 when the refinement does not settle.
int TransformDatumBack(double latDeg, double lonDeg, double heightM, const HelmertParams& helmert,
                       const Ellipsoid& target, double& wgsLatDeg, double& wgsLonDeg);
