#include "report.h"

#include "line_batch.h"
#include "output_file.h"
#include "put_text.h"
#include "report_format.h"
#include "route_card.h"

namespace {

// Room for a row: its eight numbers, the ID, the letters, the description
// and the tabs and line end; with the card four numbers and two times more.
constexpr int kRowMax = 12 * kReportNumberMax + 2 * kCardTimeTextSize + kWayIdMax + kSquareLettersMax + kDescMax +
                        48;
static_assert(kStageNameMax <= kDescMax, "a totals row fits the room of a row");

// What the card's columns need besides the legs.
struct CardColumns {
    const RouteCard* Card = nullptr;
    int StartMinutes = -1;
};

char* PutTime(char* out, double hours, int startMinutes) {
    char text[kCardTimeTextSize];
    FormatCardTime(text, hours, startMinutes);
    return PutText(out, text);
}

// The card's six fields after Grade, each followed by its tab.
char* PutCardFields(char* out, const CardLeg& leg, int startMinutes) {
    if (leg.HasLeg) out = PutFixed(out, leg.Leg, 7, 2);
    *out++ = '\t';
    if (leg.HasLeg && leg.BearingDeg >= 0) out = PutInteger(out, leg.BearingDeg, 3, true);
    *out++ = '\t';
    if (leg.HasLeg && leg.HasClimb) out = PutFixed(out, leg.Ascent, 5, 0);
    *out++ = '\t';
    if (leg.HasLeg && leg.HasClimb) out = PutFixed(out, leg.Descent, 5, 0);
    *out++ = '\t';
    if (leg.HasLeg) out = PutTime(out, leg.LegHours, -1);
    *out++ = '\t';
    if (leg.HasTime) out = PutTime(out, leg.Hours, startMinutes);
    *out++ = '\t';
    return out;
}

// A stage's totals row: "Total" for its ID, the distance under Leg, the
// climb and the time under LegTime, and the stage name as its description.
char* FormatTotalsRow(char* out, const StageTotals& totals, const Stage& stage) {
    out = PutText(out, "\tTotal\t\t\t\t\t\t\t");
    CardLeg leg;
    leg.HasLeg = 1;
    leg.Leg = totals.Distance;
    leg.HasClimb = totals.HasClimb;
    leg.Ascent = totals.Ascent;
    leg.Descent = totals.Descent;
    leg.LegHours = totals.Hours;
    out = PutCardFields(out, leg, -1);
    out = PutText(out, stage.Name);
    return PutText(out, "\r\n");
}

// One row: position, grid reference, distance, grade and description, nine
// fields like the header, with the card's six before the description.
// Returns the end of the row.
char* FormatRow(char* out, int item, const Waypoint& waypoint, bool irish, const CardColumns& card,
                std::size_t index) {
    out = PutInteger(out, item, 0);
    *out++ = '\t';
    out = PutText(out, waypoint.WayID);
    *out++ = '\t';
    out = PutFixed(out, waypoint.Lat, 12, 7);
    *out++ = '\t';
    out = PutFixed(out, waypoint.Long, 12, 7);
    *out++ = '\t';
    if (!(card.Card && waypoint.NoElev)) out = PutFixed(out, waypoint.Elev, 5, 0);
    *out++ = '\t';
    // The OSGB grid by square letters and figures within the square, the
    // Irish grid by its full easting and northing.
    if (irish) {
        out = PutFixed(out, waypoint.GridE, 6, 0, true);
        *out++ = '/';
        out = PutFixed(out, waypoint.GridN, 6, 0, true);
    } else {
        out = PutText(out, waypoint.SquareLetters);
        *out++ = ':';
        out = PutInteger(out, waypoint.SquareE, 5, true);
        *out++ = '/';
        out = PutInteger(out, waypoint.SquareN, 5, true);
    }
    *out++ = '\t';
    if (waypoint.HasDistance) out = PutFixed(out, waypoint.Distance, 7, 2);
    *out++ = '\t';
    if (waypoint.HasGrade) {
        out = PutFixed(out, waypoint.Grade, 4, 0);
        *out++ = '%';
    }
    *out++ = '\t';
    if (card.Card) out = PutCardFields(out, card.Card->Legs[index], card.StartMinutes);
    out = PutText(out, waypoint.Desc);
    return PutText(out, "\r\n");
}

// The card's part of the header, naming the units of its columns.
void PrintCardHeader(std::FILE* file, const Settings& settings) {
    const bool feet = settings.ElevationUnits == kElevationFeet;
    std::fprintf(file, "Leg %s\tBearing %s\tAscent %s\tDescent %s\tLegTime h:mm\tTime %s\t",
                 settings.DistanceUnits == kUnitsMiles ? "Miles" : "KM", settings.Magnetic ? "Mag" : "Grid",
                 feet ? "ft" : "m", feet ? "ft" : "m", settings.StartMinutes >= 0 ? "HH:MM" : "h:mm");
}

}  // namespace

int WriteReport(std::FILE* file, const WaypointList& list, const Settings& settings, const RouteCard* card) {
    const bool irish = settings.GridSystem == kGridIrish;
    std::fprintf(file, "#\tWP\t  WGS-Lat\t  WGS-Lon\t Elev\t%s\t%s\tGrade\t", irish ? "Irish-Grid" : "OSGB-Grid",
                 settings.DistanceUnits == kUnitsMiles ? "  Miles" : "    KM");
    if (card) PrintCardHeader(file, settings);
    std::fputs("Description\r\n", file);
    const CardColumns columns{card, settings.StartMinutes};
    LineBatch batch = MakeLineBatch(file);
    int item = 0;
    std::size_t index = 0;
    std::size_t stage = 0;
    const std::size_t count = list.size();
    for (const Waypoint& waypoint : list) {
        if (!waypoint.Via) {
            LineDone(batch, FormatRow(LineRoom(batch, kRowMax), ++item, waypoint, irish, columns, index));
        }
        ++index;
        // A stage ends before the next stage's first waypoint, or at the end.
        if (card && (index == count || (stage + 1 < card->Stages.size() && card->Stages[stage + 1].First == index))) {
            LineDone(batch, FormatTotalsRow(LineRoom(batch, kRowMax), card->Totals[stage], card->Stages[stage]));
            ++stage;
        }
    }
    return WriteLineBatch(batch);
}

int WriteReportFile(const char* rptFilename, const WaypointList& list, const Settings& settings,
                    const RouteCard* card) {
    std::FILE* file = std::fopen(rptFilename, "wb");
    if (file == nullptr) {
        std::fprintf(stderr, "Can't open report file %s for write\n", rptFilename);
        return 1;
    }
    int failed = FinishOutputFile(file, rptFilename, WriteReport(file, list, settings, card));
    if (failed) std::fprintf(stderr, "Oops, can't write %s\n", rptFilename);
    return failed;
}
