// The WayFile directives: lines beginning "#" that set the symbol table,
// the distance rules, units, grid and the guide's page geometry, and ask
// for blank rows or a new column in the guide.
#pragma once

#include "waypoint.h"

// line is a cleaned directive line (first byte "#"). Applies it to
// run.settings and run.symbols and prints its message when it is rejected.
// Keyword values are lower-cased and SHEETSIZE's X separators blanked in
// place. Returns 0 when accepted, 1 after an error message.
int ParseDirective(char* line, RunState& run);
