// Start values of the symbol table. The rows of a guide column, which the
// layout bookkeeping follows, come from GuideRowsPerColumn (guide_layout.h).
#pragma once

#include "waypoint.h"

// Entry 0 becomes "Waypoint" with RULE_NONE; entries 1..26 are copies of it
// carrying their letters a..z.
void InitSymbolTable(SymbolTable& symbols);
