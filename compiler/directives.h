// The WayFile directives: lines beginning "#" that set the symbol table,
// the distance rules, units, grid and the guide's page geometry, and ask
// for blank rows or a new column in the guide.
#pragma once

#include "line_fault.h"
#include "settings.h"

// line is a cleaned directive line (first byte "#"). Applies it to settings
// and symbols, or reports it as a fault of the line at. Keyword values are
// lower-cased and SHEETSIZE's X separators blanked in place. Returns 0 when
// accepted, 1 after the fault is reported.
int ParseDirective(char* line, WayFileLine& at, Settings& settings, SymbolTable& symbols);
