// stileline, the track converter: the run that turns a TrackFile (latitude,
// longitude and an optional elevation per line, "|" comments) into a GPX 1.1
// file of one track with one segment, named after the TrackFile.
#pragma once

#include <cstdio>

constexpr int kTrackNameMax = 255;      // characters in the track and output names
constexpr int kTrackBadLinesMax = 11;   // bad lines tolerated; the next one aborts

// One conversion, from the command line to the exit.
struct TrackRun {
    const char* TrackFilename = "";            // as typed
    char TrackName[kTrackNameMax + 1] = {};    // TrackFilename less its extension
    char OutputName[kTrackNameMax + 1] = {};   // TrackName + ".gpx"
    int PointCount = 0;                        // non-empty lines
    int BadLines = 0;
    std::FILE* Messages = stderr;              // where line messages go
};

// Sets TrackFilename and forms TrackName and OutputName from it. Returns 0,
// or 1 when either would pass kTrackNameMax characters.
int FormTrackNames(TrackRun& run, const char* trackFilename);

enum TrackResult {
    kTrackConverted,       // the whole file was read and written
    kTrackTooManyErrors,   // aborted at a bad line after kTrackBadLinesMax others
    kTrackReadError,
    kTrackWriteError,
};

// Writes the header to out, then a point for each good line of in, then
// the closing lines, which only a kTrackConverted run gets. Prints each bad
// line's message and the abort line to run.Messages.
TrackResult ConvertTrack(std::FILE* in, std::FILE* out, TrackRun& run);

// The whole program: the usage text without an argument or with -h or
// --help alone, the version with --version alone, else a conversion with
// its messages. Returns the exit status.
int RunStileline(int argc, char** argv);
