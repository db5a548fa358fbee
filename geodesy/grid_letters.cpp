#include "grid_letters.h"

#include <cmath>
#include <cstring>

namespace {

// Whole metres, half up; kept in double until the range is known so that no
// out-of-range value is ever converted to an integer. A value below limit
// that rounds onto it is held at the last metre inside.
double RoundedInside(double valueM, double limitM) {
    const double rounded = std::trunc(valueM + 0.5);
    if (rounded == limitM && valueM < limitM) return limitM - 1.0;
    return rounded;
}

}  // namespace

GridSquare LetterSquare(double eastingM, double northingM, const SquareTable& table) {
    GridSquare square = {};
    const double limitE = table.Columns * kSquareSizeM;
    const double limitN = table.Rows * kSquareSizeM;
    const double e = RoundedInside(eastingM, limitE);
    const double n = RoundedInside(northingM, limitN);
    if (!(e >= 0.0 && e < limitE && n >= 0.0 && n < limitN)) {
        square.status = 1;
        return square;
    }
    const int32_t eM = static_cast<int32_t>(e);
    const int32_t nM = static_cast<int32_t>(n);
    const int32_t squareM = static_cast<int32_t>(kSquareSizeM);
    const int32_t column = eM / squareM;
    const int32_t row = nM / squareM;
    std::strcpy(square.letters, table.Letters[row * table.Columns + column]);
    square.eastingM = eM - column * squareM;
    square.northingM = nM - row * squareM;
    return square;
}
