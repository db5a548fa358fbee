// The GPX 1.1 file stileline writes: a header naming the track, one trkpt
// line per point, and the closing lines. Every line ends with CR LF.
#pragma once

#include <cstdio>

#include "track_line.h"

// Each returns 0 while every write to file has succeeded so far, 1 once one
// has failed.
int TrackWriteHeader(std::FILE* file, const char* trackName);
int TrackWritePoint(std::FILE* file, const TrackPoint& point);
int TrackWriteClosing(std::FILE* file);
