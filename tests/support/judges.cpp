#include "judges.h"

#include "cli_run.h"

namespace {

// Where CMake found each judge, "" where it found none.
const char* PathOf(Judge judge) {
    switch (judge) {
        case Judge::kXmllint: return JUDGE_XMLLINT;
        case Judge::kQpdf: return JUDGE_QPDF;
        case Judge::kPdfinfo: return JUDGE_PDFINFO;
        case Judge::kPdftotext: return JUDGE_PDFTOTEXT;
        case Judge::kMutool: return JUDGE_MUTOOL;
        case Judge::kGhostscript: return JUDGE_GS;
        case Judge::kGpsbabel: return JUDGE_GPSBABEL;
        case Judge::kCs2cs: return JUDGE_CS2CS;
        case Judge::kSoffice: return JUDGE_SOFFICE;
        case Judge::kDpkgDeb: return JUDGE_DPKG_DEB;
        case Judge::kDpkgShlibdeps: return JUDGE_DPKG_SHLIBDEPS;
        case Judge::kLintian: return JUDGE_LINTIAN;
        case Judge::kOsgbPerl: return JUDGE_OSGB_PERL;
        case Judge::kOgrinfo: return JUDGE_OGRINFO;
        case Judge::kOgr2ogr: return JUDGE_OGR2OGR;
        case Judge::kGpxpy: return JUDGE_GPXPY;
        case Judge::kPdfReaders: break;
    }
    return "";
}

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// Runs the judge with the arguments (a shell fragment), its standard error
// joined to its standard output.
int RunJudge(Judge judge, const std::string& arguments, std::string* output) {
    return RunShell(Quoted(PathOf(judge)) + " " + arguments + " 2>&1", output);
}

// The judge's command line and output when it failed or said one of the
// complaints, else "".
std::string Complaint(Judge judge, const std::string& arguments, std::initializer_list<const char*> complaints) {
    std::string output;
    bool failed = RunJudge(judge, arguments, &output) != 0;
    for (const char* complaint : complaints) failed = failed || output.find(complaint) != std::string::npos;
    return failed ? std::string(PathOf(judge)) + " " + arguments + ": " + output : "";
}

}  // namespace

bool JudgeFound(Judge judge) {
    if (judge == Judge::kPdfReaders)
        return JudgeFound(Judge::kQpdf) && JudgeFound(Judge::kPdfinfo) && JudgeFound(Judge::kMutool) &&
               JudgeFound(Judge::kGhostscript);
    return *PathOf(judge) != '\0';
}

std::string XmllintFault(const std::string& path, const std::string& schema) {
    const std::string schemaOption = schema.empty() ? "" : "--schema " + Quoted(schema) + " ";
    return Complaint(Judge::kXmllint, "--noout " + schemaOption + Quoted(path), {});
}

std::string QpdfFault(const std::string& path) {
    return Complaint(Judge::kQpdf, "--check " + Quoted(path), {"WARNING", "damaged", "not a PDF"});
}

std::string PdfReadersFault(const std::string& path) {
    std::string fault = QpdfFault(path);
    if (fault.empty()) fault = Complaint(Judge::kPdfinfo, Quoted(path), {"Error", "Warning"});
    if (fault.empty()) fault = Complaint(Judge::kMutool, "info " + Quoted(path), {"error", "warning"});
    if (fault.empty()) {
        fault = Complaint(Judge::kGhostscript, "-q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=nullpage " + Quoted(path),
                          {"Error", "error", "Warning", "warning"});
    }
    return fault;
}

int PdfText(const std::string& path, const std::string& options, std::string* output) {
    return RunJudge(Judge::kPdftotext, options + " " + Quoted(path) + " -", output);
}

int PdfInfo(const std::string& path, std::string* output) { return RunJudge(Judge::kPdfinfo, Quoted(path), output); }

int GpsbabelRead(const std::string& gpx, const std::string& mode, const std::string& format,
                 std::string* output) {
    return RunJudge(Judge::kGpsbabel, mode + " -i gpx -f " + Quoted(gpx) + " -o " + format + " -F -", output);
}

