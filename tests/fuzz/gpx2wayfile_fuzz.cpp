// Fuzz target: gpx2wayfile's reading of any bytes as a GPX file, then its
// path, placing and WayFile writing into a memory stream. A file read
// whole gives a WayFile of one line a point, every line short enough for
// cairnlog, valid UTF-8 with no control character and no comment bar; a
// file refused says why.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz_check.h"
#include "gpx_reader.h"
#include "path_plan.h"
#include "wayfile_writer.h"

namespace {

// Length of the valid UTF-8 character at text[at], or 0.
size_t Utf8Length(const std::string& text, size_t at) {
    unsigned char lead = static_cast<unsigned char>(text[at]);
    size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                                    : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
    if (length == 0 || at + length > text.size()) return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return 0;
    }
    return length;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;  // fmemopen refuses an empty buffer
    std::FILE* in = fmemopen(const_cast<std::uint8_t*>(data), size, "r");
    if (!in) std::abort();
    GpxData gpx;
    GpxFault fault;
    int failed = ReadGpx(in, gpx, fault);
    std::fclose(in);
    if (failed) {
        FUZZ_CHECK(!fault.Reason.empty() || fault.OutOfMemory);
        return 0;
    }
    PathPlan plan = PlanPath(gpx, kWayFileLineMax / 10.0);
    FUZZ_CHECK(plan.Path.size() <= gpx.RoutePoints.size() + gpx.TrackPoints.size());
    FUZZ_CHECK(plan.Pois.size() == gpx.Waypoints.size());
    FUZZ_CHECK(gpx.Title.size() <= kTitleBytes);

    char* written = nullptr;
    std::size_t length = 0;
    std::FILE* out = open_memstream(&written, &length);
    if (!out) std::abort();
    FUZZ_CHECK(WriteWayFile(out, gpx, plan) == 0);
    std::fclose(out);
    std::string wayFile(written, length);
    std::free(written);

    size_t pathLines = 0;
    size_t poiLines = 0;
    size_t start = 0;
    while (start < wayFile.size()) {
        size_t end = wayFile.find('\n', start);
        FUZZ_CHECK(end != std::string::npos);
        FUZZ_CHECK(end - start <= kWayFileLineMax);
        char first = wayFile[start];
        FUZZ_CHECK(first == '#' || first == 'C' || first == 'P');
        pathLines += first == 'C';
        poiLines += first == 'P';
        for (size_t at = start; at < end;) {
            unsigned char byte = static_cast<unsigned char>(wayFile[at]);
            FUZZ_CHECK(byte >= 0x20 && byte != 0x7F && byte != '|');
            size_t step = Utf8Length(wayFile, at);
            FUZZ_CHECK(step != 0 && at + step <= end);
            at += step;
        }
        start = end + 1;
    }
    FUZZ_CHECK(pathLines == plan.Path.size());
    FUZZ_CHECK(poiLines == plan.Pois.size());
    return 0;
}
