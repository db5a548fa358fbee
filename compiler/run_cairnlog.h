// One cairnlog run from the command line to the exit status: parse the
// options, read and check the WayFile, write the requested outputs and
// print the closing notes.
#pragma once

#include "waypoint.h"

// Runs cairnlog on argv with run freshly made, and returns the exit status
// (0 or 1). Only running out of memory ends the program at once.
int RunCairnlog(int argc, char** argv, RunState& run);
