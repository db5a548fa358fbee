#include "plan_page.h"

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "height_profile.h"
#include "pdf_page.h"

namespace {

constexpr double kHeadingSizePt = 12.0;       // the walk's title
constexpr double kTextSizePt = 8.0;           // the table and the profiles' titles
constexpr double kRowPt = 12.0;               // a table row and a profile's title line
constexpr double kSectionGapPt = 12.0;        // under the heading and the table
constexpr double kColumnGapPt = 12.0;         // between the table's columns
constexpr double kIdRowPt = 10.0;             // above a profile's plot, for its waypoints' IDs
constexpr double kTickRowPt = 14.0;           // below it, for the distance labels
constexpr double kProfileGapPt = 8.0;
constexpr double kHeightLabelsPt = 28.0;      // left of the plot, for the height labels
constexpr double kUnitsLabelPt = 28.0;        // right of it, for the distance units
constexpr double kMinPlotWidthPt = 144.0;     // two inches: the narrowest plot worth drawing
constexpr double kRuleRaisePt = 1.0;          // a rule above a row's top, below the descenders over it
constexpr double kThinRulePt = 0.5;
constexpr double kThinRuleGray = 0.7;
constexpr double kHeavyRulePt = 1.0;
constexpr double kProfileBlockPt = kRowPt + kIdRowPt + kPlanProfileHeightPt + kTickRowPt + kProfileGapPt;

constexpr int kTableColumns = 7;
constexpr int kFirstNumberColumn = 3;         // distance, ascent, descent and time stand right-aligned
constexpr int kCellTextSize = 48;

using TableRow = std::array<std::string, kTableColumns>;

// Where the next thing goes down the page, and the page it is on.
struct PlanFlow {
    PdfWriter& Pdf;
    const GuideLayout& Layout;
    const char* Title;
    double Y = 0.0;
    int Started = 0;
};

void StartPage(PlanFlow& flow) {
    if (flow.Started) PdfShowPage(flow.Pdf, 1);
    flow.Started = 1;
    const double top = flow.Layout.PageHeight - kPlanMarginPt;
    PdfSetFont(flow.Pdf, "Helvetica-Bold", kHeadingSizePt);
    PdfSetTextGray(flow.Pdf, 0);
    PdfText(flow.Pdf, kPlanMarginPt, top - kHeadingSizePt, flow.Title);
    flow.Y = top - kHeadingSizePt - kSectionGapPt;
}

// Starts a new page when height points no longer fit above the margin.
// Returns 1 when it did.
int MakeRoom(PlanFlow& flow, double height) {
    if (flow.Y - height >= kPlanMarginPt) return 0;
    StartPage(flow);
    return 1;
}

std::string StageName(const Stage& stage, const Settings& settings) {
    return stage.Name.empty() ? std::string(settings.Title) : std::string(stage.Name);
}

// The IDs of the first and last listed waypoints of [begin, end) on the
// main path (the symbol entry mainPath); of any path when the main path
// has none there, and of any waypoint when no path has.
void StageEnds(const WaypointList& list, const RouteCard& card, std::size_t begin, std::size_t end, int mainPath,
               std::string& from, std::string& to) {
    from.clear();
    to.clear();
    for (int pass = 0; pass < 3 && from.empty(); ++pass) {
        for (std::size_t i = begin; i < end; ++i) {
            const Waypoint& waypoint = list[i];
            if (pass < 2 && (waypoint.Via || !waypoint.HasDistance)) continue;
            if (pass == 0 && CardPathEntry(card, waypoint) != mainPath) continue;
            if (from.empty()) from = waypoint.WayID;
            to = waypoint.WayID;
        }
    }
}

std::string Number(const char* format, double value) {
    char text[kCellTextSize];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

TableRow Measures(std::string name, std::string from, std::string to, const StageTotals& totals) {
    char time[kCardTimeTextSize];
    FormatCardTime(time, totals.Hours, -1);
    return {std::move(name),
            std::move(from),
            std::move(to),
            Number("%.1f", totals.Distance),
            totals.HasClimb ? Number("%.0f", totals.Ascent) : "-",
            totals.HasClimb ? Number("%.0f", totals.Descent) : "-",
            time};
}

// Where the table's columns stand, and the size of its text: each column
// as wide as its widest text, the whole shrunk to the page's width when it
// would run past it (long IDs or names).
struct TableLayout {
    double X[kTableColumns] = {};
    double Width[kTableColumns] = {};
    double Right = 0.0;
    double SizePt = kTextSizePt;
};

void DrawRow(PlanFlow& flow, const TableRow& row, const TableLayout& table, const char* font) {
    PdfSetFont(flow.Pdf, font, table.SizePt);
    PdfSetTextGray(flow.Pdf, 0);
    const double baseline = flow.Y - kTextSizePt;
    for (int column = 0; column < kTableColumns; ++column) {
        const bool number = column >= kFirstNumberColumn;
        PdfSetTextAlign(flow.Pdf, (number ? PDF_ALIGN_RIGHT : PDF_ALIGN_LEFT) | PDF_VALIGN_BASELINE, 0);
        PdfText(flow.Pdf, number ? table.X[column] + table.Width[column] : table.X[column], baseline,
                row[column].c_str());
    }
    flow.Y -= kRowPt;
}

void DrawRule(PlanFlow& flow, double right, double widthPt, double gray) {
    const double y = flow.Y + kRuleRaisePt;
    PdfMoveTo(flow.Pdf, kPlanMarginPt, y);
    PdfLineTo(flow.Pdf, right, y);
    PdfSetLineWidth(flow.Pdf, widthPt);
    PdfSetLineGray(flow.Pdf, gray);
    PdfStroke(flow.Pdf);
}

// The table: its header again on every page it runs onto, a thin rule
// under it, and a heavy rule over the totals.
void DrawTable(PlanFlow& flow, const Settings& settings, const WaypointList& list, const RouteCard& card) {
    const TableRow header = {"Stage", "From", "To",
                             settings.DistanceUnits == kUnitsKm ? "Distance (km)" : "Distance (miles)",
                             settings.ElevationUnits == kElevationFeet ? "Ascent (ft)" : "Ascent (m)",
                             settings.ElevationUnits == kElevationFeet ? "Descent (ft)" : "Descent (m)",
                             "Time"};
    std::vector<TableRow> rows;
    StageTotals walk;
    const int mainPath = MainPathEntry(list, card);
    for (std::size_t stage = 0; stage < card.Stages.size(); ++stage) {
        const std::size_t end = stage + 1 < card.Stages.size() ? card.Stages[stage + 1].First : list.size();
        std::string from;
        std::string to;
        StageEnds(list, card, card.Stages[stage].First, end, mainPath, from, to);
        const StageTotals& totals = card.Totals[stage];
        rows.push_back(Measures(StageName(card.Stages[stage], settings), from, to, totals));
        walk.Distance += totals.Distance;
        walk.Ascent += totals.Ascent;
        walk.Descent += totals.Descent;
        walk.Hours += totals.Hours;
        walk.HasClimb |= totals.HasClimb;
    }
    const TableRow total = Measures("Total", "", "", walk);

    TableLayout table;
    auto widen = [&](const TableRow& row, const char* font) {
        PdfSetFont(flow.Pdf, font, kTextSizePt);
        for (int column = 0; column < kTableColumns; ++column) {
            const double drawn = PdfTextWidth(flow.Pdf, row[column].c_str());
            if (drawn > table.Width[column]) table.Width[column] = drawn;
        }
    };
    widen(header, "Helvetica-Bold");
    for (const TableRow& row : rows) widen(row, "Helvetica");
    widen(total, "Helvetica-Bold");
    double wide = (kTableColumns - 1) * kColumnGapPt;
    for (double width : table.Width) wide += width;
    const double room = flow.Layout.PageWidth - 2 * kPlanMarginPt;
    const double scale = wide > room ? room / wide : 1.0;
    table.SizePt = kTextSizePt * scale;
    table.X[0] = kPlanMarginPt;
    for (int column = 0; column < kTableColumns; ++column) {
        table.Width[column] *= scale;
        if (column > 0) table.X[column] = table.X[column - 1] + table.Width[column - 1] + kColumnGapPt * scale;
    }
    table.Right = table.X[kTableColumns - 1] + table.Width[kTableColumns - 1];

    auto drawHeader = [&]() {
        DrawRow(flow, header, table, "Helvetica-Bold");
        DrawRule(flow, table.Right, kThinRulePt, kThinRuleGray);
    };
    drawHeader();
    for (const TableRow& row : rows) {
        if (MakeRoom(flow, kRowPt)) drawHeader();
        DrawRow(flow, row, table, "Helvetica");
    }
    if (MakeRoom(flow, kRowPt)) drawHeader();
    DrawRule(flow, table.Right, kHeavyRulePt, 0);
    DrawRow(flow, total, table, "Helvetica-Bold");
    flow.Y -= kSectionGapPt;
}

void DrawProfiles(PlanFlow& flow, const Settings& settings, const WaypointList& list, const RouteCard& card) {
    std::vector<HeightProfile> profiles;
    FindHeightProfiles(list, card, profiles);
    ProfileUnits units;
    units.Distance = settings.DistanceUnits == kUnitsKm ? "km" : "miles";
    units.Height = settings.ElevationUnits == kElevationFeet ? "ft" : "m";
    for (const HeightProfile& profile : profiles) {
        MakeRoom(flow, kProfileBlockPt);
        std::string title = StageName(card.Stages[profile.Stage], settings) + ", path " +
                            static_cast<char>('A' + profile.Letter - 1);
        PdfSetFont(flow.Pdf, "Helvetica-Bold", kTextSizePt);
        PdfSetTextGray(flow.Pdf, 0);
        PdfText(flow.Pdf, kPlanMarginPt, flow.Y - kTextSizePt, title.c_str());
        ProfileBox box;
        box.Left = kPlanMarginPt + kHeightLabelsPt;
        box.Width = flow.Layout.PageWidth - kPlanMarginPt - kUnitsLabelPt - box.Left;
        box.Height = kPlanProfileHeightPt;
        box.Bottom = flow.Y - kRowPt - kIdRowPt - box.Height;
        DrawHeightProfile(flow.Pdf, list, profile, box, units);
        flow.Y -= kProfileBlockPt;
    }
}

}  // namespace

int PlanFitsPage(const GuideLayout& layout) {
    const double plotWidth = layout.PageWidth - 2 * kPlanMarginPt - kHeightLabelsPt - kUnitsLabelPt;
    const double height = layout.PageHeight - 2 * kPlanMarginPt - kHeadingSizePt - kSectionGapPt;
    return plotWidth >= kMinPlotWidthPt && height >= kProfileBlockPt;
}

void DrawPlanPages(PdfWriter& pdf, const GuideLayout& layout, const Settings& settings, const WaypointList& list,
                   const RouteCard& card) {
    PlanFlow flow{pdf, layout, settings.Title};
    StartPage(flow);
    DrawTable(flow, settings, list, card);
    DrawProfiles(flow, settings, list, card);
    PdfShowPage(pdf, 1);
}
