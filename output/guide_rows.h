// The waypoint rows of the guide: each waypoint's ID and distance, grid
// reference, elevation and grade, and description, drawn into the columns of
// one page.
#pragma once

#include <cstddef>

#include "Pdf.h"
#include "guide_columns.h"
#include "guide_layout.h"
#include "guide_row_texts.h"
#include "waypoint.h"

constexpr int kGuideNumberTextSize = 48;  // bytes for one formatted number, with its NUL

// Most page content bytes one row draws: eight texts (the ID, distance, the
// grid reference's two lines, elevation, grade, and the description's two
// lines, which together hold at most the description's bytes), each escaped
// into at most twice its bytes. A worst row (parenthesised ID and
// description, every field drawn) measures well below it.
constexpr std::size_t kGuideRowContentMax =
    8 * PDF_TEXT_FIXED_MAX +
    2 * (kWayIdMax + 3 * (kGuideNumberTextSize - 1) + 2 * (kGuideGridTextSize - 1) + kDescMax);

// Draws one waypoint's row with the column's left edge at x and the row's
// bottom edge at y, in the font selected (regular Helvetica). A description
// line wider than its field is drawn in full after the message "Oops,
// Waypoint guide description too long, line <LineNo> of <wayFilename>".
void DrawGuideRow(PdfWriter& pdf, const GuideLayout& layout, const Waypoint& waypoint, const char* wayFilename,
                  double x, double y);

// Draws the rows of every column of list on the page whose first column is
// k. A waypoint whose row span runs past its column's last row ends the
// column.
void DrawGuideRows(PdfWriter& pdf, const GuideLayout& layout, const WaypointList& list, const char* wayFilename,
                   const GuideColumns& columns, long long firstColumn);
