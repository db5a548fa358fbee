#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "command_line.h"

namespace {

struct Parsed {
    int stops;
    int status;
    std::string out, err;
    FileNames files;
    OutputRequests requests;
};

void Parse(std::vector<std::string> args, Parsed& parsed) {
    args.insert(args.begin(), "cairnlog");
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(&arg[0]);
    argv.push_back(nullptr);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    parsed.status = -1;
    parsed.stops = ParseCommandLine(static_cast<int>(args.size()), argv.data(), parsed.files, parsed.requests,
                                    parsed.status);
    parsed.err = testing::internal::GetCapturedStderr();
    parsed.out = testing::internal::GetCapturedStdout();
}

TEST(ParseCommandLine, OutputOptions) {
    Parsed p;
    Parse({"-g=  my walk.gpx", "-p=\tguide.pdf", "-r", "walk.txt", "ignored", "-x"}, p);
    EXPECT_EQ(p.stops, 0);
    EXPECT_EQ(p.files.WayFilename, "walk.txt");
    EXPECT_STREQ(p.files.GpxFilename, "my walk.gpx");
    EXPECT_STREQ(p.files.PdfFilename, "guide.pdf");
    EXPECT_STREQ(p.files.RptFilename, "");
    EXPECT_EQ(p.requests.Gpx, 0);
    EXPECT_EQ(p.requests.Pdf, 0);
    EXPECT_EQ(p.requests.Rpt, 1);
    EXPECT_EQ(p.out, "");
    EXPECT_EQ(p.err, "Warning: ignored after the WayFile name is ignored (options go before it)\n"
                     "Warning: -x after the WayFile name is ignored (options go before it)\n");
}

TEST(ParseCommandLine, BareOptionsRequestDerivedNames) {
    for (const char* option : {"-g", "-g=", "-g=   ", "-gpx", "-gpx=", "-gx=out.gpx"}) {
        SCOPED_TRACE(option);
        Parsed p;
        Parse({option, "route.txt"}, p);
        EXPECT_EQ(p.stops, 0);
        EXPECT_EQ(p.requests.Gpx, std::string(option) == "-gx=out.gpx" ? 0 : 1);
    }
}

TEST(ParseCommandLine, FileNameOf255FitsAnd256IsRefused) {
    std::string name255(255, 'n');
    Parsed fits;
    Parse({"-r=" + name255, "walk.txt"}, fits);
    EXPECT_EQ(fits.stops, 0);
    EXPECT_EQ(fits.files.RptFilename, name255);

    Parsed refused;
    Parse({"-r=" + name255 + "n", "walk.txt"}, refused);
    EXPECT_EQ(refused.stops, 1);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "Oops, command line filename too long: " + name255 + "n\n");
}

TEST(ParseCommandLine, StopsWithTheirStatus) {
    Parsed none;
    Parse({}, none);
    EXPECT_EQ(none.stops, 1);
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out.rfind("Usage: cairnlog [options] WayFile\n", 0), 0u);

    Parsed help;
    Parse({"-g=out.gpx", "-?", "-x"}, help);
    EXPECT_EQ(help.stops, 1);
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Directives include:"), std::string::npos);
    EXPECT_EQ(help.err, "");

    Parsed unknown;
    Parse({"-G", "walk.txt"}, unknown);
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.err.rfind("Unknown option G\nUsage: cairnlog", 0), 0u);
    EXPECT_EQ(unknown.out, "");

    Parsed dash;
    Parse({"-"}, dash);
    EXPECT_EQ(dash.status, 1);
    EXPECT_EQ(dash.err.substr(0, 17), std::string("Unknown option \0\n", 17));

    Parsed noWayFile;
    Parse({"-g", "-r"}, noWayFile);
    EXPECT_EQ(noWayFile.status, 1);
    EXPECT_EQ(noWayFile.err, "Oops, no Wayfile given\n");
    EXPECT_EQ(noWayFile.out.rfind("Usage: cairnlog", 0), 0u);
}

struct NameCase {
    const char* wayFile;
    const char* gpx;
    const char* pdf;
    const char* rpt;
    const char* title;
};

