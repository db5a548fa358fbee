// stileline TrackFile: converts a text list of positions to a GPX track.
#include "track_converter.h"

int main(int argc, char** argv) { return RunStileline(argc, argv); }
