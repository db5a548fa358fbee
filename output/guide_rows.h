// The waypoint rows of the guide: each waypoint's ID and distance, grid
// reference, elevation and grade, and description, drawn into the columns of
// one page.
#pragma once

#include "Pdf.h"
#include "guide_columns.h"
#include "guide_layout.h"
#include "waypoint.h"

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
