#include "track_converter.h"

#include <cstring>
#include <memory>

#include "input_file.h"
#include "line_reader.h"
#include "output_file.h"
#include "print_wrapped.h"
#include "same_file.h"
#include "text_line.h"
#include "track_gpx.h"
#include "track_line.h"

namespace {

const char* const kUsageText[] = {
    "Usage: stileline TrackFile",
    "Creates a TrackFile.gpx file from a text TrackFile which contains an ordered list of "
    "space/tab delimited latitude longitude [plus optional elevation].  The output *.gpx file "
    "has the same basename as the input TrackFile, but with the .gpx extension.",
    ("Version " STILELINE_VERSION),  // parentheses tell clang the join is meant
    "Tessaron Engineering - https://www.tessaron.example",
    "",
};

constexpr const char* kOutputExtension = ".gpx";
constexpr size_t kTrackBufferSize = 1 << 20;  // bytes of output buffer; a million points make 60 MB

}  // namespace

int FormTrackNames(TrackRun& run, const char* trackFilename) {
    run.TrackFilename = trackFilename;
    const char* extension = FindExtension(trackFilename);
    size_t length = std::strlen(trackFilename);
    if (*extension != '\0') length = static_cast<size_t>(extension - 1 - trackFilename);
    if (length + std::strlen(kOutputExtension) > static_cast<size_t>(kTrackNameMax)) return 1;
    std::memcpy(run.TrackName, trackFilename, length);
    run.TrackName[length] = '\0';
    std::memcpy(run.OutputName, run.TrackName, length);
    std::strcpy(run.OutputName + length, kOutputExtension);
    return 0;
}

TrackResult ConvertTrack(std::FILE* in, std::FILE* out, TrackRun& run) {
    if (TrackWriteHeader(out, run.TrackName) != 0) return kTrackWriteError;
    std::unique_ptr<LineReader> reader = MakeLineReader(in);
    char line[kLinePieceMax + 1];
    int textLost = 0;
    while (ReadCleanLine(*reader, line, textLost)) {
        TrackPoint point;
        // Text after a CR, as in a file with CR-only line ends, would be
        // lost without a word: the line is bad instead.
        TrackLineKind kind = textLost ? kTrackLineBad : ParseTrackLine(line, point);
        if (kind == kTrackLineEmpty) continue;
        ++run.PointCount;
        if (kind == kTrackLineGood) {
            if (TrackWritePoint(out, point) != 0) return kTrackWriteError;
            continue;
        }
        if (textLost) {
            std::fprintf(run.Messages, "Oops, text after a carriage return, line %d of %s\n", reader->lineNo,
                         run.TrackFilename);
        } else {
            std::fprintf(run.Messages, "Oops, can't get lat/lon [ele], line %d of %s\n", reader->lineNo,
                         run.TrackFilename);
        }
        if (run.BadLines >= kTrackBadLinesMax) {
            std::fprintf(run.Messages, "too many errors, aborting\n");
            return kTrackTooManyErrors;
        }
        ++run.BadLines;
    }
    if (std::ferror(in)) return kTrackReadError;
    if (TrackWriteClosing(out) != 0) return kTrackWriteError;
    return kTrackConverted;
}

int RunStileline(int argc, char** argv) {
    // Help and version only as the one argument: "stileline -h x" still
    // reads a TrackFile named -h, as it always has.
    const char* only = argc == 2 ? argv[1] : "";
    if (argc < 2 || std::strcmp(only, "-h") == 0 || std::strcmp(only, "--help") == 0) {
        PrintWrapped(stdout, kUsageText);
        return 0;
    }
    if (std::strcmp(only, "--version") == 0) {
        std::fputs("stileline " STILELINE_VERSION "\n", stdout);
        return 0;
    }
    TrackRun run;
    if (FormTrackNames(run, argv[1]) != 0) {
        std::fprintf(stderr, "Oops, TrackFile name too long: %s\n", argv[1]);
        return 1;
    }
    if (SameFile(run.OutputName, run.TrackFilename)) {
        std::fprintf(stderr, "Oops, output file %s would overwrite the TrackFile\n",
                     run.OutputName);
        return 1;
    }
    std::FILE* in = OpenInputFile(run.TrackFilename);
    if (!in) {
        std::fprintf(stderr, "can't open WSG84 TrackDataFilename %s\n", run.TrackFilename);
        return 1;
    }
    std::FILE* out = std::fopen(run.OutputName, "w");
    if (!out) {
        std::fclose(in);
        std::fprintf(stderr, "can't open output file %s\n", run.OutputName);
        return 1;
    }
    std::setvbuf(out, nullptr, _IOFBF, kTrackBufferSize);
    TrackResult result = ConvertTrack(in, out, run);
    std::fclose(in);
    if (FinishOutputFile(out, run.OutputName, result == kTrackWriteError) != 0) {
        std::fprintf(stderr, "Oops, can't write %s\n", run.OutputName);
        return 1;
    }
    if (result == kTrackTooManyErrors) return 1;
    if (result == kTrackReadError) {
        std::fprintf(stderr, "Oops, can't read %s\n", run.TrackFilename);
        return 1;
    }
    if (run.BadLines > 0) {
        std::fprintf(stderr, "Oops %d errors found\n", run.BadLines);
        return 1;
    }
    std::fprintf(stderr, "%d trackpoints successfuly converted to %s\n", run.PointCount,
                 run.OutputName);
    return 0;
}
