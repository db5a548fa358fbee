// The guard that keeps every output off the WayFile: equal names, and
// other names for the same file.
#include "output_names.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "cli_run.h"

namespace {

struct Guard {
    int status;
    std::string message;
};

Guard Check(const FileNames& run) {
    testing::internal::CaptureStderr();
    int status = CheckOutputNames(run);
    return {status, testing::internal::GetCapturedStderr()};
}

FileNames RunOn(const std::string& wayFile, const std::string& gpx, const std::string& pdf,
               const std::string& rpt) {
    FileNames run;
    run.WayFilename = wayFile;
    std::strcpy(run.GpxFilename, gpx.c_str());
    std::strcpy(run.PdfFilename, pdf.c_str());
    std::strcpy(run.RptFilename, rpt.c_str());
    return run;
}

TEST(CheckOutputNames, EqualNamesAreRefusedInGpxPdfReportOrder) {
    Guard none = Check(RunOn("route.txt", "route.gpx", "routeGuide.pdf", "routeReport.txt"));
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.message, "");

    Guard gpx = Check(RunOn("route.txt", "route.txt", "route.txt", "route.txt"));
    EXPECT_EQ(gpx.status, 1);
    EXPECT_EQ(gpx.message, "Oops, GpxFilename must be unique to WayFilename\n");

    Guard pdf = Check(RunOn("route.txt", "", "route.txt", "route.txt"));
    EXPECT_EQ(pdf.message, "Oops, PdfFilename must be unique to WayFilename\n");

    Guard rpt = Check(RunOn("route.txt", "route.gpx", "", "route.txt"));
    EXPECT_EQ(rpt.status, 1);
    EXPECT_EQ(rpt.message, "Oops, RptFilename must be unique to WayFilename\n");

    EXPECT_EQ(Check(RunOn("route.txt", "", "", "")).status, 0);
    EXPECT_EQ(Check(RunOn("route.txt", "Route.txt", "", "")).status, 0);  // names not on disk
}

TEST(CheckOutputNames, AnotherNameForTheWayFileIsRefused) {
    ScratchDir dir;
    std::string wayFile = dir.File("route.txt");
    WriteFile(wayFile, "C001 54.5 -2.1 Start\n");
    ASSERT_EQ(::link(wayFile.c_str(), dir.File("hard.gpx").c_str()), 0);
    ASSERT_EQ(::symlink(wayFile.c_str(), dir.File("soft.pdf").c_str()), 0);
    WriteFile(dir.File("other.txt"), "C001 54.5 -2.1 Start\n");  // same bytes, other file

    Guard dotted = Check(RunOn(wayFile, dir.path + "/./route.txt", "", ""));
    EXPECT_EQ(dotted.status, 1);
    EXPECT_EQ(dotted.message, "Oops, GpxFilename must be unique to WayFilename\n");
    EXPECT_EQ(Check(RunOn(wayFile, dir.File("hard.gpx"), "", "")).status, 1);
    EXPECT_EQ(Check(RunOn(wayFile, "", dir.File("soft.pdf"), "")).message,
              "Oops, PdfFilename must be unique to WayFilename\n");
    EXPECT_EQ(Check(RunOn(wayFile, dir.File("other.txt"), "", "")).status, 0);
    EXPECT_EQ(Check(RunOn(wayFile, dir.File("new.gpx"), "", "")).status, 0);
    EXPECT_FALSE(FileExists(dir.File("new.gpx")));
}

}  // namespace
