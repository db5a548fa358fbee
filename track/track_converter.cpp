#include "track_converter.h"

#include <cmath>
#include <cstring>

#include "fixed_format.h"
#include "input_file.h"
#include "number_scan.h"
#include "output_file.h"
#include "print_wrapped.h"
#include "same_file.h"
#include "text_line.h"
#include "xml_text.h"

namespace {

const char* const kUsageText[] = {
    "Usage: stileline TrackFile",
    "Creates a TrackFile.gpx file from a text TrackFile which contains an ordered list of "
    "space/tab delimited latitude longitude [plus optional elevation].  The output *.gpx file "
    "has the same basename as the input TrackFile, but with the .gpx extension.",
    "Version 1.1",
    "Tessaron Engineering - https://www.tessaron.example",
    "",
};

constexpr const char* kOutputExtension = ".gpx";
constexpr size_t kTrackBufferSize = 1 << 20;  // bytes of output buffer; a million points make 60 MB
constexpr const char kByteOrderMark[] = "\xEF\xBB\xBF";  // UTF-8 encoding of U+FEFF

int StreamStatus(std::FILE* file) { return std::ferror(file) ? 1 : 0; }

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

TrackLineKind ParseTrackLine(char* line, TrackPoint& point) {
    CutAtLineEnd(line);
    CutAtChar(line, '|');
    ReplaceChar(line, '\t');
    TrimTrailingBlanks(line);
    if (line[0] == '\0') return kTrackLineEmpty;
    double values[3] = {point.Lat, point.Long, -1.0};  // the elevation is preset to none
    int read = ScanThreeNumbers(line, values);
    if (read < 2 || !std::isfinite(values[0]) || !std::isfinite(values[1])) return kTrackLineBad;
    point.Lat = values[0];
    point.Long = values[1];
    point.Elev = std::isfinite(values[2]) ? values[2] : -1.0;
    return kTrackLineGood;
}

int TrackWriteHeader(std::FILE* file, const char* trackName) {
    std::fputs("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
               "<gpx \r\n"
               " creator=\"stileline - https://www.tessaron.example\"\r\n"
               " version=\"1.1\"\r\n"
               " xmlns=\"http://www.topografix.com/GPX/1/1\">\r\n"
               "<trk>\r\n"
               "<name>",
               file);
    WriteXmlText(file, trackName);
    std::fputs("</name>\r\n"
               "<trkseg>\r\n",
               file);
    return StreamStatus(file);
}

int TrackWritePoint(std::FILE* file, const TrackPoint& point) {
    // The numbers as "%.6f" and "%.2f" would print them, only faster.
    char lat[kFixedTextMax + 1];
    char lon[kFixedTextMax + 1];
    *FormatFixed(lat, point.Lat, 6) = '\0';
    *FormatFixed(lon, point.Long, 6) = '\0';
    if (point.Elev >= 0.0) {
        char elev[kFixedTextMax + 1];
        *FormatFixed(elev, point.Elev, 2) = '\0';
        std::fprintf(file, " <trkpt lat=\"%s\" lon=\"%s\"><ele>%s</ele></trkpt>\r\n", lat, lon,
                     elev);
    } else {
        std::fprintf(file, " <trkpt lat=\"%s\" lon=\"%s\"></trkpt>\r\n", lat, lon);
    }
    return StreamStatus(file);
}

int TrackWriteClosing(std::FILE* file) {
    std::fputs("</trkseg>\r\n</trk>\r\n</gpx>\r\n", file);
    return StreamStatus(file);
}

TrackResult ConvertTrack(std::FILE* in, std::FILE* out, TrackRun& run) {
    if (TrackWriteHeader(out, run.TrackName) != 0) return kTrackWriteError;
    char buffer[kTrackPieceMax + 1];
    for (; std::fgets(buffer, sizeof buffer, in); ++run.LineNo) {
        char* line = buffer;
        if (run.LineNo == 1 && std::strncmp(line, kByteOrderMark, 3) == 0) line += 3;
        TrackPoint point;
        // Cleaning ends the line at its first CR: text after it, as in a
        // file with CR-only line ends, would be lost without a word.
        bool textAfterCr = HasTextAfterCarriageReturn(line);
        TrackLineKind kind = textAfterCr ? kTrackLineBad : ParseTrackLine(line, point);
        if (kind == kTrackLineEmpty) continue;
        ++run.PointCount;
        if (kind == kTrackLineGood) {
            if (TrackWritePoint(out, point) != 0) return kTrackWriteError;
            continue;
        }
        if (textAfterCr) {
            std::fprintf(run.Messages, "Oops, text after a carriage return, line %d of %s\n", run.LineNo,
                         run.TrackFilename);
        } else {
            std::fprintf(run.Messages, "Oops, can't get lat/lon [ele], line %d of %s\n", run.LineNo,
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
    if (argc < 2) {
        PrintWrapped(stdout, kUsageText);
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
    if (CloseOutputFile(out) != 0 || result == kTrackWriteError) {
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
