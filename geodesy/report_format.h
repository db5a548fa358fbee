// Number formatting for the report, byte for byte as printf's "%W.Pf" and
// "%Wd" conversions print in the C locale, without printf's per-call cost
// (the report prints five numbers a row, a million rows in a big walk).
#pragma once

#include <string>

// Appends value as "%<width>.<precision>f" would, or "%0<width>.<precision>f"
// when zeroPad is set.
void AppendFixed(std::string& out, double value, int width, int precision, bool zeroPad = false);

// Appends value as "%<width>ld" would, or "%0<width>ld" when zeroPad is set.
void AppendInteger(std::string& out, long value, int width, bool zeroPad = false);
