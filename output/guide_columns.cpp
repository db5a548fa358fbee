#include "guide_columns.h"

int GuideRowSpan(const Waypoint& waypoint) { return waypoint.RowSpan > 1 ? waypoint.RowSpan : 1; }

void FindGuideColumns(const WaypointList& list, int insertedRows, const GuideLayout& layout, GuideColumns& columns) {
    const long long rows = layout.RowsPerColumn;
    const std::size_t count = list.size();
    columns.Count = (static_cast<long long>(count) + insertedRows + rows - 1) / rows;
    columns.Starts.clear();
    std::size_t index = 0;
    while (index < count) {
        columns.Starts.push_back(index);
        for (long long row = 0; row < rows && index < count; ++index) row += GuideRowSpan(list[index]);
    }
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
