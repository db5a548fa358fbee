#include <gtest/gtest.h>

#include <string>

#include "run_helpers.h"

namespace {

// A WayFile of count waypoints, each its own line.
std::string Waypoints(int first, int count) {
    std::string text;
    for (int i = first; i < first + count; ++i) {
        text += "C" + std::to_string(i) + " 54." + std::to_string(i) + " -2.1 Stile " + std::to_string(i) + "\n";
    }
    return text;
}

TEST(LayoutBookkeeping, BlankLinesAfterAWaypoint) {
    RunState run;
    PrepareRun(run);
    EXPECT_EQ(ReadText(run, Waypoints(1, 10) + "#BLANK_LINE\n"), "");
    EXPECT_EQ(run.waypoints.List[9].RowSpan, 2);
    EXPECT_EQ(run.settings.InsertedRows, 1);
}

TEST(LayoutBookkeeping, BlankLinesStopAtTheColumnEnd) {
    RunState run;
    PrepareRun(run);
    ReadText(run, Waypoints(1, 10) + "#BLANK_LINE=30\n");
    EXPECT_EQ(run.waypoints.List[9].RowSpan, 15);
    EXPECT_EQ(run.settings.InsertedRows, 14);
}

TEST(LayoutBookkeeping, NewColumn) {
    RunState full;
    PrepareRun(full);
    ReadText(full, Waypoints(1, 24) + "#NEW_COLUMN\n");
    EXPECT_EQ(full.waypoints.List[23].RowSpan, 1);  // the column is exactly full
    EXPECT_EQ(full.settings.InsertedRows, 0);

    RunState run;
    PrepareRun(run);
    ReadText(run, Waypoints(1, 30) + "#NEW_COLUMN\n" + Waypoints(31, 1));
    EXPECT_EQ(run.waypoints.List[29].RowSpan, 19);
    EXPECT_EQ(run.settings.InsertedRows, 18);
}

TEST(LayoutBookkeeping, RequestsAfterOneWaypointAddUp) {
    RunState run;
    PrepareRun(run);
    ReadText(run, Waypoints(1, 5) + "#BLANK_LINE=2\n#BLANK_LINE\n#BLANK_LINE=0\n#NEW_COLUMN\n#BLANK_LINE\n" +
                      Waypoints(6, 3) + "#BLANK_LINE\n");
    // 5 used + 2 + 1, then the column's other 16 rows, then nothing: it is full.
    EXPECT_EQ(run.waypoints.List[4].RowSpan, 1 + 2 + 1 + 16);
    EXPECT_EQ(run.waypoints.List[7].RowSpan, 2);
    EXPECT_EQ(run.settings.InsertedRows, 20);
    int rows = 0;
    for (const Waypoint& w : run.waypoints.List) rows += w.RowSpan;
    EXPECT_EQ(rows, static_cast<int>(run.waypoints.List.size()) + run.settings.InsertedRows);
}

TEST(LayoutBookkeeping, UsesTheRowsPerColumnInForceAtTheLine) {
    RunState run;
    PrepareRun(run);
    ReadText(run, Waypoints(1, 12) + "#SPLITSHEET=3\n#NEW_COLUMN\n#SPLITSHEET=0\n" + Waypoints(13, 1) +
                      "#NEW_COLUMN\n");
    // 11 rows per column: 12 used leave 1 in the second column, 10 free.
    EXPECT_EQ(run.waypoints.List[11].RowSpan, 11);
    // 51 rows per column: 12 + 10 + 1 = 23 used, 28 free.
    EXPECT_EQ(run.waypoints.List[12].RowSpan, 29);
    EXPECT_EQ(run.settings.InsertedRows, 38);
}

TEST(LayoutBookkeeping, BeforeTheFirstWaypointIsAnError) {
    RunState run;
    PrepareRun(run);
    std::string err = ReadText(run, "#TITLE=Walk\n#BLANK_LINE=0\n#BLANK_LINE=2\n#NEW_COLUMN\n#BLANK_LINE=-1\n" +
                                        Waypoints(1, 1));
    EXPECT_EQ(err,
              "Oops, #BLANK_LINE=2 (line 3, walk.txt) illegal before 1st waypoint\n"
              "Oops, #NEW_COLUMN (line 4, walk.txt) illegal before 1st waypoint\n"
              "Oops, invalid BLANK_LINE value, line 5 in walk.txt\n"
              "Oops, #BLANK_LINE=-1 (line 5, walk.txt) illegal before 1st waypoint\n");
    EXPECT_EQ(run.reading.FailFlag, 1);
    EXPECT_EQ(run.settings.InsertedRows, 0);
}

TEST(LayoutBookkeeping, RefusedNegativeCountInsertsNothing) {
    RunState run;
    PrepareRun(run);
    EXPECT_EQ(ReadText(run, Waypoints(1, 3) + "#BLANK_LINE=-4\n"), "Oops, invalid BLANK_LINE value, line 4 in walk.txt\n");
    EXPECT_EQ(run.waypoints.List[2].RowSpan, 1);
    EXPECT_EQ(run.settings.InsertedRows, 0);
}

TEST(LayoutBookkeeping, NoRowsPerColumnSkipsTheBookkeeping) {
    RunState run;
    PrepareRun(run);
    std::string err = ReadText(run, "#FIELDHEIGHT=20\n#NEW_COLUMN\n" + Waypoints(1, 2) + "#NEW_COLUMN\n#BLANK_LINE=3\n");
    EXPECT_EQ(run.settings.RowsPerColumn, 0);
    EXPECT_EQ(err, "Oops, #NEW_COLUMN (line 2, walk.txt) illegal before 1st waypoint\n");
    EXPECT_EQ(run.waypoints.List[1].RowSpan, 1);
    EXPECT_EQ(run.settings.InsertedRows, 0);
}

TEST(LayoutBookkeeping, GuideRowsNeverPassIntsRange) {
    RunState run;
    PrepareRun(run);
    run.settings.RowsPerColumn = 20000;
    ReadText(run, Waypoints(1, 1));
    run.settings.InsertedRows = 2147480000;  // 107,374 full columns came before
    std::string err = ReadText(run, "#NEW_COLUMN\n");  // a second file, numbered from 1
    EXPECT_EQ(err, "Oops, #NEW_COLUMN (line 1, walk.txt) makes the guide too long\n");
    EXPECT_EQ(run.reading.FailFlag, 1);
    EXPECT_EQ(run.waypoints.List[0].RowSpan, 1);
}

// Via points take no row: the blank rows after them, and the column's
// count, follow the waypoints shown.
TEST(LayoutBookkeeping, ViaPointsTakeNoRow) {
    RunState run;
    PrepareRun(run);
    ReadText(run, "#VIA=UNDESCRIBED\n" + Waypoints(1, 10) + "C11 54.1 -2.2\nC12 54.1 -2.3\n#NEW_COLUMN\n");
    EXPECT_EQ(run.waypoints.List[11].RowSpan, 1 + 14);
    EXPECT_EQ(run.settings.InsertedRows, 14);
}

// With the card each stage ends with a totals row, and a STAGE then starts
// a new column; a totals row that finds its column full takes the next
// column's first row. Rows per column 24.
TEST(LayoutBookkeeping, StagesEndWithTotalsAndStartColumns) {
    const struct {
        const char* name;
        int before;          // waypoints before the STAGE
        int tailSpan;        // the RowSpan of the last of them
        int lastSpan;        // the RowSpan of the file's last waypoint
        int inserted;
    } cases[] = {
        {"FirstStageBeforeAnyWaypoint", 0, 0, 2, 1},
        {"MidColumn", 10, 1 + 1 + 13, 2, 15},
        {"OneRowLeft", 23, 2, 2, 2},
        {"ColumnFull", 24, 1 + 1 + 23, 2, 25},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RunState run;
        PrepareRun(run);
        EXPECT_EQ(ReadText(run, "#ROUTE_CARD\n" + Waypoints(1, c.before) + "#STAGE=Day 2\n#STAGE=Day two\n" +
                                    Waypoints(c.before + 1, 3)),
                  "");
        const std::vector<Stage>& stages = run.waypoints.Stages;
        ASSERT_EQ(stages.size(), c.before ? 2u : 1u);
        EXPECT_EQ(stages.back().Name, "Day two");
        EXPECT_EQ(stages.back().First, static_cast<size_t>(c.before));
        if (c.before) {
            EXPECT_EQ(stages.front().Name, "");
            EXPECT_EQ(run.waypoints.List[static_cast<size_t>(c.before - 1)].RowSpan, c.tailSpan);
        }
        EXPECT_EQ(run.waypoints.List.back().RowSpan, c.lastSpan);
        EXPECT_EQ(run.settings.InsertedRows, c.inserted);
    }
}

TEST(LayoutBookkeeping, NoStagesWithoutTheCard) {
    RunState run;
    PrepareRun(run);
    ReadText(run, Waypoints(1, 3));
    EXPECT_TRUE(run.waypoints.Stages.empty());
    EXPECT_EQ(run.settings.InsertedRows, 0);

    RunState card;
    PrepareRun(card);
    ReadText(card, Waypoints(1, 3) + "#ROUTE_CARD\n");
    ASSERT_EQ(card.waypoints.Stages.size(), 1u);
    EXPECT_EQ(card.waypoints.List[2].RowSpan, 2);
}

}  // namespace
