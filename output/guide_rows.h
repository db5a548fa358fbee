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

// What the route card adds to a row: its bearing and time.
constexpr std::size_t kGuideCardRowContentMax = 2 * (PDF_TEXT_FIXED_MAX + 2 * (kGuideNumberTextSize - 1));

struct CardLeg;
struct RouteCard;
struct StageTotals;

// Draws one waypoint's row with the column's left edge at x and the row's
// bottom edge at y, in the font selected (regular Helvetica). A description
// line wider than its field is drawn in full after the message "Oops,
// Waypoint guide description too long, line <LineNo> of <wayFilename>".
// With the card's leg, the bearing and the time fill the card's field and
// an unknown height leaves the elevation empty.
void DrawGuideRow(PdfWriter& pdf, const GuideLayout& layout, const Waypoint& waypoint, const char* wayFilename,
                  double x, double y, const CardLeg* leg = nullptr);

// A stage's totals row: "Total" over the distance, the ascent over the
// descent, the time, and the stage's name.
void DrawGuideTotalsRow(PdfWriter& pdf, const GuideLayout& layout, const StageTotals& totals, const Stage& stage,
                        double x, double y);

// Draws the rows of every column of list on the page whose first column is
// k. A waypoint whose row span runs past its column's last row ends the
// column. With card, via points have no row and each stage's totals row
// follows its last waypoint.
void DrawGuideRows(PdfWriter& pdf, const GuideLayout& layout, const WaypointList& list, const char* wayFilename,
                   const GuideColumns& columns, long long firstColumn, const RouteCard* card = nullptr);
