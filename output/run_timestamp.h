// The run's date and time text: one reading of the clock, broken down in
// UTC, shared by every place of the run that prints a time.
#pragma once

#include <ctime>

constexpr int kRunTimestampSize = 21;  // "yyyy-mm-ddThh:mm:ssZ" and its NUL

// Fills text from clock as "yyyy-mm-ddThh:mm:ssZ" (UTC, every field after
// the year two digits); a clock beyond four-digit years gives the epoch.
void MakeRunTimestamp(std::time_t clock, char (&text)[kRunTimestampSize]);
