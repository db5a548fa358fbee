// Inputs that fuzzing and hostile runs found to misbehave, each held here
// with the behaviour that replaced the fault.
#include <gtest/gtest.h>

#include <string>

#include "cli_run.h"

namespace {

// Every page setting at the edge of its bound: 0.01-inch fields on a
// 200-inch sheet put a hundred million rows on one page. The run used to
// fill a gigabyte of page content for ten seconds, then abort with a
// damaged 10-byte PDF; now the guide is refused before its file is made.
TEST(Findings, PageOfAHundredMillionRowsIsRefused) {
    ScratchDir dir;
    WriteFile(dir.File("walk.txt"),
              "#SHEETSIZE=200x200\n#FIELDHEIGHT=0.01\n#FIELDWIDTH_WP=0.01\n#FIELDWIDTH_GRID=0.01\n"
              "#FIELDWIDTH_ELEV=0.01\n#FIELDWIDTH_DESC=0.01\n#GUTTER=0.0001\n#BORDERS=0.0001\n#SPLITSHEET=0\n"
              "C1 54.5 -2.1 100 A\nC2 54.6 -2.1 100 B\n");
    CliResult result = RunCli(CAIRNLOG_PATH, {"-g", "-r", "-p", "walk.txt"}, dir.path);
    EXPECT_EQ(result.err,
              "Oops, page settings put too many rows on a guide page (4999 columns across, 19998 rows per column)\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(FileExists(dir.File("walk.gpx")));
    EXPECT_TRUE(FileExists(dir.File("walkReport.txt")));
    EXPECT_FALSE(FileExists(dir.File("walkGuide.pdf")));
}

}  // namespace