const NameCase kNames[] = {
    {"route.txt", "route.gpx", "routeGuide.pdf", "routeReport.txt", "route"},
    {"route", "route.gpx", "routeGuide.pdf", "routeReport.txt", "route"},
    {"route.", "route..gpx", "route.Guide.pdf", "route.Report.txt", "route."},
    {"maps.old/route", "maps.gpx", "mapsGuide.pdf", "mapsReport.txt", "maps"},
    {"walks/pennine.way.txt", "walks/pennine.way.gpx", "walks/pennine.wayGuide.pdf",
     "walks/pennine.wayReport.txt", "walks/pennine.way"},
    {"longer-walk-name-final.txt", "longer-walk-name-final.gpx", "longer-walk-name-finalGuide.pdf",
     "longer-walk-name-finalReport.txt", "longer-walk-name-fin"},
    {"abcdefghijklmnopqrs.txt", "abcdefghijklmnopqrs.gpx", "abcdefghijklmnopqrsGuide.pdf",
     "abcdefghijklmnopqrsReport.txt", "abcdefghijklmnopqrs."},  // nothing follows the "." within 20
    {"abcdefghijklmnopqr.t", "abcdefghijklmnopqr.gpx", "abcdefghijklmnopqrGuide.pdf",
     "abcdefghijklmnopqrReport.txt", "abcdefghijklmnopqr"},
    {"Caerdydd-a-Bro-Morg\xC3\xA1.txt", "Caerdydd-a-Bro-Morg\xC3\xA1.gpx", "Caerdydd-a-Bro-Morg\xC3\xA1Guide.pdf",
     "Caerdydd-a-Bro-Morg\xC3\xA1Report.txt", "Caerdydd-a-Bro-Morg"},  // not half of "á"
};

TEST(DeriveOutputNames, ExtensionReplacedAndTitleCut) {
    for (const NameCase& c : kNames) {
        SCOPED_TRACE(c.wayFile);
        FileNames files;
        files.WayFilename = c.wayFile;
        OutputRequests all;
        all.Gpx = all.Pdf = all.Rpt = 1;
        EXPECT_EQ(DeriveOutputNames(all, files), 0);
        EXPECT_STREQ(files.GpxFilename, c.gpx);
        EXPECT_STREQ(files.PdfFilename, c.pdf);
        EXPECT_STREQ(files.RptFilename, c.rpt);
        Settings settings;
        SetDefaultTitle(files.WayFilename, settings);
        EXPECT_STREQ(settings.Title, c.title);
    }
}

TEST(DeriveOutputNames, BareOptionWinsOverAGivenName) {
    for (auto args : {std::vector<std::string>{"-g=my.gpx", "-g", "route.txt"},
                      std::vector<std::string>{"-g", "-g=my.gpx", "route.txt"}}) {
        Parsed p;
        Parse(args, p);
        EXPECT_EQ(DeriveOutputNames(p.requests, p.files), 0);
        EXPECT_STREQ(p.files.GpxFilename, "route.gpx");
    }
}

TEST(DeriveOutputNames, OnlyRequestedNamesAreDerived) {
    FileNames run;
    run.WayFilename = "walk";
    OutputRequests pdfOnly;
    pdfOnly.Pdf = 1;
    EXPECT_EQ(DeriveOutputNames(pdfOnly, run), 0);
    EXPECT_STREQ(run.GpxFilename, "");
    EXPECT_STREQ(run.PdfFilename, "walkGuide.pdf");
    EXPECT_STREQ(run.RptFilename, "");
}

TEST(DeriveOutputNames, TooLongNameIsRefusedInOutputOrder) {
    // 245 + "Guide.pdf" = 254 and 245 + "Report.txt" = 255 fit; 246 + "Report.txt" does not.
    OutputRequests all;
    all.Gpx = all.Pdf = all.Rpt = 1;
    FileNames fits;
    fits.WayFilename = std::string(245, 'w') + ".txt";
    EXPECT_EQ(DeriveOutputNames(all, fits), 0);
    EXPECT_EQ(std::string(fits.RptFilename), std::string(245, 'w') + "Report.txt");

    FileNames tooLong;
    tooLong.WayFilename = std::string(246, 'w') + ".txt";
    testing::internal::CaptureStderr();
    EXPECT_EQ(DeriveOutputNames(all, tooLong), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Oops, derived filename too long for " + tooLong.WayFilename + "\n");

    FileNames gpxFirst;
    gpxFirst.WayFilename = std::string(300, 'w');
    testing::internal::CaptureStderr();
    EXPECT_EQ(DeriveOutputNames(all, gpxFirst), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Oops, derived filename too long for " + gpxFirst.WayFilename + "\n");
    EXPECT_STREQ(gpxFirst.GpxFilename, "");
}

}  // namespace
