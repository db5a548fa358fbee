#include "guide_columns.h"

#include <algorithm>

#include "route_card.h"

int GuideRowSpan(const Waypoint& waypoint) {
    if (waypoint.Via) return waypoint.RowSpan - 1;
    return waypoint.RowSpan > 1 ? waypoint.RowSpan : 1;
}

std::size_t GuideStageOf(const RouteCard& card, std::size_t index) {
    auto after = std::upper_bound(card.Stages.begin(), card.Stages.end(), index,
                                  [](std::size_t at, const Stage& stage) { return at < stage.First; });
    return after == card.Stages.begin() ? 0 : static_cast<std::size_t>(after - card.Stages.begin()) - 1;
}

int GuideEndsStage(const RouteCard& card, std::size_t count, std::size_t index) {
    if (index + 1 == count) return 1;
    const std::size_t stage = GuideStageOf(card, index);
    return stage + 1 < card.Stages.size() && card.Stages[stage + 1].First == index + 1;
}

void FindGuideColumns(const WaypointList& list, int insertedRows, const GuideLayout& layout, GuideColumns& columns,
                      const RouteCard* card) {
    const long long rows = layout.RowsPerColumn;
    const std::size_t count = list.size();
    columns.Starts.clear();
    columns.LeadRows.clear();
    columns.Heads.clear();
    long long viaPoints = 0;
    long long carried = 0;
    std::size_t index = 0;
    while (index < count || carried > 0) {
        columns.Starts.push_back(index);
        columns.LeadRows.push_back(carried);
        // A column that opens with the totals row of the stage before is
        // headed by that stage.
        if (card) columns.Heads.push_back(GuideStageOf(*card, carried > 0 ? index - 1 : index));
        long long row = carried;
        for (; row < rows && index < count; ++index) {
            viaPoints += list[index].Via;
            row += GuideRowSpan(list[index]);
        }
        carried = card && row > rows ? row - rows : 0;
    }
    columns.Count = (static_cast<long long>(count) - viaPoints + insertedRows + rows - 1) / rows;
}

long long GuidePageColumn(const GuideLayout& layout, long long firstColumn, int band, int position) {
    const long long across = layout.ColumnsAcross;
    if (firstColumn % 2 == 1) return firstColumn + 2 * (band * across + position);
    return firstColumn + 2 * (band * across + across - 1 - position);
}

long long GuideNextFirstColumn(const GuideLayout& layout, long long firstColumn) {
    const long long perPage = static_cast<long long>(layout.ColumnsAcross) * layout.Bands;
    return firstColumn % 2 == 1 ? firstColumn + 1 : firstColumn + 2 * perPage - 1;
}
