// The installed programs: cmake --install into a scratch prefix, and the
// Debian package unpacked into a scratch root. From either place the
// programs print their usage, convert a small walk, and have their manual
// pages beside them.
#include <gtest/gtest.h>

#include <string>

#include "cli_run.h"
#include "judges.h"

namespace {

const std::string kBuild = BUILD_DIR;

const char kWayFile[] =
    "#GRID=IRISH\n"
    "#DISTANCE_UNITS=KM\n"
    "#SYM_RULE.C=RULE_ALL\n"
    "C1  53.1305 -6.2405 725 Djouce summit\n"
    "C2  53.1200 -6.2540 630 White Hill\n";

const char kReport[] =
    "#\tWP\t  WGS-Lat\t  WGS-Lon\t Elev\tIrish-Grid\t    KM\tGrade\tDescription\r\n"
    "1\tC1\t  53.1305000\t  -6.2405000\t  725\t317820/210300\t   0.00\t\tDjouce summit\r\n"
    "2\tC2\t  53.1200000\t  -6.2540000\t  630\t316945/209110\t   1.48\t  -6%\tWhite Hill\r\n";

const char kTrackFile[] = "53.1305 -6.2405 725\n53.1200 -6.2540\n";

const char kTrackGpx[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<gpx \r\n"
    " creator=\"stileline - https://www.tessaron.example\"\r\n"
    " version=\"1.1\"\r\n"
    " xmlns=\"http://www.topografix.com/GPX/1/1\">\r\n"
    "<trk>\r\n"
    "<name>day</name>\r\n"
    "<trkseg>\r\n"
    " <trkpt lat=\"53.130500\" lon=\"-6.240500\"><ele>725.00</ele></trkpt>\r\n"
    " <trkpt lat=\"53.120000\" lon=\"-6.254000\"></trkpt>\r\n"
    "</trkseg>\r\n"
    "</trk>\r\n"
    "</gpx>\r\n";

// The programs, run from bin, behave as the ones in the build tree.
void ExpectProgramsRunFrom(const std::string& bin) {
    ScratchDir work;
    for (const char* program : {"cairnlog", "stileline", "gpx2wayfile"}) {
        CliResult installed = RunCli(bin + "/" + program, {}, work.path);
        CliResult built = RunCli(kBuild + "/bin/" + program, {}, work.path);
        EXPECT_EQ(installed.status, 0) << program << ": " << installed.err;
        EXPECT_EQ(installed.out.rfind(std::string("Usage: ") + program, 0), 0u) << installed.out;
        EXPECT_EQ(installed.out, built.out) << program;
    }

    WriteFile(work.File("walk.txt"), kWayFile);
    CliResult walk = RunCli(bin + "/cairnlog", {"-r", "walk.txt"}, work.path);
    EXPECT_EQ(walk.status, 0);
    EXPECT_EQ(walk.err, "Note: 2 Waypoints found in walk.txt\n");
    EXPECT_EQ(ReadFile(work.File("walkReport.txt")), kReport);

    WriteFile(work.File("day.trk"), kTrackFile);
    CliResult track = RunCli(bin + "/stileline", {"day.trk"}, work.path);
    EXPECT_EQ(track.status, 0);
    EXPECT_EQ(track.err, "2 trackpoints successfuly converted to day.gpx\n");
    EXPECT_EQ(ReadFile(work.File("day.gpx")), kTrackGpx);

    CliResult imported = RunCli(bin + "/gpx2wayfile", {"day.gpx"}, work.path);
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.out,
              "#TITLE=day\n#GRID=IRISH\n#SYM_RULE.C=RULE_ALL\n#ROUTE_CARD\n#VIA=UNDESCRIBED\n#GPX_ROUTE=C\n"
              "C001  53.130500  -6.240500  725\nC002  53.120000  -6.254000\n");
}

// The pages are installed compressed and unpack to the pages configured,
// with their versions, into the build tree.
void ExpectManualPagesIn(const std::string& man1) {
    for (const char* page : {"cairnlog.1", "stileline.1", "gpx2wayfile.1"}) {
        std::string unpacked;
        EXPECT_EQ(RunShell("gzip -dc '" + man1 + "/" + page + ".gz'", &unpacked), 0) << page;
        EXPECT_EQ(unpacked, ReadFile(kBuild + "/man/" + page)) << page;
    }
}

TEST(Install, PutsProgramsManualPagesAndExamplesUnderThePrefix) {
    ScratchDir prefix;
    std::string log;
    ASSERT_EQ(RunShell(std::string("'") + CMAKE_PROGRAM + "' --install '" + kBuild + "' --prefix '" +
                           prefix.path + "' 2>&1",
                       &log),
              0)
        << log;
    ExpectManualPagesIn(prefix.File("share/man/man1"));
    EXPECT_TRUE(FileExists(prefix.File("share/doc/cairnlog/README.md")));
    EXPECT_TRUE(FileExists(prefix.File("share/doc/cairnlog/examples/wicklow-way.txt")));
    ExpectProgramsRunFrom(prefix.File("bin"));
}

// The Debian package, built once by CPack for the tests below.
class DebianPackage : public testing::Test {
protected:
    static void SetUpTestSuite() {
        scratch_ = new ScratchDir;
        status_ = RunShell(std::string("'") + CPACK_PROGRAM + "' --config '" + kBuild + "/CPackConfig.cmake' -B '" +
                               scratch_->File("package") + "' 2>&1",
                           &log_);
        if (status_ == 0) status_ = RunShell("ls '" + scratch_->path + "'/package/*.deb", &deb_);
        if (status_ == 0) deb_.erase(deb_.find('\n'));
    }
    static void TearDownTestSuite() { delete scratch_; }

