// Fuzz target: a whole cairnlog run in-process on any bytes as the WayFile,
// with every output asked for (-g -r -p) in a scratch folder. When the run
// succeeds, each output must be there and whole: the GPX file ends with its
// closing tag, every report row has nine tab-separated fields (fifteen
// with the route card) and the PDF
// file runs from its header to its end-of-file mark. The outputs are removed after every run, so that
// one run never sees another's files.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz_check.h"
#include "run_cairnlog.h"

namespace {

std::string gFolder;

std::string ReadWhole(const std::string& path) {
    std::string bytes;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        char block[65536];
        for (std::size_t got; (got = std::fread(block, 1, sizeof block, file)) > 0;) bytes.append(block, got);
        std::fclose(file);
    }
    return bytes;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Nine fields a row, or fifteen with the route card, as the header has.
void CheckReport(const std::string& report) {
    std::size_t start = 0;
    std::size_t headerTabs = 0;
    for (std::size_t end; (end = report.find("\r\n", start)) != std::string::npos; start = end + 2) {
        std::size_t tabs = 0;
        for (std::size_t i = start; i < end; ++i) tabs += report[i] == '\t';
        if (start == 0) headerTabs = tabs;
        FUZZ_CHECK((headerTabs == 8 || headerTabs == 14) && tabs == headerTabs);
    }
    FUZZ_CHECK(start == report.size());
}

void RemoveFolder() {
    for (const char* name : {"/walk.txt", "/walk.gpx", "/walkReport.txt", "/walkGuide.pdf"})
        std::remove((gFolder + name).c_str());
    rmdir(gFolder.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Memory-backed when the machine has it: a run writes three files.
    const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string pattern = std::string(base) + "/cairnlog-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data())) std::abort();
    gFolder = pattern;
    std::atexit(RemoveFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string wayFile = gFolder + "/walk.txt";
    std::string gpx = gFolder + "/walk.gpx", report = gFolder + "/walkReport.txt", guide = gFolder + "/walkGuide.pdf";
    if (std::FILE* file = std::fopen(wayFile.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    } else {
        std::abort();
    }
    char program[] = "cairnlog", g[] = "-g", r[] = "-r", p[] = "-p";
    char* argv[] = {program, g, r, p, wayFile.data(), nullptr};
    RunState run;
    int status = RunCairnlog(5, argv, run);
    FUZZ_CHECK(status == 0 || status == 1);
    if (status == 0) {
        std::string gpxBytes = ReadWhole(gpx), reportBytes = ReadWhole(report), guideBytes = ReadWhole(guide);
        FUZZ_CHECK(EndsWith(gpxBytes, "</gpx>\r\n"));
        FUZZ_CHECK(!reportBytes.empty());
        CheckReport(reportBytes);
        FUZZ_CHECK(guideBytes.compare(0, 9, "%PDF-1.5\r") == 0);
        FUZZ_CHECK(EndsWith(guideBytes, "%%EOF\r\n"));
    }
    std::remove(gpx.c_str());
    std::remove(report.c_str());
    std::remove(guide.c_str());
    return 0;
}
