#include "settings.h"

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
