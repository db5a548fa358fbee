#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cstdio>
#include <string>

#include "cli_run.h"
#include "convert_to_grid.h"
#include "line_batch.h"
#include "report.h"
#include "route_measures.h"
#include "test_run.h"

namespace {

std::string ReportText(const TestRun& run) {
    ScratchDir scratch;
    std::FILE* file = std::fopen(scratch.File("r.txt").c_str(), "wb");
    EXPECT_EQ(WriteReport(file, run), 0);
    std::fclose(file);
    return ReadFile(scratch.File("r.txt"));
}

// Three waypoints through the whole pass: a start, a measured leg, a point of
// interest with no rule and no description. The grid figures agree with
// cs2cs to the centimetre.
TestRun MeasuredRun(int gridSystem, int units) {
    TestRun run;
    run.WayFilename = "walk.txt";
    run.settings.GridSystem = gridSystem;
    run.settings.DistanceUnits = units;
    SetRule(run, 'c', RULE_ALL);
    const double lat = gridSystem == kGridIrish ? 53.3498 : 54.5;
    const double lon = gridSystem == kGridIrish ? -6.2603 : -2.0;
    AddWaypoint(run, "C001", lat, lon, 0.0, "Start");
    AddWaypoint(run, "C002", lat + 0.01, lon, 250.0, "Stile by gate");
    AddWaypoint(run, "P1", lat + 0.02, lon + 0.01, 0.0, "");
    MarkSegmentStarts(run);
    EXPECT_EQ(ConvertToGrid(run), 0);
    AccumulateRoute(run);
    return run;
}

TEST(WriteReport, OsgbRowsInMiles) {
    EXPECT_EQ(ReportText(MeasuredRun(kGridOsgb, kUnitsMiles)),
              "#\tWP\t  WGS-Lat\t  WGS-Lon\t Elev\tOSGB-Grid\t  Miles\tGrade\tDescription\r\n"
              "1\tC001\t  54.5000000\t  -2.0000000\t    0\tNZ:00098/11631\t   0.00\t\tStart\r\n"
              "2\tC002\t  54.5100000\t  -2.0000000\t  250\tNZ:00098/12743\t   0.71\t  22%\t"
              "Stile by gate\r\n"
              "3\tP1\t  54.5200000\t  -1.9900000\t    0\tNZ:00745/13856\t\t\t\r\n");
}

TEST(WriteReport, IrishRowsInKilometres) {
    EXPECT_EQ(ReportText(MeasuredRun(kGridIrish, kUnitsKm)),
              "#\tWP\t  WGS-Lat\t  WGS-Lon\t Elev\tIrish-Grid\t    KM\tGrade\tDescription\r\n"
              "1\tC001\t  53.3498000\t  -6.2603000\t    0\t315901/234671\t   0.00\t\tStart\r\n"
              "2\tC002\t  53.3598000\t  -6.2603000\t  250\t315873/235784\t   1.14\t  22%\t"
              "Stile by gate\r\n"
              "3\tP1\t  53.3698000\t  -6.2503000\t    0\t316512/236913\t\t\t\r\n");
}

TEST(WriteReport, FieldFormats) {
    TestRun run;
    run.settings.GridSystem = kGridIrish;
    Waypoint& w = AddWaypoint(run, "A7", -0.5, 179.25, 1234.6, "x");
    w.GridE = 42095.1;
    w.GridN = 85546.27;
    w.HasDistance = 1;
    w.Distance = 1234.567;
    w.HasGrade = 1;
    w.Grade = -12.4;
    const std::string header =
        "#\tWP\t  WGS-Lat\t  WGS-Lon\t Elev\tIrish-Grid\t  Miles\tGrade\tDescription\r\n";
    EXPECT_EQ(ReportText(run),
              header + "1\tA7\t  -0.5000000\t 179.2500000\t 1235\t042095/085546\t1234.57\t -12%\tx\r\n");
}

// Rows before the longest row the report can make: the longest ID and
// description and every number at 309 digits. The descriptions of the rows
// before it grow by extra bytes in all.
TestRun RowsBeforeTheLongestRow(int rowsBefore, long extra) {
    TestRun run;
    run.settings.GridSystem = kGridIrish;
    for (int i = 0; i < rowsBefore; ++i) {
        const long grow = std::max(-100L, std::min(extra, 155L));
        extra -= grow;
        AddWaypoint(run, "F", 54.5, -2.0, 0.0, std::string(static_cast<size_t>(100 + grow), 'x'));
    }
    Waypoint& w = AddWaypoint(run, std::string(kWayIdMax, 'L').c_str(), -DBL_MAX, -DBL_MAX, -DBL_MAX,
                              std::string(kDescMax, 'd'));
    w.GridE = w.GridN = w.Distance = w.Grade = -DBL_MAX;
    w.HasDistance = w.HasGrade = 1;
    return run;
}

// Written where the batch has one byte less room than it, the longest row
// must go to a fresh batch, not past the end of this one.
TEST(WriteReport, TheLongestRowFitsWhenTheBatchIsOneByteShortOfIt) {
    const int rowsBefore = 1600;
    const size_t header = ReportText(RowsBeforeTheLongestRow(0, 0)).find('\n') + 1;
    auto batchBytesBeforeLastRow = [&](const std::string& text, size_t& lastRow) {
        const size_t start = text.rfind('\n', text.size() - 3) + 1;
        lastRow = text.size() - start;
        return static_cast<long>(start - header);
    };
    size_t lastRow = 0;
    long before = batchBytesBeforeLastRow(ReportText(RowsBeforeTheLongestRow(rowsBefore, 0)), lastRow);
    const long oneByteShort = static_cast<long>(kLineBatchBytes - (lastRow - 1));
    const std::string text = ReportText(RowsBeforeTheLongestRow(rowsBefore, oneByteShort - before));
    before = batchBytesBeforeLastRow(text, lastRow);
    ASSERT_EQ(before, oneByteShort);
    const std::string rowStart = "1601\t" + std::string(kWayIdMax, 'L') + "\t-179769313486";
    EXPECT_EQ(text.substr(text.size() - lastRow, rowStart.size()), rowStart);
}

TEST(WriteReportFile, FullDiskIsReported) {
    TestRun run = MeasuredRun(kGridOsgb, kUnitsMiles);
    std::snprintf(run.RptFilename, sizeof run.RptFilename, "/dev/full");
    testing::internal::CaptureStderr();
    EXPECT_EQ(WriteReportFile(run), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Oops, can't write /dev/full\n");
}

TEST(WriteReportFile, UncreatableFileIsReported) {
    TestRun run = MeasuredRun(kGridOsgb, kUnitsMiles);
    ScratchDir scratch;
    std::snprintf(run.RptFilename, sizeof run.RptFilename, "%s/no/such/dir/r.txt",
                  scratch.path.c_str());
    testing::internal::CaptureStderr();
    EXPECT_EQ(WriteReportFile(run), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Can't open report file " + std::string(run.RptFilename) + " for write\n");
}

TEST(WriteReportFile, WritesTheNamedFile) {
    TestRun run = MeasuredRun(kGridOsgb, kUnitsMiles);
    ScratchDir scratch;
    std::snprintf(run.RptFilename, sizeof run.RptFilename, "%s", scratch.File("r.txt").c_str());
    WriteFile(run.RptFilename, "an old, longer report that must go away entirely\n");
    EXPECT_EQ(WriteReportFile(run), 0);
    EXPECT_EQ(ReadFile(run.RptFilename), ReportText(run));
}

}  // namespace
