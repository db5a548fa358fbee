// Where the WayFile reader stands, and the one way a fault of the line is
// reported: its message on standard error and FailFlag set, so that the run
// fails once the whole file has been read.
#pragma once

struct WayFileLine {
    const char* WayFilename = "";     // as typed, named in every message
    int LineNo = 1;                   // the line being read
    int FailFlag = 0;                 // a line fault has been reported
};

// Prints the message of format and its arguments to standard error (each
// message names the line and the WayFile in its own words) and sets
// FailFlag. Returns 1, the result of a refused line.
int ReportLineFault(WayFileLine& line, const char* format, ...) __attribute__((format(printf, 2, 3)));
