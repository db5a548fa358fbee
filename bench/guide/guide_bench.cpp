// Writes a guide of N waypoints and prints its time and peak memory, or
// (mode "zlib") the time zlib alone takes to compress the very same page
// content.
//
//     guide_bench guide N OUTPUT.pdf
//     guide_bench zlib N
#include <zlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "bench_measure.h"
#include "guide.h"
#include "guide_columns.h"
#include "guide_frame.h"
#include "guide_layout.h"
#include "guide_rows.h"

namespace {

// Descriptions of the lengths a walk has: short, two lines, and one that
// needs its first blank found among several.
const char* const kDescriptions[] = {
    "Car park",
    "Stile by the old wall",
    "Follow the wall north to the stile, then bear left",
    "Footbridge over Whitcliffe Beck",
    "",
    "Path forks: keep right by the wood",
};

// What the guide reads of a run.
struct BenchRun {
    FileNames files;
    Settings settings;
    WaypointList Waypoints;
    TextArena Texts;
};

void FillRun(BenchRun& run, int count, const char* output) {
    run.files.WayFilename = "bench.txt";
    std::snprintf(run.files.PdfFilename, sizeof run.files.PdfFilename, "%s", output);
    std::snprintf(run.settings.Title, sizeof run.settings.Title, "Bench walk");
    for (int i = 1; i <= count; ++i) {
        run.Waypoints.emplace_back();
        Waypoint& waypoint = run.Waypoints.back();
        char id[16];
        std::snprintf(id, sizeof id, "W%d", i % 100000);
        waypoint.WayID = KeepCString(run.Texts, id);
        waypoint.Desc = kDescriptions[i % 6];
        waypoint.LineNo = i;
        std::snprintf(waypoint.SquareLetters, sizeof waypoint.SquareLetters, "NY");
        waypoint.SquareE = (i * 7919) % 100000;
        waypoint.SquareN = (i * 104729) % 100000;
        waypoint.Elev = 100 + i % 800;
        waypoint.HasDistance = 1;
        waypoint.Distance = i * 0.37;
        waypoint.HasGrade = i % 4 != 0;
        waypoint.Grade = i % 23 - 11;
        // A blank row now and then, inside its column.
        if (i % 97 == 0 && (i + run.settings.InsertedRows) % 24 != 0) {
            waypoint.RowSpan = 2;
            ++run.settings.InsertedRows;
        }
    }
}

// The guide's pages drawn as WriteGuide draws them, each page's content
// compressed by zlib alone and dropped.
int CompressOnly(const BenchRun& run) {
    GuideLayout layout;
    ComputeGuideLayout(run.settings, layout);
    GuideColumns columns;
    FindGuideColumns(run.Waypoints, run.settings.InsertedRows, layout, columns);
    PdfWriter pdf;
    if (PdfOpen(pdf, "/dev/null", nullptr, nullptr, nullptr, nullptr, nullptr, 0, layout.PageWidth,
                layout.PageHeight) != 0)
        return 1;
    std::chrono::steady_clock::duration compressing{};
    std::vector<unsigned char> compressed;
    std::size_t contentBytes = 0;
    for (long long first = 1; first <= columns.Count; first = GuideNextFirstColumn(layout, first)) {
        DrawGuideFrame(pdf, layout, run.settings, first);
        DrawGuideRows(pdf, layout, run.Waypoints, run.files.WayFilename.c_str(), columns, first);
        contentBytes += pdf.contentLength;
        uLongf size = compressBound(static_cast<uLong>(pdf.contentLength));
        compressed.resize(size);
        auto begin = std::chrono::steady_clock::now();
        compress2(compressed.data(), &size, reinterpret_cast<const Bytef*>(pdf.content),
                  static_cast<uLong>(pdf.contentLength), Z_DEFAULT_COMPRESSION);
        compressing += std::chrono::steady_clock::now() - begin;
        PdfResetPage(pdf);
    }
    PdfClose(pdf);
    std::printf("zlib alone: %.3f s to compress %zu content bytes\n", Seconds(compressing), contentBytes);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: guide_bench guide|zlib WAYPOINTS [OUTPUT.pdf]\n");
        return 1;
    }
    const bool zlibOnly = std::strcmp(argv[1], "zlib") == 0;
    const int count = std::atoi(argv[2]);
    BenchRun& run = *new BenchRun;  // lives to the end, like the compiler's
    FillRun(run, count, argc > 3 ? argv[3] : "/dev/null");
    if (zlibOnly) return CompressOnly(run);

    const long listKilobytes = PeakKilobytes();
    auto start = std::chrono::steady_clock::now();
    if (WriteGuide(run.Waypoints, run.settings, run.files) != 0) return 1;
    double seconds = Seconds(std::chrono::steady_clock::now() - start);
    const long peakKilobytes = PeakKilobytes();
    std::printf("guide:      %.3f s for %d waypoints, peak memory %.1f MB (%.0f bytes a waypoint, "
                "%.0f of them the guide's own)\n",
                seconds, count, static_cast<double>(peakKilobytes) / 1024.0,
                static_cast<double>(peakKilobytes) * 1024.0 / count,
                static_cast<double>(peakKilobytes - listKilobytes) * 1024.0 / count);
    return 0;
}
