// Fast fixed-point formatting of doubles for the writers that print a
// million numbers: the same bytes as printf's "%.Nf" in the C locale.
#pragma once

constexpr int kFixedPlacesMax = 7;       // decimals FormatFixed takes (the report prints 7)
constexpr int kFixedTextMax = 330;       // bytes of the longest "%.7f" text (-1.8e308: 318)

// Writes value with places (0 to kFixedPlacesMax) decimals to out, exactly
// as std::snprintf(out, size, "%.*f", places, value) would: the exact
// binary value rounded half to even, "-" for negative values (also -0),
// "inf" and "nan" spelled as printf spells them. out needs kFixedTextMax + 1
// bytes; nothing is terminated. Returns the end of what was written.
char* FormatFixed(char* out, double value, int places);
