#include "waypoint.h"

int main() { return 0; }
