// cairnlog, the waypoint compiler: a WayFile in, GPX, report and guide out.
#include "run_cairnlog.h"

int main(int argc, char** argv) {
    static RunState run;  // lives until exit, as the records must
    return RunCairnlog(argc, argv, run);
}
