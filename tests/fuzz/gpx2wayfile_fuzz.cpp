// Fuzz target: gpx2wayfile's reading of any bytes as GPX files (split at
// the first NUL byte into two files read one after the other), then its
// path, placing and WayFile writing into a memory stream. Files read whole
// give a WayFile of one line a row, every line short enough for cairnlog,
// valid UTF-8 with no control character and no comment bar; a file refused
// says why.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz_check.h"
#include "gpx_reader.h"
#include "grid_of_place.h"
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

// Reads size bytes at data as one more GPX file into gpx. Returns 0, or 1
// when it was refused.
int ReadPiece(const std::uint8_t* data, std::size_t size, GpxData& gpx) {
    if (size == 0) return 1;  // fmemopen refuses an empty buffer
    std::FILE* in = fmemopen(const_cast<std::uint8_t*>(data), size, "r");
    if (!in) std::abort();
    GpxFault fault;
    int failed = ReadGpx(in, gpx, fault);
    std::fclose(in);
    if (failed) FUZZ_CHECK(!fault.Reason.empty() || fault.OutOfMemory);
    return failed;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::uint8_t* nul = static_cast<const std::uint8_t*>(std::memchr(data, '\0', size));
    std::size_t first = nul ? static_cast<std::size_t>(nul - data) : size;
    GpxData gpx;
    if (ReadPiece(data, first, gpx)) return 0;
    if (nul && ReadPiece(nul + 1, size - first - 1, gpx)) return 0;
    PathPlan plan = PlanPath(gpx, {kWayFileLineMax / 10.0, kDefaultNearM});
    FUZZ_CHECK(plan.Path.size() <= gpx.RoutePoints.size() + gpx.TrackPoints.size());
    FUZZ_CHECK(plan.Places.size() <= gpx.Waypoints.size());
    FUZZ_CHECK(plan.Pois.size() <= plan.Places.size());
    FUZZ_CHECK(gpx.Title.size() <= kTitleBytes && plan.Title.size() <= kTitleBytes);

    char* written = nullptr;
    std::size_t length = 0;
    std::FILE* out = open_memstream(&written, &length);
    if (!out) std::abort();
    FUZZ_CHECK(WriteWayFile(out, gpx, plan, GridOfPlace(gpx, plan)) == 0);
    std::fclose(out);
    std::string wayFile(written, length);
    std::free(written);

    size_t rowLines = 0;
    size_t pathLines = 0;
    size_t start = 0;
    while (start < wayFile.size()) {
        size_t end = wayFile.find('\n', start);
        FUZZ_CHECK(end != std::string::npos);
        FUZZ_CHECK(end - start <= kWayFileLineMax);
        char letter = wayFile[start];
        FUZZ_CHECK(letter == '#' || (letter >= 'A' && letter <= 'Z'));
        rowLines += letter != '#';
        pathLines += letter == 'C';
        for (size_t at = start; at < end;) {
            unsigned char byte = static_cast<unsigned char>(wayFile[at]);
            FUZZ_CHECK(byte >= 0x20 && byte != 0x7F && byte != '|');
            size_t step = Utf8Length(wayFile, at);
            FUZZ_CHECK(step != 0 && at + step <= end);
            at += step;
        }
        start = end + 1;
    }
    FUZZ_CHECK(rowLines == plan.Rows.size());
    FUZZ_CHECK(pathLines <= plan.Rows.size());
    return 0;
}
