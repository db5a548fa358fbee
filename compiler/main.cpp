// cairnlog, the waypoint compiler: a WayFile in, GPX, report and guide out.
#include "run_cairnlog.h"

int main(int argc, char** argv) {
    // The records live until the program ends and are never freed one by
    // one: the exit returns all memory at once.
    static RunState* run = new RunState;
    return RunCairnlog(argc, argv, *run);
}
