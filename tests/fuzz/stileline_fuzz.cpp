// Fuzz target: stileline's conversion of any bytes as a TrackFile, into a
// memory stream. Every line written ends in CR LF; a finished conversion
// has its closing lines and one point per good line, an aborted one stops
// after the twelfth bad line without them.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz_check.h"
#include "track_converter.h"

namespace {

std::FILE* gDiscard;

int CountOf(const std::string& text, const std::string& piece) {
    int count = 0;
    for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++count;
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    gDiscard = std::fopen("/dev/null", "w");
    if (!gDiscard) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;  // fmemopen refuses an empty buffer
    std::FILE* in = fmemopen(const_cast<std::uint8_t*>(data), size, "r");
    char* written = nullptr;
    std::size_t length = 0;
    std::FILE* out = open_memstream(&written, &length);
    if (!in || !out) std::abort();
    TrackRun run;
    FormTrackNames(run, "day1.txt");
    run.Messages = gDiscard;
    TrackResult result = ConvertTrack(in, out, run);
    std::fclose(in);
    std::fclose(out);
    std::string gpx(written, length);
    std::free(written);

    FUZZ_CHECK(result == kTrackConverted || result == kTrackTooManyErrors);
    FUZZ_CHECK(CountOf(gpx, "\n") == CountOf(gpx, "\r\n"));
    FUZZ_CHECK(gpx.size() >= 2 && gpx.compare(gpx.size() - 2, 2, "\r\n") == 0);
    FUZZ_CHECK(run.BadLines <= kTrackBadLinesMax);
    int points = CountOf(gpx, "<trkpt ");
    if (result == kTrackConverted) {
        FUZZ_CHECK(points == run.PointCount - run.BadLines);
        const std::string closing = "</trkseg>\r\n</trk>\r\n</gpx>\r\n";
        FUZZ_CHECK(gpx.size() > closing.size() && gpx.compare(gpx.size() - closing.size(), closing.size(), closing) == 0);
    } else {
        FUZZ_CHECK(run.BadLines == kTrackBadLinesMax);
        FUZZ_CHECK(points == run.PointCount - run.BadLines - 1);
        FUZZ_CHECK(CountOf(gpx, "</trkseg>") == 0);
    }
    return 0;
}
