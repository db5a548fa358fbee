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

// The paper sizes by name, without and with the card's 0.35-inch field.
TEST(GuideLayout, PaperSizesAndTheRouteCard) {
    const struct {
        double widthPt, heightPt;
        int card, rows, across;
        double columnWidth, descAnchor;
    } sheets[] = {
        {612, 792, 0, 24, 4, 133.2, 62.7},  {612, 792, 1, 24, 3, 158.4, 87.9},
        {595, 842, 0, 26, 4, 133.2, 62.7},  {595, 842, 1, 26, 3, 158.4, 87.9},
        {420, 595, 1, 17, 2, 158.4, 87.9},  {842, 1191, 1, 38, 5, 158.4, 87.9},
        {612, 1008, 1, 32, 3, 158.4, 87.9},
    };
    for (const auto& sheet : sheets) {
        SCOPED_TRACE(std::to_string(sheet.widthPt) + " x " + std::to_string(sheet.heightPt) + " card " +
                     std::to_string(sheet.card));
        Settings settings;
        settings.SheetWidth = sheet.widthPt / 72;
        settings.SheetHeight = sheet.heightPt / 72;
        settings.RouteCard = sheet.card;
        GuideLayout layout = LayoutOf(settings);
        EXPECT_EQ(layout.PageWidth, sheet.widthPt);
        EXPECT_EQ(layout.PageHeight, sheet.heightPt);
        EXPECT_EQ(layout.RowsPerColumn, sheet.rows);
        EXPECT_EQ(layout.ColumnsAcross, sheet.across);
        EXPECT_DOUBLE_EQ(layout.ColumnWidth, sheet.columnWidth);
        EXPECT_DOUBLE_EQ(layout.DescAnchor, sheet.descAnchor);
        EXPECT_DOUBLE_EQ(layout.LegEdge, sheet.card ? 86.4 : 61.2);
        EXPECT_DOUBLE_EQ(layout.LegAnchor, sheet.card ? 73.8 : 61.2);
    }
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

// With the card: W24 fills column 1 and ends stage one, so its totals row
// opens column 2 and the rest of that column is blank; stage two starts
// column 3 and its totals row follows W30. W27 is a via point.
TEST(GuideColumns, StageTotalsRowsGoOnIntoTheNextColumn) {
    ScratchDir dir;
    GuideRun run = MakeGuideRun(30, dir);
    run.settings.RouteCard = 1;
    run.Waypoints[23].RowSpan = 1 + 1 + 23;
    run.Waypoints[26].Via = 1;
    run.Waypoints[29].RowSpan = 2;
    run.settings.InsertedRows = 24 + 1;
    RouteCard card;
    card.Stages = {Stage{"One", 0}, Stage{"Two", 24}};
    GuideLayout layout = LayoutOf(run.settings);
    GuideColumns columns;
    FindGuideColumns(run.Waypoints, run.settings.InsertedRows, layout, columns, &card);
    EXPECT_EQ(columns.Count, 3);  // 29 rows shown and 25 inserted
    EXPECT_EQ(columns.Starts, (std::vector<std::size_t>{0, 24, 24}));
    EXPECT_EQ(columns.LeadRows, (std::vector<long long>{0, 24, 0}));
    EXPECT_EQ(columns.Heads, (std::vector<std::size_t>{0, 0, 1}));
    EXPECT_EQ(GuideStageOf(card, 23), 0u);
    EXPECT_EQ(GuideStageOf(card, 24), 1u);
    EXPECT_EQ(GuideEndsStage(card, 30, 23), 1);
    EXPECT_EQ(GuideEndsStage(card, 30, 24), 0);
    EXPECT_EQ(GuideEndsStage(card, 30, 29), 1);

    // Without the card the same spans overshoot and are lost.
    FindGuideColumns(run.Waypoints, run.settings.InsertedRows, layout, columns);
    EXPECT_EQ(columns.Starts, (std::vector<std::size_t>{0, 24}));
}

}  // namespace
