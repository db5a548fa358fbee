// Inputs that fuzzing and hostile runs found to misbehave, each held here
// with the behaviour that replaced the fault.
#include <gtest/gtest.h>

#include <string>

#include "cli_run.h"

namespace {

// Page settings at the edge of their bounds. 0.01-inch fields on a 200-inch
// sheet put a hundred million rows on one page: the run used to fill a
// gigabyte of page content for ten seconds, then abort with a damaged
// 10-byte PDF; now the guide is refused before its file is made. The bound
// is the largest content a page can take: 20 columns of 18,398 rows pass it
// by less than their column frames, 18,397 rows stay within it.
struct PageBoundRow {
    const char* name;
    const char* sheetSize;
    std::string err;
    bool guideMade;
};

void PrintTo(const PageBoundRow& row, std::ostream* stream) { *stream << row.name; }

const PageBoundRow kPageBoundRows[] = {
    {"HundredMillionRows", "200x200",
     "Oops, page settings put too many rows on a guide page (4999 columns across, 19998 rows per column)\n", false},
    {"FramesPastTheBound", "0.81x183.995",
     "Oops, page settings put too many rows on a guide page (20 columns across, 18398 rows per column)\n", false},
    {"OneRowLessWithin", "0.81x183.985",
     "Oops, Waypoint guide description too long, line 10 of walk.txt\n"
     "Oops, Waypoint guide description too long, line 11 of walk.txt\n"
     "Note: 2 Waypoints found in walk.txt\n",
     true},
};

class PageBound : public testing::TestWithParam<PageBoundRow> {};

TEST_P(PageBound, RefusedBeforeTheGuideFileIsMade) {
    const PageBoundRow& row = GetParam();
    ScratchDir dir;
    WriteFile(dir.File("walk.txt"),
              std::string("#SHEETSIZE=") + row.sheetSize +
                  "\n#FIELDHEIGHT=0.01\n#FIELDWIDTH_WP=0.01\n#FIELDWIDTH_GRID=0.01\n"
                  "#FIELDWIDTH_ELEV=0.01\n#FIELDWIDTH_DESC=0.01\n#GUTTER=0.0001\n#BORDERS=0.0001\n#SPLITSHEET=0\n"
                  "C1 54.5 -2.1 100 A\nC2 54.6 -2.1 100 B\n");
    CliResult result = RunCli(CAIRNLOG_PATH, {"-g", "-r", "-p", "walk.txt"}, dir.path);
    EXPECT_EQ(result.err, row.err);
    EXPECT_EQ(result.status, row.guideMade ? 0 : 1);
    EXPECT_TRUE(FileExists(dir.File("walk.gpx")));
    EXPECT_TRUE(FileExists(dir.File("walkReport.txt")));
    EXPECT_EQ(FileExists(dir.File("walkGuide.pdf")), row.guideMade);
}

INSTANTIATE_TEST_SUITE_P(Rows, PageBound, testing::ValuesIn(kPageBoundRows),
                         [](const testing::TestParamInfo<PageBoundRow>& row) { return std::string(row.param.name); });

}  // namespace
