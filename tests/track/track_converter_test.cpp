// The track converter's pieces in-process: names, reading a track line, the
// XML text writer and the conversion loop over in-memory files.
#include "track_converter.h"
#include "track_gpx.h"
#include "track_line.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "xml_text.h"

namespace {

// A stream that collects what is written to it, for the writers' output.
struct MemoryStream {
    char* data = nullptr;
    size_t size = 0;
    std::FILE* file = ::open_memstream(&data, &size);
    ~MemoryStream() {
        if (file) std::fclose(file);
        std::free(data);
    }
    std::string Text() {
        std::fflush(file);
        return std::string(data, size);
    }
};

struct Names {
    std::string track;
    std::string output;
};

Names Formed(const char* argument) {
    TrackRun run;
    EXPECT_EQ(FormTrackNames(run, argument), 0) << argument;
    return {run.TrackName, run.OutputName};
}

TEST(FormTrackNames, CutsAtTheLastDotWhenSomethingFollowsIt) {
    EXPECT_EQ(Formed("day1.txt").track, "day1");
    EXPECT_EQ(Formed("day1.txt").output, "day1.gpx");
    EXPECT_EQ(Formed("day1").output, "day1.gpx");
    EXPECT_EQ(Formed("day1.").track, "day1.");
    EXPECT_EQ(Formed("day1.").output, "day1..gpx");
    EXPECT_EQ(Formed("walks/day1.v2.txt").track, "walks/day1.v2");
    EXPECT_EQ(Formed("maps.old/day1").track, "maps");
    EXPECT_EQ(Formed("day1.gpx").output, "day1.gpx");
}

TEST(FormTrackNames, RefusesNamesThatPassTheLimit) {
    TrackRun run;
    std::string longest(kTrackNameMax - 4, 'a');
    EXPECT_EQ(FormTrackNames(run, (longest + ".txt").c_str()), 0);
    EXPECT_EQ(std::string(run.OutputName).size(), static_cast<size_t>(kTrackNameMax));
    EXPECT_NE(FormTrackNames(run, (longest + "a.txt").c_str()), 0);
    EXPECT_NE(FormTrackNames(run, (longest + "a").c_str()), 0);
    EXPECT_NE(FormTrackNames(run, std::string(1000, 'x').c_str()), 0);
}

struct LineCase {
    const char* line;
    TrackLineKind kind;
    double lat, lon, elev;
};

TEST(ParseTrackLine, ReadsTwoOrThreeNumbersAndRefusesTheRest) {
    const LineCase cases[] = {
        {"54.5 -2.1", kTrackLineGood, 54.5, -2.1, -1.0},
        {"54.5 -2.1 120", kTrackLineGood, 54.5, -2.1, 120.0},
        {"  54.5 -2.1 -3", kTrackLineGood, 54.5, -2.1, -3.0},
        {"54.5 -2.1 bridge", kTrackLineGood, 54.5, -2.1, -1.0},
        {"54.5 -2.1 12 trailing words", kTrackLineGood, 54.5, -2.1, 12.0},
        {"123 456", kTrackLineGood, 123.0, 456.0, -1.0},
        {"54.5 -2.1 nan", kTrackLineGood, 54.5, -2.1, -1.0},
        {"54.5 -2.1 inf", kTrackLineGood, 54.5, -2.1, -1.0},
        {"", kTrackLineEmpty, 0, 0, 0},
        {"54.5", kTrackLineBad, 0, 0, 0},
        {"north 54.5 -2.1", kTrackLineBad, 0, 0, 0},
        {"nan -2.1", kTrackLineBad, 0, 0, 0},
        {"54.5 -inf", kTrackLineBad, 0, 0, 0},
        {"54,5 -2,1", kTrackLineBad, 0, 0, 0},
    };
    for (const LineCase& c : cases) {
        TrackPoint point;
        EXPECT_EQ(ParseTrackLine(c.line, point), c.kind) << c.line;
        if (c.kind != kTrackLineGood) continue;
        EXPECT_EQ(point.Lat, c.lat) << c.line;
        EXPECT_EQ(point.Long, c.lon) << c.line;
        EXPECT_EQ(point.Elev, c.elev) << c.line;
    }
}

TEST(TrackWritePoint, ElevationOnlyWhenNotNegative) {
    MemoryStream out;
    TrackWritePoint(out.file, {54.5, -2.1, 120.0});
    TrackWritePoint(out.file, {-0.0000004, 179.9999994, 0.0});
    TrackWritePoint(out.file, {54.5, -2.1, -0.5});
    EXPECT_EQ(out.Text(),
              " <trkpt lat=\"54.500000\" lon=\"-2.100000\"><ele>120.00</ele></trkpt>\r\n"
              " <trkpt lat=\"-0.000000\" lon=\"179.999999\"><ele>0.00</ele></trkpt>\r\n"
              " <trkpt lat=\"54.500000\" lon=\"-2.100000\"></trkpt>\r\n");
}

std::string XmlText(const char* text) {
    MemoryStream out;
    WriteXmlText(out.file, text);
    return out.Text();
}

TEST(WriteXmlText, EscapesMarkupAndReplacesWhatXmlCannotCarry) {
    EXPECT_EQ(XmlText("day1"), "day1");
    EXPECT_EQ(XmlText("Tom & Jerry <old>"), "Tom &amp; Jerry &lt;old&gt;");
    EXPECT_EQ(XmlText("quote\"apos'"), "quote\"apos'");
    EXPECT_EQ(XmlText("bell\x07" "esc\x1b" "tab\t"), "bell?esc?tab\t");
    EXPECT_EQ(XmlText("caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80"),
              "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80");
    EXPECT_EQ(XmlText("\xc2\xbf" "qu\xc3\xa9? \xc3\xbf \xf0\x9f\x98\xbf"),  // continuation bytes up to 0xBF
              "\xc2\xbf" "qu\xc3\xa9? \xc3\xbf \xf0\x9f\x98\xbf");
    EXPECT_EQ(XmlText("latin1 caf\xe9!"), "latin1 caf?!");
    EXPECT_EQ(XmlText("cut \xe2\x82"), "cut ??");
    EXPECT_EQ(XmlText("overlong \xc0\xaf \xe0\x80\xaf"), "overlong ?? ???");
    EXPECT_EQ(XmlText("surrogate \xed\xa0\x80"), "surrogate ???");
    EXPECT_EQ(XmlText("nonchar \xef\xbf\xbe"), "nonchar ???");
    EXPECT_EQ(XmlText("beyond \xf4\x90\x80\x80"), "beyond ????");
}

// Runs ConvertTrack over input held in memory.
struct Conversion {
    TrackResult result;
    TrackRun run;
    std::string gpx;
    std::string messages;
};

Conversion Convert(const std::string& input) {
    Conversion c;
    std::string copy = input;
    std::FILE* in = ::fmemopen(&copy[0], copy.size(), "r");
    MemoryStream out;
    MemoryStream messages;
    FormTrackNames(c.run, "t.txt");
    c.run.Messages = messages.file;
    c.result = ConvertTrack(in, out.file, c.run);
    std::fclose(in);
    c.gpx = out.Text();
    c.messages = messages.Text();
    return c;
}

int CountOf(const std::string& text, const std::string& piece) {
    int count = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) {
        ++count;
    }
    return count;
}

