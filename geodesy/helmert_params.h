// Seven-parameter Helmert sets that carry WGS-84 cartesian coordinates into
// the datum of a national grid (position-vector rotations, small angles).
#pragma once

struct HelmertParams {
    double txM, tyM, tzM;                 // shifts, metres
    double rxArcsec, ryArcsec, rzArcsec;  // rotations, arc-seconds
    double sPpm;                          // scale change, parts per million
};

// WGS-84 to OSGB36: Ordnance Survey, "A guide to coordinate systems in Great
// Britain", section 6.6. The EPSG dataset holds the same set, rounded and
// with the opposite signs, as "OSGB36 to WGS 84 (6)" (EPSG:1314), and gives
// its accuracy as 2 m.
constexpr HelmertParams kWgs84ToOsgb36 = {
    -446.448, 125.157, -542.06, -0.1502, -0.247, -0.8421, 20.4894};

// WGS-84 to Ireland 1965: Ordnance Survey Ireland's published set. The EPSG
// dataset holds it, rounded and with the opposite signs, as "TM75 to ETRS89
// (2)" (EPSG:1953), and gives its accuracy as 1 m.
constexpr HelmertParams kWgs84ToIreland1965 = {
    -482.53, 130.596, -564.557, 1.042, 0.214, 0.631, -8.15};
