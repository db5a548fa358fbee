#include "route_card.h"

#include <cmath>
#include <cstdio>

#include "route_measures.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegreesPerTurn = 360.0;
constexpr double kMinutesPerHour = 60.0;

}  // namespace

CardRates CardRatesOf(const Settings& settings) {
    CardRates rates;
    rates.Tweak = settings.DistanceTweak;
    rates.UnitFactor = UnitFactor(settings);
    rates.MetresPerElevationUnit = MetresPerElevationUnit(settings);
    // PACE is in distance units per hour, a unit being 1 / (UnitFactor / tweak)
    // walked metres.
    if (settings.Pace > 0.0) rates.PaceMPerHour = settings.Pace * settings.DistanceTweak / rates.UnitFactor;
    if (settings.Climb > 0.0) rates.ClimbMPerHour = settings.Climb * rates.MetresPerElevationUnit;
    if (settings.Magnetic) rates.MagneticWestDeg = settings.MagneticWestDeg;
    return rates;
}

double NaismithHours(double legM, double ascentM, const CardRates& rates) {
    return legM * rates.Tweak / rates.PaceMPerHour + ascentM / rates.ClimbMPerHour;
}

int GridBearingDeg(double dE, double dN, double westDeg) {
    if (dE == 0.0 && dN == 0.0) return -1;
    double degrees = std::atan2(dE, dN) * 180.0 / kPi + westDeg;
    degrees = std::fmod(degrees, kDegreesPerTurn);
    if (degrees < 0.0) degrees += kDegreesPerTurn;
    const int whole = static_cast<int>(std::lround(degrees));
    return whole == 360 ? 0 : whole;
}

void FormatCardTime(char (&text)[kCardTimeTextSize], double hours, int startMinutes) {
    double minutes = std::round(hours * kMinutesPerHour);
    if (!(minutes < 1e15)) minutes = 0.0;  // no walk is that long: keep the text in its buffer
    const long long total = static_cast<long long>(minutes) + (startMinutes > 0 ? startMinutes : 0);
    const char* format = startMinutes >= 0 ? "%02lld:%02lld" : "%lld:%02lld";
    std::snprintf(text, sizeof text, format, total / 60, total % 60);
}

void StartRouteCard(RouteCard& card, std::size_t count, const Settings& settings, RouteCardPass& pass) {
    card.Legs.assign(count, CardLeg{});
    if (card.Stages.empty()) card.Stages.push_back(Stage{});
    card.Totals.assign(card.Stages.size(), StageTotals{});
    pass.Card = &card;
    pass.Rates = CardRatesOf(settings);
    pass.Stage = 0;
}

int CardRiseKnown(const RouteCardPass& pass, int entry, const Waypoint& waypoint) {
    return !waypoint.NoElev && pass.Letters[entry].PrevElevKnown;
}

void CardStep(RouteCardPass& pass, int entry, std::size_t index, Waypoint& waypoint, double elevM, double dZM,
              double legM, bool riseKnown) {
    RouteCard& card = *pass.Card;
    while (pass.Stage + 1 < card.Stages.size() && card.Stages[pass.Stage + 1].First <= index) ++pass.Stage;
    LetterLeg& leg = pass.Letters[entry];
    CardLeg& out = card.Legs[index];
    const bool elevKnown = !waypoint.NoElev;

    if (waypoint.SegmentStart) {
        leg.Hours = 0.0;
    } else {
        const double ascentM = riseKnown && dZM > 0.0 ? dZM : 0.0;
        const double descentM = riseKnown && dZM < 0.0 ? -dZM : 0.0;
        const double hours = NaismithHours(legM, ascentM, pass.Rates);
        leg.LegM += legM;
        leg.AscentM += ascentM;
        leg.DescentM += descentM;
        leg.Climbed |= riseKnown;
        leg.LegHours += hours;
        leg.Hours += hours;
        StageTotals& totals = card.Totals[pass.Stage];
        totals.Distance += legM;
        totals.Ascent += ascentM;
        totals.Descent += descentM;
        totals.HasClimb |= riseKnown;
        totals.Hours += hours;
    }
    if (waypoint.Via && !waypoint.SegmentStart) {
        waypoint.HasGrade = 0;  // the grade is the whole leg's
        leg.PrevElevKnown = elevKnown;
        return;  // the leg runs on through it
    }
    out.HasTime = 1;
    out.Hours = leg.Hours;
    if (!waypoint.SegmentStart) {
        const double metresPerUnit = pass.Rates.MetresPerElevationUnit;
        out.HasLeg = 1;
        out.Leg = leg.LegM * pass.Rates.UnitFactor;
        out.Ascent = leg.AscentM / metresPerUnit;
        out.Descent = leg.DescentM / metresPerUnit;
        out.HasClimb = leg.Climbed;
        out.LegHours = leg.LegHours;
        out.BearingDeg = static_cast<int16_t>(
            GridBearingDeg(waypoint.GridE - leg.StartE, waypoint.GridN - leg.StartN, pass.Rates.MagneticWestDeg));
        // The grade of the whole leg, where both its ends have a height.
        waypoint.HasGrade = 0;
        if (leg.StartElevKnown && elevKnown && leg.LegM > 0.0) {
            waypoint.Grade = 100.0 * (elevM - leg.StartElevM) / leg.LegM;
            waypoint.HasGrade = 1;
        }
    }
    const double hours = leg.Hours;
    leg = LetterLeg{};
    leg.Hours = hours;
    leg.StartE = waypoint.GridE;
    leg.StartN = waypoint.GridN;
    leg.StartElevM = elevM;
    leg.StartElevKnown = elevKnown;
    leg.PrevElevKnown = elevKnown;
}

void FinishRouteCard(RouteCardPass& pass) {
    const double metresPerUnit = pass.Rates.MetresPerElevationUnit;
    for (StageTotals& totals : pass.Card->Totals) {
        totals.Distance *= pass.Rates.UnitFactor;
        totals.Ascent /= metresPerUnit;
        totals.Descent /= metresPerUnit;
    }
}
