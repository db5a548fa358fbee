#include "guide_frame.h"

#include <cstdio>
#include <string>

#include "guide_columns.h"
#include "route_card.h"

namespace {

static_assert(kTitleMax < kGuideLabelTextSize, "the title fits the frame's content bound");
static_assert(kStageNameMax < kGuideLabelTextSize, "a stage name fits the frame's content bound");
static_assert(std::char_traits<char>::length(kGuideMakerDomain) < kGuideLabelTextSize,
              "the credit fits the frame's content bound");

void SelectThinLines(PdfWriter& pdf) {
    PdfSetLineWidth(pdf, kGuideThinLineWidth);
    PdfSetLineGray(pdf, kGuideThinLineGray);
}

void SelectHeavyLines(PdfWriter& pdf) {
    PdfSetLineWidth(pdf, kGuideHeavyLineWidth);
    PdfSetLineGray(pdf, kGuideHeavyLineGray);
}

// The header row, its baselines relative to head, the row's bottom edge;
// title is the title or the stage's name.
void DrawColumnHeader(PdfWriter& pdf, const GuideLayout& layout, const char* title, double x, double head,
                      long long label) {
    PdfSetFont(pdf, "Helvetica-Bold", layout.FontSize);
    PdfSetTextAlign(pdf, PDF_ALIGN_CENTER | PDF_VALIGN_BASELINE, 0);
    PdfText(pdf, x + layout.WaypointAnchor, head + layout.UpperLine, "WP");
    PdfText(pdf, x + layout.WaypointAnchor, head + layout.LowerLine, layout.UnitsLabel);
    PdfText(pdf, x + layout.GridHeaderAnchor, head + layout.MiddleLine, layout.GridLabel);
    PdfText(pdf, x + layout.ElevAnchor, head + layout.UpperLine, "Elev");
    PdfText(pdf, x + layout.ElevAnchor, head + layout.LowerLine, "%");
    if (layout.RouteCard) {
        PdfText(pdf, x + layout.LegAnchor, head + layout.UpperLine, "Brg");
        PdfText(pdf, x + layout.LegAnchor, head + layout.LowerLine, "Time");
    }
    PdfSetTextAlign(pdf, PDF_ALIGN_LEFT | PDF_VALIGN_BASELINE, 0);
    PdfText(pdf, x + layout.DescAnchor, head + layout.UpperLine, title);
    PdfText(pdf, x + layout.DescAnchor, head + layout.LowerLine, "Description");
    char text[kGuideLabelTextSize];
    std::snprintf(text, sizeof text, "-%lld-", label);
    PdfSetTextAlign(pdf, PDF_ALIGN_RIGHT | PDF_VALIGN_BASELINE, 0);
    PdfText(pdf, x + layout.MarkerAnchor, head + layout.LowerLine, text);
}

void DrawVerticalLine(PdfWriter& pdf, double x, double from, double to) {
    PdfMoveTo(pdf, x, from);
    PdfLineTo(pdf, x, to);
}

// The heading of column label: its stage's name, or the title.
void ColumnTitle(char (&title)[kGuideLabelTextSize], const Settings& settings, long long label,
                 const GuideColumns* columns, const RouteCard* card) {
    std::snprintf(title, sizeof title, "%s", settings.Title);
    if (!card || !columns || label > static_cast<long long>(columns->Heads.size())) return;
    const std::string_view name = card->Stages[columns->Heads[static_cast<std::size_t>(label - 1)]].Name;
    if (!name.empty()) std::snprintf(title, sizeof title, "%.*s", static_cast<int>(name.size()), name.data());
}

}  // namespace

void DrawGuideFrame(PdfWriter& pdf, const GuideLayout& layout, const Settings& settings, long long firstColumn,
                    const GuideColumns* columns, const RouteCard* card) {
    const bool front = firstColumn % 2 == 1;
    const long long across = layout.ColumnsAcross;
    long long label = front ? firstColumn : firstColumn + 2 * across - 2;
    const long long step = front ? 2 : -2;

    PdfSetTextGray(pdf, 0);
    SelectThinLines(pdf);
    for (int band = 0; band < layout.Bands; ++band) {
        // A back page's bands run right to left; the next band's labels
        // begin a whole band of front and back columns further on.
        if (!front && band > 0) label += 4 * across;
        const double top = GuideBandTop(layout, band);
        const double head = top - layout.RowHeight;
        const double bottom = top - layout.ColumnHeight;
        for (int position = 0; position < layout.ColumnsAcross; ++position) {
            const double x = GuideColumnLeft(layout, position);
            PdfSetFont(pdf, "Helvetica", layout.FontSize);
            PdfSetTextAlign(pdf, PDF_ALIGN_LEFT | PDF_VALIGN_TOP, 0);
            PdfText(pdf, x + kGuideCreditIndent, bottom, kGuideMakerDomain);

            char title[kGuideLabelTextSize];
            ColumnTitle(title, settings, label, columns, card);
            DrawColumnHeader(pdf, layout, title, x, head, label);
            label += step;

            DrawVerticalLine(pdf, x + layout.WaypointEdge, top, bottom);
            DrawVerticalLine(pdf, x + layout.GridEdge, top, bottom);
            DrawVerticalLine(pdf, x + layout.ElevEdge, top, bottom);
            if (layout.RouteCard) DrawVerticalLine(pdf, x + layout.LegEdge, top, bottom);
            if (position < layout.ColumnsAcross - 1) {
                DrawVerticalLine(pdf, x + layout.CutMarkOffset, top, top - layout.RowHeight);
                DrawVerticalLine(pdf, x + layout.CutMarkOffset, bottom, bottom + layout.RowHeight);
            }
            PdfStroke(pdf);
        }

        // The top rule and the header's foot are heavy, the rules between
        // the rows thin.
        SelectHeavyLines(pdf);
        for (long long rule = 0; rule < layout.RowsPerColumn + 2LL; ++rule) {
            if (rule == 2) SelectThinLines(pdf);
            const double y = top - static_cast<double>(rule) * layout.RowHeight;
            for (int position = 0; position < layout.ColumnsAcross; ++position) {
                const double x = GuideColumnLeft(layout, position);
                PdfMoveTo(pdf, x, y);
                PdfLineTo(pdf, x + layout.ColumnWidth, y);
                PdfStroke(pdf);
            }
        }
    }
}
