// The cairnlog command line: options, the three output names derived from
// the WayFile name, and the guide's default title.
#pragma once

#include "file_names.h"
#include "settings.h"

// Which outputs were asked for without a file name of their own; their names
// are derived from the WayFile name once the options are parsed.
struct OutputRequests {
    int Gpx = 0;
    int Pdf = 0;
    int Rpt = 0;
};

// Parses argv into the WayFile name, the output names and requests. Prints
// the usage, help or version text, any error and a warning for each
// argument after the WayFile name itself. Returns 0 when the run goes on to
// read the WayFile; otherwise 1 with the run's exit status in exitStatus.
int ParseCommandLine(int argc, char** argv, FileNames& files, OutputRequests& requests, int& exitStatus);

// Derives the name of every requested output from the WayFile name, in the
// order GPX, PDF, report. Returns 0, or 1 after "derived filename too long".
int DeriveOutputNames(const OutputRequests& requests, FileNames& files);

// The guide title until a TITLE directive replaces it: the WayFile name cut
// to 20 characters, less its extension when one lies within them.
void SetDefaultTitle(const std::string& wayFilename, Settings& settings);
