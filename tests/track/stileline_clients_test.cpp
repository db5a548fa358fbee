// What stileline writes, judged by outside readers: the GPX 1.1 schema and
// GPSBabel reading the track back.
#include <gtest/gtest.h>

#include <string>

#include "cli_run.h"
#include "judges.h"

namespace {

const std::string kGolden = TRACK_GOLDEN_DIR;
const std::string kSchema = std::string(TEST_DATA_DIR) + "/gpx.xsd";

// The golden files are what the command-line tests hold the output to.
JUDGED_TEST(StilelineClients, CompleteFilesValidateAgainstTheGpxSchema, Judge::kXmllint) {
    for (const char* name : {"day1.gpx", "empty.gpx", "eleven.gpx", "escaped.gpx"}) {
        EXPECT_EQ(XmllintFault(kGolden + "/" + name, kSchema), "");
    }
}

JUDGED_TEST(StilelineClients, GpsBabelReadsTheTrackBack, Judge::kGpsbabel) {
    ScratchDir dir;
    WriteFile(dir.File("fells & dales.txt"), "54.4927 -3.6106 5\n54.5101 -3.629\n-0.5 179.25 1234.5\n");
    CliResult run = RunCli(STILELINE_PATH, {"fells & dales.txt"}, dir.path);
    ASSERT_EQ(run.status, 0) << run.err;
    std::string gpx = dir.File("fells & dales.gpx");

    std::string csv;
    ASSERT_EQ(GpsbabelRead(gpx, "-t", "unicsv", &csv), 0) << csv;
    EXPECT_EQ(csv,
              "No,Latitude,Longitude,Altitude\r\n"
              "1,54.492700,-3.610600,5.0\r\n"
              "2,54.510100,-3.629000,\r\n"
              "3,-0.500000,179.250000,1234.5\r\n");

    std::string written;
    ASSERT_EQ(GpsbabelRead(gpx, "-t", "gpx", &written), 0);
    EXPECT_NE(written.find("<name>fells &amp; dales</name>"), std::string::npos) << written;
}

}  // namespace
