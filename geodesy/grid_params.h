// The constants of the two national grids: datum, Helmert set, transverse
// Mercator origin and scale, extent, and the table of 100 km square letters.
#pragma once

#include "ellipsoid.h"
#include "helmert_params.h"

constexpr double kSquareSizeM = 100000.0;   // side of a lettered grid square

// Letters of the 100 km squares, row-major: row 0 is the southern row,
// column 0 the western column.
struct SquareTable {
    int Columns;
    int Rows;
    const char* const* Letters;   // Rows × Columns texts
};

extern const SquareTable OsgbSquareTable;    // 7 × 13 squares, two letters
extern const SquareTable IrishSquareTable;   // 5 × 5 squares, one letter

struct GridParams {
    Ellipsoid ellipsoid;          // of the grid's datum
    HelmertParams helmert;        // WGS-84 to the grid's datum
    double F0;                    // scale factor on the central meridian
    double lat0Deg;               // true origin, degrees north
    double lon0Deg;               // true origin, degrees east
    double E0M;                   // false easting, metres
    double N0M;                   // false northing, metres
    double extentEM;              // valid 0 ≤ E < extentEM, metres
    double extentNM;              // valid 0 ≤ N < extentNM, metres
    const SquareTable* squares;
    const char* outsideMessage;   // printf format: ID, line, WayFile name
};

// Ordnance Survey, "A guide to coordinate systems in Great Britain", annex C.
extern const GridParams OsgbGrid;
// Ordnance Survey Ireland, the Irish Grid on the Ireland 1965 datum.
extern const GridParams IrishGrid;

// The grid chosen by a GridSystem setting: 2 the Irish grid, else OSGB.
const GridParams& GridParamsFor(int gridSystem);