TEST(ConvertTrack, ElevenBadLinesAreToleratedTheTwelfthAborts) {
    std::string eleven;
    for (int i = 0; i < 11; ++i) eleven += "54.5 -2.1\nbad\n";
    Conversion tolerated = Convert(eleven);
    EXPECT_EQ(tolerated.result, kTrackConverted);
    EXPECT_EQ(tolerated.run.BadLines, 11);
    EXPECT_EQ(CountOf(tolerated.gpx, "</gpx>"), 1);

    Conversion aborted = Convert(eleven + "worse\n54.5 -2.1\n");
    EXPECT_EQ(aborted.result, kTrackTooManyErrors);
    EXPECT_EQ(CountOf(aborted.messages, "Oops, can't get"), 12);
    EXPECT_EQ(aborted.messages.substr(aborted.messages.size() - 26),
              "too many errors, aborting\n");
    EXPECT_EQ(CountOf(aborted.gpx, "<trkpt "), 11);
    EXPECT_EQ(CountOf(aborted.gpx, "</trkseg>"), 0);
}

TEST(ConvertTrack, TextAfterACarriageReturnIsABadLine) {
    // CR-only line ends: one piece, which would keep only its first point.
    Conversion oldMac = Convert("54.5 -2.1\r54.6 -2.2\r54.7 -2.3\r");
    EXPECT_EQ(oldMac.result, kTrackConverted);
    EXPECT_EQ(oldMac.messages, "Oops, text after a carriage return, line 1 of t.txt\n");
    EXPECT_EQ(oldMac.run.BadLines, 1);
    EXPECT_EQ(CountOf(oldMac.gpx, "<trkpt "), 0);

    Conversion clean = Convert("54.5 -2.1\r\n54.6 -2.2\r\r\n54.7 -2.3\r");
    EXPECT_EQ(clean.messages, "");
    EXPECT_EQ(CountOf(clean.gpx, "<trkpt "), 3);

    // It counts towards the twelve that abort.
    std::string eleven;
    for (int i = 0; i < 11; ++i) eleven += "bad\n";
    Conversion aborted = Convert(eleven + "\r54.5 -2.1\n");
    EXPECT_EQ(aborted.result, kTrackTooManyErrors);
    EXPECT_EQ(aborted.messages.substr(aborted.messages.size() - 79),
              "Oops, text after a carriage return, line 12 of t.txt\ntoo many errors, aborting\n");
}

TEST(ConvertTrack, StopsAtTheFirstFailedWrite) {
    std::FILE* in = ::fmemopen(const_cast<char*>("54.5 -2.1\n"), 10, "r");
    std::FILE* full = std::fopen("/dev/full", "w");
    ASSERT_TRUE(in && full);
    std::setvbuf(full, nullptr, _IONBF, 0);  // every write reaches the device at once
    TrackRun run;
    FormTrackNames(run, "t.txt");
    EXPECT_EQ(ConvertTrack(in, full, run), kTrackWriteError);
    EXPECT_EQ(run.PointCount, 0);
    std::fclose(in);
    std::fclose(full);
}

}  // namespace
