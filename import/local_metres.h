// Metres on the ground near a point, for the short distances of a walk: an
// equirectangular projection around a reference latitude, within a fraction
// of a percent over a few tens of kilometres.
#pragma once

#include <cmath>

constexpr double kPi = 3.14159265358979323846;
constexpr double kEarthRadiusM = 6371008.8;                   // IUGG mean Earth radius, metres
constexpr double kMetresPerLatDeg = kEarthRadiusM * kPi / 180.0;

// Metres of one degree of longitude at latDeg.
inline double MetresPerLonDeg(double latDeg) { return kMetresPerLatDeg * std::cos(latDeg * kPi / 180.0); }
