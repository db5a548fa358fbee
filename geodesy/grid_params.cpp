#include "grid_params.h"

#include "settings.h"

namespace {

const char* const kOsgbLetters[] = {
    "SV", "SW", "SX", "SY", "SZ", "TV", "TW",
    "SQ", "SR", "SS", "ST", "SU", "TQ", "TR",
    "SL", "SM", "SN", "SO", "SP", "TL", "TM",
    "SF", "SG", "SH", "SJ", "SK", "TF", "TG",
    "SA", "SB", "SC", "SD", "SE", "TA", "TB",
    "NV", "NW", "NX", "NY", "NZ", "OV", "OW",
    "NQ", "NR", "NS", "NT", "NU", "OQ", "OR",
    "NL", "NM", "NN", "NO", "NP", "OL", "OM",
    "NF", "NG", "NH", "NJ", "NK", "OF", "OG",
    "NA", "NB", "NC", "ND", "NE", "OA", "OB",
    "HV", "HW", "HX", "HY", "HZ", "JV", "JW",
    "HQ", "HR", "HS", "HT", "HU", "JQ", "JR",
    "HL", "HM", "HN", "HO", "HP", "JL", "JM",
};

const char* const kIrishLetters[] = {
    "V", "W", "X", "Y", "Z",
    "Q", "R", "S", "T", "U",
    "L", "M", "N", "O", "P",
    "F", "G", "H", "J", "K",
    "A", "B", "C", "D", "E",
};

static_assert(sizeof kOsgbLetters / sizeof kOsgbLetters[0] == 7 * 13, "OSGB table is 7 by 13");
static_assert(sizeof kIrishLetters / sizeof kIrishLetters[0] == 5 * 5, "Irish table is 5 by 5");

}  // namespace

const SquareTable OsgbSquareTable = {7, 13, kOsgbLetters};
const SquareTable IrishSquareTable = {5, 5, kIrishLetters};

// The extents are exactly the areas the square tables cover.
const GridParams OsgbGrid = {
    kAiry1830, kWgs84ToOsgb36,
    0.9996012717, 49.0, -2.0, 400000.0, -100000.0,
    7 * kSquareSizeM, 13 * kSquareSizeM,
    &OsgbSquareTable,
    "Oops, Waypoint %s outside OSGB grid, line %d in %s\n",
};

const GridParams IrishGrid = {
    kAiryModified, kWgs84ToIreland1965,
    1.000035, 53.5, -8.0, 200000.0, 250000.0,
    5 * kSquareSizeM, 5 * kSquareSizeM,
    &IrishSquareTable,
    "Oops, Waypoint %s outside Irish grid, line %d in %s\n",
};

const GridParams& GridParamsFor(int gridSystem) {
    return gridSystem == kGridIrish ? IrishGrid : OsgbGrid;
}
