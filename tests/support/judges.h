// Test support: the outside judges, programs written by others that check
// what ours write (xmllint, qpdf, Poppler, MuPDF, Ghostscript, GPSBabel, PROJ's cs2cs,
// LibreOffice, dpkg, lintian, Perl's Geo::Coordinates::OSGB). CMake finds
// them; every command line that runs one is here. A test that needs a judge
// is declared with JUDGED_TEST and registered only when its judges were found.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

enum class Judge {
    kXmllint,
    kQpdf,
    kPdfinfo,
    kPdftotext,
    kMutool,
    kGhostscript,
    kGpsbabel,
    kCs2cs,
    kSoffice,
    kDpkgDeb,
    kDpkgShlibdeps,
    kLintian,
    kOsgbPerl,     // perl with Geo::Coordinates::OSGB, which carries OSTN15
    kOgrinfo,      // GDAL's GPX driver: ogrinfo lists the layers
    kOgr2ogr,      // and ogr2ogr writes one as CSV
    kGpxpy,        // python3 with gpxpy
    kPdfReaders,   // qpdf, pdfinfo, mutool and gs: the four of PdfReadersFault
};

bool JudgeFound(Judge judge);

// Each returns "" when the judge accepts the file, else the command line
// and what the judge said.
// xmllint: well-formed XML and, when schema is not empty, valid against it.
std::string XmllintFault(const std::string& path, const std::string& schema);
// qpdf --check: neither an error nor a warning.
std::string QpdfFault(const std::string& path);
// qpdf --check, pdfinfo, mutool info and Ghostscript rendering every page
// all accept the file without a warning.
std::string PdfReadersFault(const std::string& path);

// The rest return the judge's exit status and put what it printed (standard
// output and standard error) in output.
// pdftotext's text of the file; options such as "-layout" or "-f 3 -l 3".
int PdfText(const std::string& path, const std::string& options, std::string* output);
int PdfInfo(const std::string& path, std::string* output);
// GPSBabel reads the GPX file (tracks too with "-t") and writes format.
int GpsbabelRead(const std::string& gpx, const std::string& mode, const std::string& format,
                 std::string* output);
// GPSBabel converts the file from one format into a file of another.
int GpsbabelConvert(const std::string& mode, const std::string& fromFormat, const std::string& from,
                    const std::string& toFormat, const std::string& to, std::string* output);
// GDAL: ogrinfo's summary of the GPX file's layers ("1: waypoints
// (Point)", ...), and one layer as CSV with its geometry as X,Y or WKT.
int OgrLayers(const std::string& gpx, std::string* output);
int OgrLayerCsv(const std::string& gpx, const std::string& layer, const std::string& fields,
                std::string* output);
// gpxpy's reading of the routes and tracks: a line per route, track and
// segment, and a line "name lat lon ele" per point.
int GpxpyPaths(const std::string& gpx, std::string* output);
// cs2cs from one PROJ string to the other, on the input file's lines of
// three numbers, written with ten decimals.
int Cs2csConvert(const std::string& from, const std::string& to, const std::string& inputPath, std::string* output);
// LibreOffice, headless, converts the files in folder into folder/outdir,
// with a scratch profile and home inside folder.
int CalcConvert(const std::string& folder, const std::string& importFilter, const std::string& exportFilter,
                const std::string& outdir, const std::vector<std::string>& files, std::string* output);
// dpkg-deb's fields of a package, and the package unpacked into root.
int DebFields(const std::string& deb, const std::string& fields, std::string* output);
int DebExtract(const std::string& deb, const std::string& root, std::string* output);
// lintian's tags on the package, the info ones too; non-zero on an error.
int Lintian(const std::string& deb, std::string* output);
// OSTN15 through Geo::Coordinates::OSGB: each "lat lon" line of the input
// file (ETRS89 degrees) becomes "easting northing" in metres, or "off" where
// the point lies outside OSTN15's cover.
int Ostn15Grid(const std::string& inputPath, std::string* output);

// JUDGED_TEST(Suite, Name, Judge::kQpdf, ...) { body } is
// TEST(Suite, Name) { body } when every judge named was found, and an
// unregistered function otherwise; JUDGED_TEST_F does the same for TEST_F.
template <class Case, class Fixture>
bool RegisterJudgedTest(const char* suite, const char* name, const char* file, int line,
                        std::initializer_list<Judge> judges) {
    for (Judge judge : judges)
        if (!JudgeFound(judge)) return false;
    testing::RegisterTest(suite, name, nullptr, nullptr, file, line, []() -> Fixture* { return new Case; });
    return true;
}

#define JUDGED_TEST_F(fixture, name, ...)                                                            \
    class fixture##_##name##_Judged : public fixture {                                               \
    public:                                                                                          \
        void TestBody() override;                                                                    \
    };                                                                                               \
    [[maybe_unused]] const bool fixture##_##name##_registered =                                      \
        RegisterJudgedTest<fixture##_##name##_Judged, fixture>(#fixture, #name, __FILE__, __LINE__, \
                                                               {__VA_ARGS__});                       \
    void fixture##_##name##_Judged::TestBody()

#define JUDGED_TEST(suite, name, ...)                                                                  \
    class suite##_##name##_Judged : public testing::Test {                                             \
    public:                                                                                            \
        void TestBody() override;                                                                      \
    };                                                                                                 \
    [[maybe_unused]] const bool suite##_##name##_registered =                                          \
        RegisterJudgedTest<suite##_##name##_Judged, testing::Test>(#suite, #name, __FILE__, __LINE__, \
                                                                   {__VA_ARGS__});                     \
    void suite##_##name##_Judged::TestBody()
