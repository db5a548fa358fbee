// One cairnlog run from the command line to the exit status: parse the
// options, read and check the WayFile, write the requested outputs and
// print the closing notes. RunState holds what the run owns; each step is
// handed only the parts it uses.
#pragma once

#include <ctime>

#include "file_names.h"
#include "line_fault.h"
#include "run_timestamp.h"
#include "settings.h"
#include "waypoint.h"

struct RunState {
    FileNames files;
    Settings settings;
    SymbolTable symbols;
    WaypointRecords waypoints;
    WayFileLine reading;              // the reader's place and FailFlag
    std::time_t Clock = 0;            // the run's one reading of the clock; tests may fix it
    char RunTimestamp[kRunTimestampSize] = {};
};

// Runs cairnlog on argv with run freshly made, and returns the exit status
// (0 or 1). Only running out of memory ends the program at once.
int RunCairnlog(int argc, char** argv, RunState& run);
