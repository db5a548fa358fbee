#include "route_measures.h"

#include <cmath>
#include <cstdlib>

#include "route_card.h"
#include "settings.h"

namespace {

constexpr double kMilesPerMetre = 0.0006214;   // as the report has always used
constexpr double kKmPerMetre = 0.001;

// The ID after its first character holds one number and nothing more: the
// same number a "%lf" conversion reads (sign, digits, point, exponent).
bool IsOneNumber(const char* text) {
    // Digits alone, the usual case, need no strtod to tell.
    const char* digit = text;
    while (*digit >= '0' && *digit <= '9') ++digit;
    if (digit != text && *digit == '\0') return true;
    char* end = nullptr;
    std::strtod(text, &end);
    return end != text && *end == '\0';
}

}  // namespace

int MeasuredWaypoint(const Waypoint& waypoint, const SymbolTable& symbols) {
    const int entry = SymbolEntryOf(waypoint.WayID[0]);
    if (entry == 0 || !IsOneNumber(waypoint.WayID + 1)) return 0;
    const int rule = symbols.Entries[PathEntryOf(symbols, entry)].Rule;
    return rule == RULE_ALL || rule == RULE_CONTINUOUS;
}

double UnitFactor(const Settings& settings) {
    const double perMetre = settings.DistanceUnits == kUnitsKm ? kKmPerMetre : kMilesPerMetre;
    return perMetre * settings.DistanceTweak;
}

void MarkSegmentStarts(WaypointList& list, const SymbolTable& symbols) {
    bool letterSeen[kSymbolEntries] = {};
    int previousPath = -1;
    char previousLetter = '\0';  // of the previous waypoint of its own path; NUL after one on another's
    for (Waypoint& waypoint : list) {
        if (!MeasuredWaypoint(waypoint, symbols)) continue;
        const char letter = waypoint.WayID[0];
        const bool onAnotherPath = symbols.Entries[SymbolEntryOf(letter)].PathEntry != 0;
        const int entry = PathEntryOf(symbols, SymbolEntryOf(letter));
        // A path's first leg must never be measured from the grid's origin,
        // so its first measured waypoint always starts a run. A waypoint on
        // another letter's path goes on with that path's run.
        if (!letterSeen[entry]) {
            letterSeen[entry] = true;
            waypoint.SegmentStart = 1;
        } else if (symbols.Entries[entry].Rule == RULE_CONTINUOUS &&
                   (previousPath != entry || (!onAnotherPath && previousLetter != '\0' && previousLetter != letter))) {
            waypoint.SegmentStart = 1;
        }
        if (!onAnotherPath) {
            previousLetter = letter;
        } else if (waypoint.SegmentStart) {
            previousLetter = '\0';
        }
        previousPath = entry;
    }
}

void AccumulateRoute(WaypointList& list, SymbolTable& symbols, const Settings& settings, RouteCard* card) {
    const double unitFactor = UnitFactor(settings);
    const double metresPerElevationUnit = MetresPerElevationUnit(settings);
    RouteCardPass pass;
    if (card) {
        StartRouteCard(*card, list.size(), settings, pass);
        for (int entry = 0; entry < kSymbolEntries; ++entry) card->PathEntry[entry] = symbols.Entries[entry].PathEntry;
    }
    std::size_t index = 0;
    for (Waypoint& waypoint : list) {
        const std::size_t at = index++;
        if (!MeasuredWaypoint(waypoint, symbols)) continue;
        const int entry = PathEntryOf(symbols, SymbolEntryOf(waypoint.WayID[0]));
        SymbolEntry& letter = symbols.Entries[entry];
        const double elevM = waypoint.Elev * metresPerElevationUnit;
        // With the card, a leg to or from an unknown height is measured level.
        const bool riseKnown = !card || CardRiseKnown(pass, entry, waypoint);
        const double dZ = riseKnown ? elevM - letter.PrevElev : 0.0;
        double legM = 0.0;
        if (waypoint.SegmentStart) {
            letter.SumDistance = 0.0;
            waypoint.Distance = 0.0;
            waypoint.HasDistance = 1;
        } else {
            const double dE = waypoint.GridE - letter.PrevGridE;
            const double dN = waypoint.GridN - letter.PrevGridN;
            legM = std::sqrt(dE * dE + dN * dN + dZ * dZ);
            letter.SumDistance += legM;
            waypoint.Distance = letter.SumDistance * unitFactor;
            waypoint.HasDistance = 1;
            // Rise over the sloping length; a leg of no length has no slope.
            if (legM > 0.0) {
                waypoint.Grade = 100.0 * dZ / legM;
                waypoint.HasGrade = 1;
            }
        }
        if (card) CardStep(pass, entry, at, waypoint, elevM, dZ, legM, riseKnown);
        letter.PrevGridE = waypoint.GridE;
        letter.PrevGridN = waypoint.GridN;
        letter.PrevElev = elevM;
    }
    if (card) FinishRouteCard(pass);
}
