// Start values of the symbol table, and the number of waypoint rows in one
// guide column as the page settings in force give it.
#pragma once

#include "waypoint.h"

// Entry 0 becomes "Waypoint" with RULE_NONE; entries 1..26 are copies of it
// carrying their letters a..z.
void InitSymbolTable(SymbolTable& symbols);

// trunc((SheetHeight - (Bands + 1) * Borders) / (Bands * FieldHeight) - 1):
// 24 with the default letter-size page split into two bands.
int ComputeRowsPerColumn(const Settings& settings);
