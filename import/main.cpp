// gpx2wayfile [-t METRES] [-o WayFile] FILE.gpx: a WayFile from a GPX file.
#include "run_gpx2wayfile.h"

int main(int argc, char** argv) { return RunGpx2WayFile(argc, argv); }
