#include "guide.h"

#include <cstdint>
#include <cstdio>

#include "guide_columns.h"
#include "guide_frame.h"
#include "guide_layout.h"
#include "guide_rows.h"
#include "pdf_output.h"
#include "plan_page.h"

namespace {

// A starting size no page settings may push past; the buffer grows when a
// page needs more, so this only bounds what is allocated up front.
constexpr double kContentBytesMaxStart = 64 << 20;

// One page's worth of content, so that a page seldom has to grow the buffer
// and a long guide does not allocate for all its pages at once.
std::int32_t StartingCapacity(const GuideLayout& layout) {
    double bytes = GuidePageContentMax(layout);
    return static_cast<std::int32_t>(bytes < kContentBytesMaxStart ? bytes : kContentBytesMaxStart);
}

}  // namespace

double GuidePageContentMax(const GuideLayout& layout) {
    double columns = static_cast<double>(layout.ColumnsAcross) * layout.Bands;
    double rows = columns * layout.RowsPerColumn;
    const double cardColumn = layout.RouteCard ? kGuideCardFrameContentMax : 0.0;
    const double cardRow = layout.RouteCard ? kGuideCardRowContentMax : 0.0;
    return columns * (kGuideColumnFrameContentMax + cardColumn) +
           rows * (kGuideRowContentMax + kGuideRuleContentMax + cardRow);
}

int WriteGuide(const WaypointList& list, const Settings& settings, const FileNames& files, PdfWriter& pdf,
               const RouteCard* card) {
    GuideLayout layout;
    ComputeGuideLayout(settings, layout);
    if (layout.ColumnsAcross < 1 || layout.RowsPerColumn < 1) {
        std::fprintf(stderr,
                     "Oops, page settings leave no room for the guide (%d columns across, %d rows per column)\n",
                     layout.ColumnsAcross, layout.RowsPerColumn);
        return 1;
    }
    // Refused before the file is made: such a page could pass what the
    // writer takes midway and leave a damaged file. The limit is about
    // 370,000 rows, far past any readable page, yet settings at the extremes
    // of their bounds (0.01-inch fields on a 200-inch sheet) ask for a
    // hundred million.
    if (GuidePageContentMax(layout) > static_cast<double>(PDF_CONTENT_LIMIT)) {
        std::fprintf(stderr,
                     "Oops, page settings put too many rows on a guide page (%d columns across, %d rows per column)\n",
                     layout.ColumnsAcross, layout.RowsPerColumn);
        return 1;
    }
    const bool plan = card && settings.Plan;
    if (plan && !PlanFitsPage(layout)) {
        std::fprintf(stderr, "Oops, page settings leave no room for the plan (%d by %d points)\n", layout.PageWidth,
                     layout.PageHeight);
        return 1;
    }
    GuideColumns columns;
    FindGuideColumns(list, settings.InsertedRows, layout, columns, card);

    PdfError error = PdfOpen(pdf, files.PdfFilename, nullptr, kGuideMakerDomain, "cairnlog", nullptr, nullptr,
                             StartingCapacity(layout), layout.PageWidth, layout.PageHeight);
    if (error == PDF_OK) {
        long long last = 0;
        for (long long first = 1; first <= columns.Count; first = GuideNextFirstColumn(layout, first)) {
            DrawGuideFrame(pdf, layout, settings, first, &columns, card);
            DrawGuideRows(pdf, layout, list, files.WayFilename.c_str(), columns, first, card);
            if (PdfShowPage(pdf, 1) != PDF_OK) break;
            last = first;
        }
        // The plan starts a sheet of its own: a last sheet printed on its
        // front alone gets its back, the frame without rows.
        if (plan && last % 2 == 1) {
            DrawGuideFrame(pdf, layout, settings, last + 1, &columns, card);
            PdfShowPage(pdf, 1);
        }
        if (plan) DrawPlanPages(pdf, layout, settings, list, *card);
        error = PdfClose(pdf);  // the document's first failure, if any
    }
    if (error != PDF_OK) {
        std::fputs(PdfErrorMessage(error, pdf.failure.size, pdf.path).c_str(), stderr);
        return 1;
    }
    return 0;
}

int WriteGuide(const WaypointList& list, const Settings& settings, const FileNames& files, const RouteCard* card) {
    PdfWriter pdf;
    return WriteGuide(list, settings, files, pdf, card);
}