int GpsbabelConvert(const std::string& mode, const std::string& fromFormat, const std::string& from,
                    const std::string& toFormat, const std::string& to, std::string* output) {
    return RunJudge(Judge::kGpsbabel,
                    mode + " -i " + fromFormat + " -f " + Quoted(from) + " -o " + toFormat + " -F " + Quoted(to),
                    output);
}

int OgrLayers(const std::string& gpx, std::string* output) {
    return RunJudge(Judge::kOgrinfo, "-ro -q " + Quoted(gpx), output);
}

int OgrLayerCsv(const std::string& gpx, const std::string& layer, const std::string& fields,
                std::string* output) {
    const std::string geometry = layer == "routes" || layer == "tracks" ? "AS_WKT" : "AS_XY";
    return RunJudge(Judge::kOgr2ogr, "-f CSV -lco GEOMETRY=" + geometry + " /vsistdout/ " + Quoted(gpx) + " " +
                                         layer + " -select " + fields,
                    output);
}

int GpxpyPaths(const std::string& gpx, std::string* output) {
    const char* script =
        "import sys, gpxpy\n"
        "g = gpxpy.parse(open(sys.argv[1], encoding=\"utf-8\"))\n"
        "line = lambda p: print(p.name, \"%.6f %.6f %.0f\" % (p.latitude, p.longitude, p.elevation))\n"
        "for r in g.routes:\n"
        "    print(\"route\", r.name)\n"
        "    for p in r.points: line(p)\n"
        "for t in g.tracks:\n"
        "    print(\"track\", t.name)\n"
        "    for s in t.segments:\n"
        "        print(\"segment\")\n"
        "        for p in s.points: line(p)\n";
    return RunJudge(Judge::kGpxpy, "-c " + Quoted(script) + " " + Quoted(gpx), output);
}

int Cs2csConvert(const std::string& from, const std::string& to, const std::string& inputPath, std::string* output) {
    return RunJudge(Judge::kCs2cs, "-f %.10f " + from + " +to " + to + " < " + Quoted(inputPath), output);
}

int CalcConvert(const std::string& folder, const std::string& importFilter, const std::string& exportFilter,
                const std::string& outdir, const std::vector<std::string>& files, std::string* output) {
    std::string command = "cd " + Quoted(folder) + " && LC_ALL=C.UTF-8 HOME=" + Quoted(folder) + " " +
                          Quoted(PathOf(Judge::kSoffice)) + " -env:UserInstallation=file://" + folder +
                          "/profile --headless --infilter=" + Quoted(importFilter) + " --convert-to " +
                          Quoted(exportFilter) + " --outdir " + Quoted(outdir);
    for (const std::string& file : files) command += " " + Quoted(file);
    return RunShell(command + " 2>&1", output);
}

int DebFields(const std::string& deb, const std::string& fields, std::string* output) {
    return RunJudge(Judge::kDpkgDeb, "-f " + Quoted(deb) + " " + fields, output);
}

int DebExtract(const std::string& deb, const std::string& root, std::string* output) {
    return RunJudge(Judge::kDpkgDeb, "-x " + Quoted(deb) + " " + Quoted(root), output);
}

int Lintian(const std::string& deb, std::string* output) {
    return RunJudge(Judge::kLintian, "--display-info --fail-on error " + Quoted(deb), output);
}

int Ostn15Grid(const std::string& inputPath, std::string* output) {
    // ll_to_grid takes ETRS89 (WGS-84 to a metre or so) and applies OSTN15;
    // outside its cover it falls back on a Helmert shift, rounded to whole
    // metres: a result without decimals is such a point.
    const char* script =
        "use Geo::Coordinates::OSGB qw(ll_to_grid); "
        "while (<STDIN>) { my @en = ll_to_grid(split); "
        "print $en[0] =~ /[.]/ ? qq(@en\\n) : qq(off\\n); }";
    return RunJudge(Judge::kOsgbPerl, "-e " + Quoted(script) + " < " + Quoted(inputPath), output);
}
