// gpx2wayfile, from the command line to the exit status: reads the GPX
// files, plans the path, its named places and points of interest, and
// writes the WayFile to standard output or to the file -o names.
#pragma once

#include <vector>

constexpr double kDefaultToleranceM = 25.0;   // track thinning, metres

struct ImportOptions {
    std::vector<const char*> GpxFilenames;     // in the order given
    const char* OutputName = nullptr;          // nullptr: standard output
    double ToleranceM = kDefaultToleranceM;
    double NearM = 50.0;                       // a place this near the path becomes a point of it
};

// Reads the options. Returns 0 when a conversion is to run, 1 when the run
// ends here with exitStatus (after the usage text or a message).
int ParseImportCommandLine(int argc, char** argv, ImportOptions& options, int& exitStatus);

// The whole program. Returns the exit status.
int RunGpx2WayFile(int argc, char** argv);
