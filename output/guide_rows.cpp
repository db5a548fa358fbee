#include "guide_rows.h"

#include <cstdio>
#include <string>

void DrawGuideRow(PdfWriter& pdf, const GuideLayout& layout, const Waypoint& waypoint, const char* wayFilename,
                  double x, double y) {
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
    std::snprintf(text, sizeof text, "%.0f", waypoint.Elev);
    PdfText(pdf, x + layout.ElevAnchor, upper, text);
    if (waypoint.HasGrade) {
        std::snprintf(text, sizeof text, "%.0f%%", waypoint.Grade);
        PdfText(pdf, x + layout.ElevAnchor, lower, text);
    }

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

void DrawGuideRows(PdfWriter& pdf, const GuideLayout& layout, const WaypointList& list, const char* wayFilename,
                   const GuideColumns& columns, long long firstColumn) {
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
            for (long long row = 0; row < layout.RowsPerColumn && index < count; ++index) {
                const Waypoint& waypoint = list[index];
                DrawGuideRow(pdf, layout, waypoint, wayFilename, x, y);
                int span = GuideRowSpan(waypoint);
                row += span;
                y = y - span * layout.RowHeight;
            }
        }
    }
}
