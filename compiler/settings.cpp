#include "settings.h"

#include <cmath>
#include <cstring>

void InitSymbolTable(SymbolTable& symbols) {
    SymbolEntry& standard = symbols.Entries[0];
    standard = SymbolEntry{};
    std::strcpy(standard.SymName, "Waypoint");
    for (int letter = 1; letter < kSymbolEntries; ++letter) {
        symbols.Entries[letter] = standard;
        symbols.Entries[letter].SymLetter = static_cast<char>('a' + letter - 1);
    }
}

int ComputeRowsPerColumn(const Settings& settings) {
    double usableHeight = settings.SheetHeight - (settings.Bands + 1) * settings.Borders;
    double rows = usableHeight / (settings.Bands * settings.FieldHeight) - 1;
    // Only a rejected value (the run then fails) can take rows out of int's
    // range or make it NaN; keep the conversion defined all the same.
    if (!(std::fabs(rows) < 1e9)) return 0;
    return static_cast<int>(rows);
}
