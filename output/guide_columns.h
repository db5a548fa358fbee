// The guide's columns: how many there are, where each one starts in the
// waypoint list, and which column stands where on a page.
//
// Columns are numbered 1, 2, 3, ... in list order. A page shows
// ColumnsAcross x Bands of them and is named by its first column k: a front
// page (k odd) the odd columns k, k + 2, ... left to right and band after
// band, a back page (k even) the even ones mirrored, so that column n + 1 is
// printed on the back of column n.
#pragma once

#include <cstddef>
#include <vector>

#include "guide_layout.h"
#include "waypoint.h"

struct RouteCard;

struct GuideColumns {
    long long Count = 0;               // (rows shown + inserted rows) / RowsPerColumn, rounded up
    std::vector<std::size_t> Starts;   // index of each column's first waypoint
    // With the route card: the rows at each column's top that belong to the
    // waypoint before its first (a totals row that found the column before
    // full, and the blank rows after it), and the stage that heads it.
    std::vector<long long> LeadRows;
    std::vector<std::size_t> Heads;
};

// Rows a waypoint takes: its RowSpan, at least 1; a via point only the rows
// after it, RowSpan - 1.
int GuideRowSpan(const Waypoint& waypoint);

// Finds where every column starts, in one pass over the list: a column takes
// waypoints until their row spans reach RowsPerColumn, and a span that runs
// past the column's last row ends it. Every page then finds its columns
// without walking the list again, and a column's start is the same on
// whichever page it is drawn. insertedRows counts the blank rows of list.
// With card, the rows a stage's last waypoint takes past its column's end
// go on into the next column rather than being lost.
void FindGuideColumns(const WaypointList& list, int insertedRows, const GuideLayout& layout, GuideColumns& columns,
                      const RouteCard* card = nullptr);

// The stage of card that the waypoint at index belongs to.
std::size_t GuideStageOf(const RouteCard& card, std::size_t index);

// 1 when the waypoint at index is the last of its stage: its totals row
// follows it.
int GuideEndsStage(const RouteCard& card, std::size_t count, std::size_t index);

// The column number shown in band b at position p (0 is the leftmost) on the
// page whose first column is k.
long long GuidePageColumn(const GuideLayout& layout, long long firstColumn, int band, int position);

// The first column of the page after the one whose first column is k: the
// back of the same sheet, or the front of the next.
long long GuideNextFirstColumn(const GuideLayout& layout, long long firstColumn);
