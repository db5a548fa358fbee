// Lettering of a grid reference: the 100 km square's letters and the whole
// metres within that square.
#pragma once

#include <cstdint>

#include "grid_params.h"

struct GridSquare {
    char letters[8];   // "NZ" on the OSGB grid, "O" on the Irish grid
    int32_t eastingM;  // within the square, 0 to 99999
    int32_t northingM;
    int status;        // 0 done, 1 outside the table (nothing produced)
};

// Rounds easting and northing (metres) to whole metres, half up, and finds
// their square in table. A position short of the table's far edge that
// rounds onto it stays in the last square, at 99999.
GridSquare LetterSquare(double eastingM, double northingM, const SquareTable& table);
