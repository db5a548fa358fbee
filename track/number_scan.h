// Reading the numbers of a TrackFile line fast: a million lines through
// sscanf cost more than the whole rest of the conversion.
#pragma once

// Reads up to three numbers from text exactly as
// std::sscanf(text, "%lf %lf %lf", &values[0], &values[1], &values[2])
// does in the C locale, and returns what it would return. Plain numbers
// separated by white space take a fast path; anything else (a "+" sign,
// hex, inf, nan, a number running into other text, out of range) is left
// to sscanf.
int ScanThreeNumbers(const char* text, double values[3]);
