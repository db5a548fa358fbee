#include "guide.h"

#include <cstdint>
#include <cstdio>

#include "guide_columns.h"
#include "guide_frame.h"
#include "guide_layout.h"
#include "guide_rows.h"
#include "pdf_output.h"

namespace {

// Content bytes one row of a column takes at most, and what the frame and
// the page's fixed part take besides.
constexpr long long kContentBytesPerRow = 500;
constexpr long long kContentBytesFixed = 64000;
// A starting size no page settings may push past; the buffer grows when a
// page needs more, so this only bounds what is allocated up front.
constexpr long long kContentBytesMaxStart = 64LL << 20;
// Rows one page may hold so that its content stays within what the PDF
// writer takes (PDF_CONTENT_LIMIT, 1 GiB): about 2.1 million, far past any
// readable page, yet settings at the extremes of their bounds (0.01-inch
// fields on a 200-inch sheet) ask for a hundred million.
constexpr long long kRowsPerPageMax =
    (static_cast<long long>(PDF_CONTENT_LIMIT) - kContentBytesFixed) / kContentBytesPerRow;

long long RowsPerPage(const GuideLayout& layout) {
    return static_cast<long long>(layout.ColumnsAcross) * layout.Bands * layout.RowsPerColumn;
}

// One page's worth of content, so that the first page rarely has to grow the
// buffer and a long guide does not allocate for all its pages at once.
std::int32_t StartingCapacity(const GuideLayout& layout) {
    long long bytes = RowsPerPage(layout) * kContentBytesPerRow + kContentBytesFixed;
    return static_cast<std::int32_t>(bytes < kContentBytesMaxStart ? bytes : kContentBytesMaxStart);
}

}  // namespace

int WriteGuide(const WaypointList& list, const Settings& settings, const FileNames& files, PdfWriter& pdf) {
    GuideLayout layout;
    ComputeGuideLayout(settings, layout);
    if (layout.ColumnsAcross < 1 || layout.RowsPerColumn < 1) {
        std::fprintf(stderr,
                     "Oops, page settings leave no room for the guide (%d columns across, %d rows per column)\n",
                     layout.ColumnsAcross, layout.RowsPerColumn);
        return 1;
    }
    // Refused before the file is made: such a page would fill a gigabyte
    // of memory and then end the run, leaving a damaged file.
    if (RowsPerPage(layout) > kRowsPerPageMax) {
        std::fprintf(stderr,
                     "Oops, page settings put too many rows on a guide page (%d columns across, %d rows per column)\n",
                     layout.ColumnsAcross, layout.RowsPerColumn);
        return 1;
    }
    GuideColumns columns;
    FindGuideColumns(list, settings.InsertedRows, layout, columns);

    if (PdfOpen(pdf, files.PdfFilename, nullptr, kGuideMakerDomain, "cairnlog", nullptr, nullptr,
                StartingCapacity(layout), layout.PageWidth, layout.PageHeight) != 0)
        return 1;
    for (long long first = 1; first <= columns.Count; first = GuideNextFirstColumn(layout, first)) {
        DrawGuideFrame(pdf, layout, settings, first);
        DrawGuideRows(pdf, layout, list, files.WayFilename.c_str(), columns, first);
        if (PdfShowPage(pdf, 1) != 0) {
            PdfClose(pdf);
            return 1;
        }
    }
    return PdfClose(pdf);
}

int WriteGuide(const WaypointList& list, const Settings& settings, const FileNames& files) {
    PdfWriter pdf;
    return WriteGuide(list, settings, files, pdf);
}
