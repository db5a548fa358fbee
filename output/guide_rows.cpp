#include "guide_rows.h"

#include <cstdio>
#include <string>

#include "route_card.h"

namespace {

// The card's field: the bearing on the upper line, the time on the lower.
void DrawCardField(PdfWriter& pdf, const GuideLayout& layout, const CardLeg& leg, double x, double y) {
    char text[kGuideNumberTextSize];
    if (leg.HasLeg && leg.BearingDeg >= 0) {
        std::snprintf(text, sizeof text, "%03d", leg.BearingDeg);
        PdfText(pdf, x + layout.LegAnchor, y + layout.UpperLine, text);
    }
    if (leg.HasTime) {
        char time[kCardTimeTextSize];
        FormatCardTime(time, leg.Hours, layout.StartMinutes);
        PdfText(pdf, x + layout.LegAnchor, y + layout.LowerLine, time);
    }
}

}  // namespace

void DrawGuideRow(PdfWriter& pdf, const GuideLayout& layout, const Waypoint& waypoint, const char* wayFilename,
                  double x, double y, const CardLeg* leg) {
    char text[kGuideNumberTextSize];
    const double upper = y + layout.UpperLine;
    const double lower = y + layout.LowerLine;

    PdfSetTextAlign(pdf, PDF_ALIGN_CENTER | PDF_VALIGN_BASELINE, 0);
    PdfText(pdf, x + layout.WaypointAnchor, upper, waypoint.WayID);
    if (waypoint.HasDistance) {
        std::snprintf(text, sizeof text, "%.1f", waypoint.Distance);
        PdfText(pdf, x + layout.WaypointAnchor, lower, text);
    }

    char gridUpper[kGuideGridTextSize];
    char gridLower[kGuideGridTextSize];
    FormatGuideGridTexts(waypoint, layout.GridSystem, gridUpper, gridLower);
    PdfSetTextAlign(pdf, PDF_ALIGN_RIGHT | PDF_VALIGN_BASELINE, 0);
    PdfText(pdf, x + layout.GridValueAnchor, upper, gridUpper);
    PdfText(pdf, x + layout.GridValueAnchor, lower, gridLower);

    PdfSetTextAlign(pdf, PDF_ALIGN_CENTER | PDF_VALIGN_BASELINE, 0);
    if (!(leg && waypoint.NoElev)) {
        std::snprintf(text, sizeof text, "%.0f", waypoint.Elev);
        PdfText(pdf, x + layout.ElevAnchor, upper, text);
    }
    if (waypoint.HasGrade) {
        std::snprintf(text, sizeof text, "%.0f%%", waypoint.Grade);
        PdfText(pdf, x + layout.ElevAnchor, lower, text);
    }
    if (leg) DrawCardField(pdf, layout, *leg, x, y);

    GuideDescLines lines;
    SplitGuideDescription(pdf, std::string(waypoint.Desc), layout.DescLimit, lines);
    if (lines.TooWide) {
        std::fprintf(stderr, "Oops, Waypoint guide description too long, line %d of %s\n", waypoint.LineNo,
                     wayFilename);
    }
    PdfSetTextAlign(pdf, PDF_ALIGN_LEFT | PDF_VALIGN_BASELINE, 0);
    if (lines.LineCount == 1) {
        PdfText(pdf, x + layout.DescAnchor, y + layout.MiddleLine, lines.First.c_str());
    } else {
        PdfText(pdf, x + layout.DescAnchor, upper, lines.First.c_str());
        PdfText(pdf, x + layout.DescAnchor, lower, lines.Second.c_str());
    }
}

void DrawGuideTotalsRow(PdfWriter& pdf, const GuideLayout& layout, const StageTotals& totals, const Stage& stage,
                        double x, double y) {
    char text[kGuideNumberTextSize];
    PdfSetTextAlign(pdf, PDF_ALIGN_CENTER | PDF_VALIGN_BASELINE, 0);
    PdfText(pdf, x + layout.WaypointAnchor, y + layout.UpperLine, "Total");
    std::snprintf(text, sizeof text, "%.1f", totals.Distance);
    PdfText(pdf, x + layout.WaypointAnchor, y + layout.LowerLine, text);
    if (totals.HasClimb) {
        std::snprintf(text, sizeof text, "+%.0f", totals.Ascent);
        PdfText(pdf, x + layout.ElevAnchor, y + layout.UpperLine, text);
        std::snprintf(text, sizeof text, "-%.0f", totals.Descent);
        PdfText(pdf, x + layout.ElevAnchor, y + layout.LowerLine, text);
    }
    char time[kCardTimeTextSize];
    FormatCardTime(time, totals.Hours, -1);
    PdfText(pdf, x + layout.LegAnchor, y + layout.LowerLine, time);
    PdfSetTextAlign(pdf, PDF_ALIGN_LEFT | PDF_VALIGN_BASELINE, 0);
    PdfText(pdf, x + layout.DescAnchor, y + layout.MiddleLine, std::string(stage.Name).c_str());
}

void DrawGuideRows(PdfWriter& pdf, const GuideLayout& layout, const WaypointList& list, const char* wayFilename,
                   const GuideColumns& columns, long long firstColumn, const RouteCard* card) {
    PdfSetFont(pdf, "Helvetica", layout.FontSize);
    PdfSetTextGray(pdf, 0);
    const bool front = firstColumn % 2 == 1;
    const long long columnsFound = static_cast<long long>(columns.Starts.size());
    const std::size_t count = list.size();
    for (int band = 0; band < layout.Bands; ++band) {
        for (int j = 0; j < layout.ColumnsAcross; ++j) {
            // The j-th column of the band in column order; a front page
            // shows it at position j, a back page mirrored.
            int position = front ? j : layout.ColumnsAcross - 1 - j;
            long long column = GuidePageColumn(layout, firstColumn, band, position);
            if (column > columnsFound) return;  // no waypoint left
            double x = GuideColumnLeft(layout, position);
            double y = GuideBandTop(layout, band) - 2 * layout.RowHeight;
            std::size_t index = columns.Starts[static_cast<std::size_t>(column - 1)];
            long long row = 0;
            if (card) {
                row = columns.LeadRows[static_cast<std::size_t>(column - 1)];
                // The totals row of a stage whose last waypoint filled the
                // column before opens this one.
                if (row > 0 && !list[index - 1].Via && row == GuideRowSpan(list[index - 1]) - 1 &&
                    GuideEndsStage(*card, count, index - 1)) {
                    const std::size_t stage = GuideStageOf(*card, index - 1);
                    DrawGuideTotalsRow(pdf, layout, card->Totals[stage], card->Stages[stage], x, y);
                }
                y = y - static_cast<double>(row) * layout.RowHeight;
            }
            for (; row < layout.RowsPerColumn && index < count; ++index) {
                const Waypoint& waypoint = list[index];
                const int own = waypoint.Via ? 0 : 1;
                if (own) DrawGuideRow(pdf, layout, waypoint, wayFilename, x, y, card ? &card->Legs[index] : nullptr);
                if (card && row + own < layout.RowsPerColumn && GuideEndsStage(*card, count, index)) {
                    const std::size_t stage = GuideStageOf(*card, index);
                    DrawGuideTotalsRow(pdf, layout, card->Totals[stage], card->Stages[stage], x,
                                       y - own * layout.RowHeight);
                }
                int span = GuideRowSpan(waypoint);
                row += span;
                y = y - span * layout.RowHeight;
            }
        }
    }
}
