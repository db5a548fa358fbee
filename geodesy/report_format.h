// Number formatting for the report, byte for byte as printf's "%W.Pf" and
// "%Wld" conversions print in the C locale, without printf's per-call cost
// (the report prints five numbers a row, a million rows in a big walk).
#pragma once

#include "fixed_format.h"

// Room that one number of either kind may take, padding included, for the
// widths the report uses (at most 12).
constexpr int kReportNumberMax = kFixedTextMax + 1;

// Writes value as "%<width>.<precision>f" would, or "%0<width>.<precision>f"
// when zeroPad is set; precision 0 to kFixedPlacesMax. Nothing is
// terminated. Returns the end of what was written.
char* PutFixed(char* out, double value, int width, int precision, bool zeroPad = false);

// Writes value as "%<width>ld" would, or "%0<width>ld" when zeroPad is set.
char* PutInteger(char* out, long value, int width, bool zeroPad = false);
