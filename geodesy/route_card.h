// The route card: for every listed measured waypoint the leg from the
// previous listed waypoint of its path, through the via points between
// (grid bearing, length along the path, ascent and descent, Naismith time),
// the time since the path's start, and each stage's totals. AccumulateRoute
// fills it in the same pass as distance and grade.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "settings.h"
#include "waypoint.h"

// Naismith's rule (W. W. Naismith, 1892), as British route cards use it:
// 5 km an hour on the flat and an hour more for every 600 m climbed.
constexpr double kNaismithPaceMPerHour = 5000.0;
constexpr double kNaismithClimbMPerHour = 600.0;

struct CardLeg {
    double Leg = 0.0;          // along the path, in the distance units with the tweak
    double Ascent = 0.0;       // in the elevation units
    double Descent = 0.0;
    double LegHours = 0.0;
    double Hours = 0.0;        // since the path's segment start
    int16_t BearingDeg = -1;   // whole degrees 0 to 359; -1 for a leg of no length
    uint8_t HasLeg = 0;        // Leg, Ascent, Descent and LegHours hold values
    uint8_t HasClimb = 0;      // the leg has a rise or fall between known heights
    uint8_t HasTime = 0;       // Hours holds a value: every listed measured waypoint
};

struct StageTotals {
    double Distance = 0.0;     // distance units, with the tweak
    double Ascent = 0.0;       // elevation units
    double Descent = 0.0;
    double Hours = 0.0;
    uint8_t HasClimb = 0;
};

struct RouteCard {
    std::vector<CardLeg> Legs;         // one per waypoint, in list order
    std::vector<Stage> Stages;         // at least one when the card is on
    std::vector<StageTotals> Totals;   // one per stage: every measured leg that ends in it
    int PathEntry[kSymbolEntries] = {};  // PATH.x=y as the symbol table has it: y's entry, 0 for x's own path
};

// The symbol entry of the path that waypoint lies on: its letter's, or the
// one its letter's PATH names.
inline int CardPathEntry(const RouteCard& card, const Waypoint& waypoint) {
    const int entry = SymbolEntryOf(waypoint.WayID[0]);
    return card.PathEntry[entry] != 0 ? card.PathEntry[entry] : entry;
}

// What the settings make of the card's measures.
struct CardRates {
    double PaceMPerHour = kNaismithPaceMPerHour;
    double ClimbMPerHour = kNaismithClimbMPerHour;
    double Tweak = 1.0;                // DISTANCE_TWEAK: the walked metres of a measured one
    double UnitFactor = 0.0;           // metres to the distance units, with the tweak
    double MetresPerElevationUnit = 1.0;
    double MagneticWestDeg = 0.0;      // 0 on grid bearings
};

CardRates CardRatesOf(const Settings& settings);

// Hours by Naismith's rule for legM metres along the path and ascentM
// metres climbed.
double NaismithHours(double legM, double ascentM, const CardRates& rates);

// The bearing of a leg dE, dN metres on the grid, in whole degrees 0 to
// 359 clockwise from grid north, plus westDeg of magnetic variation; -1
// for a leg of no length.
int GridBearingDeg(double dE, double dN, double westDeg);

constexpr int kCardTimeTextSize = 24;  // bytes: hours of any time a walk has, minutes and a NUL

// hours as "h:mm" since the start, or with startMinutes 0 or more as the
// clock time "HH:MM" of that start plus hours, carrying on past midnight
// (25:10).
void FormatCardTime(char (&text)[kCardTimeTextSize], double hours, int startMinutes);

// The running state of one letter's path between its listed waypoints.
struct LetterLeg {
    double StartE = 0.0;               // grid metres of the leg's start, the previous listed waypoint
    double StartN = 0.0;
    double StartElevM = 0.0;
    uint8_t StartElevKnown = 0;
    uint8_t PrevElevKnown = 0;         // of the previous measured waypoint, via points included
    uint8_t Climbed = 0;
    double LegM = 0.0;
    double AscentM = 0.0;
    double DescentM = 0.0;
    double LegHours = 0.0;
    double Hours = 0.0;                // since the segment start
};

// The card's state during AccumulateRoute.
struct RouteCardPass {
    RouteCard* Card = nullptr;
    CardRates Rates;
    LetterLeg Letters[kSymbolEntries];
    std::size_t Stage = 0;             // the stage of the waypoint in hand
};

// Sizes card for count waypoints (its Stages already set) and readies pass.
void StartRouteCard(RouteCard& card, std::size_t count, const Settings& settings, RouteCardPass& pass);

// 1 when the rise from the letter's previous measured waypoint to waypoint
// is between known heights.
int CardRiseKnown(const RouteCardPass& pass, int entry, const Waypoint& waypoint);

// Takes the measured waypoint at index into the card: the rise dZM and
// sloping length legM (metres) from the letter's previous measured
// waypoint, riseKnown as CardRiseKnown gave it. A listed waypoint gets its
// leg, and its Grade over the whole leg (none where a height is unknown).
void CardStep(RouteCardPass& pass, int entry, std::size_t index, Waypoint& waypoint, double elevM, double dZM,
              double legM, bool riseKnown);

// Turns the stage totals into the distance and elevation units.
void FinishRouteCard(RouteCardPass& pass);