    static ScratchDir* scratch_;
    static int status_;
    static std::string log_;
    static std::string deb_;
};

ScratchDir* DebianPackage::scratch_ = nullptr;
int DebianPackage::status_ = -1;
std::string DebianPackage::log_;
std::string DebianPackage::deb_;

JUDGED_TEST_F(DebianPackage, UnpacksAndRuns, Judge::kDpkgShlibdeps, Judge::kDpkgDeb) {
    ASSERT_EQ(status_, 0) << log_;
    std::string fields;
    ASSERT_EQ(DebFields(deb_, "Package Version", &fields), 0);
    EXPECT_EQ(fields, std::string("Package: cairnlog\nVersion: ") + PACKAGE_VERSION + "\n");
    std::string depends;
    ASSERT_EQ(DebFields(deb_, "Depends", &depends), 0);
    EXPECT_NE(depends.find("zlib1g"), std::string::npos) << depends;
    EXPECT_NE(depends.find("libexpat1"), std::string::npos) << depends;

    ScratchDir root;
    std::string log;
    ASSERT_EQ(DebExtract(deb_, root.path, &log), 0) << log;
    ExpectManualPagesIn(root.path + "/usr/share/man/man1");
    std::string changelog;
    ASSERT_EQ(RunShell("gzip -dc '" + root.path + "/usr/share/doc/cairnlog/changelog.gz'", &changelog), 0);
    EXPECT_EQ(changelog.rfind(std::string("cairnlog (") + PACKAGE_VERSION + ") ", 0), 0u) << changelog;
    ExpectProgramsRunFrom(root.path + "/usr/bin");
}

JUDGED_TEST_F(DebianPackage, PassesLintian, Judge::kDpkgShlibdeps, Judge::kLintian) {
    ASSERT_EQ(status_, 0) << log_;
    std::string complaints;
    EXPECT_EQ(Lintian(deb_, &complaints), 0) << complaints;
    EXPECT_EQ(complaints.find("E: "), std::string::npos) << complaints;
    // A release build takes Debian's hardening flags (a sanitizer build does
    // not): then no tag of any level says one is missing.
    if (DEBIAN_HARDENED) {
        EXPECT_EQ(complaints.find(" hardening-"), std::string::npos) << complaints;
    }
}

}  // namespace
