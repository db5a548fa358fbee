// gpx2wayfile, from the command line to the exit status: reads a GPX file,
// plans the path and its points of interest, and writes the WayFile to
// standard output or to the file -o names.
#pragma once

constexpr double kDefaultToleranceM = 25.0;   // track thinning, metres

struct ImportOptions {
    const char* GpxFilename = nullptr;
    const char* OutputName = nullptr;          // nullptr: standard output
    double ToleranceM = kDefaultToleranceM;
};

// Reads the options. Returns 0 when a conversion is to run, 1 when the run
// ends here with exitStatus (after the usage text or a message).
int ParseImportCommandLine(int argc, char** argv, ImportOptions& options, int& exitStatus);

// The whole program. Returns the exit status.
int RunGpx2WayFile(int argc, char** argv);
