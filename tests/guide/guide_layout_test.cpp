#include <gtest/gtest.h>

#include "guide_columns.h"
#include "guide_layout.h"
#include "guide_test_support.h"

namespace {

GuideLayout LayoutOf(const Settings& settings) {
    GuideLayout layout;
    ComputeGuideLayout(settings, layout);
    return layout;
}

TEST(GuideLayout, DefaultsGiveTheLetterSheetOfSixteenColumns) {
    GuideLayout layout = LayoutOf(Settings{});
    EXPECT_EQ(layout.Bands, 2);
    EXPECT_EQ(layout.RowsPerColumn, 24);
    EXPECT_EQ(layout.ColumnsAcross, 4);
    EXPECT_EQ(layout.PageWidth, 612);
    EXPECT_EQ(layout.PageHeight, 792);
    EXPECT_DOUBLE_EQ(layout.RowHeight, 14.4);
    EXPECT_DOUBLE_EQ(layout.ColumnWidth, 133.2);
    EXPECT_DOUBLE_EQ(layout.GutterWidth, 7.2);
    EXPECT_DOUBLE_EQ(layout.BorderWidth, 18);
    EXPECT_DOUBLE_EQ(layout.ColumnHeight, 360);
    // Left to right in double the margin falls just short of 28.8.
    EXPECT_EQ(layout.LeftMargin, 28.79999999999999);
    EXPECT_DOUBLE_EQ(GuideBandTop(layout, 0), 774);
    EXPECT_DOUBLE_EQ(GuideBandTop(layout, 1), 396);
    EXPECT_DOUBLE_EQ(GuideColumnLeft(layout, 3), 28.8 + 3 * 140.4);
    EXPECT_DOUBLE_EQ(layout.UpperLine, 8.0);
    EXPECT_DOUBLE_EQ(layout.LowerLine, 1.7);
    EXPECT_DOUBLE_EQ(layout.MiddleLine, 4.85);
    EXPECT_DOUBLE_EQ(layout.DescLimit, 70.5);
    EXPECT_DOUBLE_EQ(layout.WaypointAnchor, 9.0);
    EXPECT_DOUBLE_EQ(layout.GridValueAnchor, 41.7);
    EXPECT_DOUBLE_EQ(layout.GridHeaderAnchor, 30.6);
    EXPECT_DOUBLE_EQ(layout.ElevAnchor, 52.2);
    EXPECT_DOUBLE_EQ(layout.DescAnchor, 62.7);
    EXPECT_DOUBLE_EQ(layout.MarkerAnchor, 131.7);
    EXPECT_STREQ(layout.UnitsLabel, "Miles");
    EXPECT_STREQ(layout.GridLabel, "OSGB");
}

TEST(GuideLayout, SplitSheetSetsBandsAndRowsFromTheFinalSettings) {
    const int rows[] = {51, 24, 15, 11};
    for (int split = 0; split <= 3; ++split) {
        Settings settings;
        settings.SplitSheet = split;
        settings.Bands = 2;             // a stale value is not read
        settings.RowsPerColumn = 99;
        GuideLayout layout = LayoutOf(settings);
        EXPECT_EQ(layout.Bands, split + 1) << split;
        EXPECT_EQ(layout.RowsPerColumn, rows[split]) << split;
        EXPECT_EQ(GuideRowsPerColumn(settings), rows[split]) << split;
    }
}

TEST(GuideLayout, LabelsFollowUnitsAndGrid) {
    Settings settings;
    settings.DistanceUnits = kUnitsKm;
    settings.GridSystem = kGridIrish;
    GuideLayout layout = LayoutOf(settings);
    EXPECT_STREQ(layout.UnitsLabel, "KM");
    EXPECT_STREQ(layout.GridLabel, "IRISH");
    settings.GridSystem = 3;
    EXPECT_STREQ(LayoutOf(settings).GridLabel, "GRID");
}

TEST(GuideLayout, AbsurdSettingsGiveNoRoomRatherThanOverflow) {
    Settings wide;
    wide.FieldWidthDesc = 20;
    EXPECT_EQ(LayoutOf(wide).ColumnsAcross, 0);
    Settings tall;
    tall.FieldHeight = 6;
    EXPECT_LT(LayoutOf(tall).RowsPerColumn, 1);
    Settings tiny;
    tiny.FieldHeight = 1e-300;
    tiny.SheetWidth = 1e300;
    GuideLayout layout = LayoutOf(tiny);
    EXPECT_EQ(layout.RowsPerColumn, 0);
    EXPECT_EQ(layout.PageWidth, 0);
}

TEST(GuideColumns, FrontPagesShowOddColumnsAndBackPagesMirrorThem) {
    GuideLayout layout = LayoutOf(Settings{});
    // Front of sheet one: 1 3 5 7 over 9 11 13 15; back: 8 6 4 2 over 16 14 12 10.
    const long long front[2][4] = {{1, 3, 5, 7}, {9, 11, 13, 15}};
    const long long back[2][4] = {{8, 6, 4, 2}, {16, 14, 12, 10}};
    for (int band = 0; band < 2; ++band) {
        for (int p = 0; p < 4; ++p) {
            EXPECT_EQ(GuidePageColumn(layout, 1, band, p), front[band][p]);
            EXPECT_EQ(GuidePageColumn(layout, 2, band, p), back[band][p]);
            EXPECT_EQ(GuidePageColumn(layout, 17, band, p), front[band][p] + 16);
        }
    }
    long long first = 1;
    std::vector<long long> firsts;
    for (int i = 0; i < 5; ++i, first = GuideNextFirstColumn(layout, first)) firsts.push_back(first);
    EXPECT_EQ(firsts, (std::vector<long long>{1, 2, 17, 18, 33}));
}

TEST(GuideColumns, ColumnsStartWhereTheRowSpansFillTheColumnBefore) {
    ScratchDir dir;
    GuideRun run = MakeGuideRun(60, dir);
    run.Waypoints[2].RowSpan = 3;   // W3 and two blank rows
    run.Waypoints[9].RowSpan = 13;  // W10 fills column 1 to row 24 (NEW_COLUMN)
    run.settings.InsertedRows = 2 + 12;
    GuideLayout layout = LayoutOf(run.settings);
    GuideColumns columns;
    FindGuideColumns(run.Waypoints, run.settings.InsertedRows, layout, columns);
    EXPECT_EQ(columns.Count, 4);  // 74 rows
    ASSERT_EQ(columns.Starts.size(), 4u);
    EXPECT_EQ(columns.Starts[1], 10u);  // W11 heads column 2
    EXPECT_EQ(columns.Starts[2], 34u);  // W35
    EXPECT_EQ(columns.Starts[3], 58u);  // W59
}

TEST(GuideColumns, ASpanPastTheColumnEndsItAndLosesOnlyBlankRows) {
    // A span set under other page settings overshoots: the overshooting
    // rows are lost, every waypoint still appears exactly once.
    ScratchDir dir;
    GuideRun run = MakeGuideRun(100, dir);
    run.Waypoints[0].RowSpan = 51;
    run.settings.InsertedRows = 50;
    GuideLayout layout = LayoutOf(run.settings);
    GuideColumns columns;
    FindGuideColumns(run.Waypoints, run.settings.InsertedRows, layout, columns);
    EXPECT_EQ(columns.Count, 7);  // 150 rows
    ASSERT_EQ(columns.Starts.size(), 6u);
    for (std::size_t c = 1; c < columns.Starts.size(); ++c) EXPECT_EQ(columns.Starts[c], 1 + (c - 1) * 24) << c;
}

}  // namespace
