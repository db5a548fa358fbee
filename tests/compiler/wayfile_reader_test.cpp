#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "run_helpers.h"
#include "wayfile_reader.h"

namespace {

struct LineCase {
    const char* line;
    const char* id;
    double lat, lon, elev;
    const char* desc;
    int fails;
    const char* messages;
};

// Each line is read as line 7 of walk.txt.
const LineCase kLineCases[] = {
    {"C001 54.5 -2.1", "C001", 54.5, -2.1, 0, "", 0,
     "Warning, no waypoint description in walk.txt, line  7\n"},
    {"C002 54.5 -2.1 120 Stile by gate", "C002", 54.5, -2.1, 120, "Stile by gate", 0, ""},
    {"C003 54.5 -2.1 Stile", "C003", 54.5, -2.1, 0, "Stile", 0, ""},
    {"C004 54.5 -2.1 100yds to gate", "C004", 54.5, -2.1, 100, "to gate", 0, ""},
    {"C005 54.5 -2.1 -3.5e1 below sea", "C005", 54.5, -2.1, -35, "below sea", 0, ""},
    // Words that scanf reads as infinities or NaNs start the description.
    {"C006 54.5 -2.1 Information board", "C006", 54.5, -2.1, 0, "Information board", 0, ""},
    {"C007 53.1 -4.0 Nant Ffrancon", "C007", 53.1, -4.0, 0, "Nant Ffrancon", 0, ""},
    {"C008 54.5 -2.1 INFINITY pool", "C008", 54.5, -2.1, 0, "INFINITY pool", 0, ""},
    {"C009 54.5 -2.1 1e999 steps", "C009", 54.5, -2.1, 0, "1e999 steps", 0, ""},
    {"C010 54.5 -2.1 nan(1) x", "C010", 54.5, -2.1, 0, "nan(1) x", 0, ""},
    {"Gate 54.5 -2.1 IDs need no number", "Gate", 54.5, -2.1, 0, "IDs need no number", 0, ""},
    {"X1 123 456 Nowhere", "X1", 123, 456, 0, "Nowhere", 0, ""},
    {"C011 54.5", "C011", 54.5, 0, 0, "", 1,
     "Oops, can't get ID, Lat, Long in walk.txt, line 7\n"
     "Warning, no waypoint description in walk.txt, line  7\n"},
    {"C012 north -2.1 Gate", "C012", 0, 0, 0, "north -2.1 Gate", 1,
     "Oops, can't get ID, Lat, Long in walk.txt, line 7\n"},
    {"C013 inf -2.1 Gate", "C013", HUGE_VAL, -2.1, 0, "Gate", 1,
     "Oops, Lat or Long is not a finite number in walk.txt, line 7\n"},
    {"C014 54.5 NaN Gate", "C014", 54.5, NAN, 0, "Gate", 1,
     "Oops, Lat or Long is not a finite number in walk.txt, line 7\n"},
    {"C015 54.5 Information", "C015", 54.5, HUGE_VAL, 0, "", 1,
     "Oops, Lat or Long is not a finite number in walk.txt, line 7\n"
     "Warning, no waypoint description in walk.txt, line  7\n"},
    // scanf gives up on "Infi" that does not go on to "Infinity".
    {"C019 54.5 Infirmary", "C019", 54.5, 0, 0, "Infirmary", 1,
     "Oops, can't get ID, Lat, Long in walk.txt, line 7\n"},
    {"C&1 54.5 -2.1 Gate", "C&1", 54.5, -2.1, 0, "Gate", 1,
     "Oops, unprintable character '&' in ID of walk.txt, line 7\n"},
    // Descriptions hold "&", "<", ">" and UTF-8; IDs stay plain ASCII.
    {"C016 54.5 -2.1 Fish & chips <b>", "C016", 54.5, -2.1, 0, "Fish & chips <b>", 0, ""},
    {"C017 54.5 -2.1 Gleann D\xc3\xa1 Loch, Ll\xc5\xb7n \xe2\x82\xac" "5 \xf0\x9f\x8c\xb2", "C017", 54.5, -2.1, 0,
     "Gleann D\xc3\xa1 Loch, Ll\xc5\xb7n \xe2\x82\xac" "5 \xf0\x9f\x8c\xb2", 0, ""},
    {"Caf\xc3\xa9 54.5 -2.1 Gate", "Caf\xc3\xa9", 54.5, -2.1, 0, "Gate", 1,
     "Oops, unprintable character '\xc3' in ID of walk.txt, line 7\n"},
    // Latin-1, a C1 control, a cut sequence, an overlong form, a surrogate.
    {"C018 54.5 -2.1 Caf\xe9", "C018", 54.5, -2.1, 0, "Caf\xe9", 1,
     "Oops, unprintable character '\xe9' in description of walk.txt, line 7\n"},
    {"C020 54.5 -2.1 a\xc2\x85", "C020", 54.5, -2.1, 0, "a\xc2\x85", 1,
     "Oops, unprintable character '\xc2' in description of walk.txt, line 7\n"},
    {"C021 54.5 -2.1 a\xe2\x82", "C021", 54.5, -2.1, 0, "a\xe2\x82", 1,
     "Oops, unprintable character '\xe2' in description of walk.txt, line 7\n"},
    {"C022 54.5 -2.1 \xc0\xaf", "C022", 54.5, -2.1, 0, "\xc0\xaf", 1,
     "Oops, unprintable character '\xc0' in description of walk.txt, line 7\n"},
    {"C023 54.5 -2.1 \xed\xa0\x80", "C023", 54.5, -2.1, 0, "\xed\xa0\x80", 1,
     "Oops, unprintable character '\xed' in description of walk.txt, line 7\n"},
    // Positions with hemisphere letters; what follows them is read as on any line.
    {"N1 N54 30 W2 15 120 Top", "N1", 54.5, -2.25, 120, "Top", 0, ""},
    {"N2 54\xc2\xb0" "30\xe2\x80\xb2N 2\xc2\xb0" "15\xe2\x80\xb2W 100yds Fox & Hounds", "N2", 54.5, -2.25, 100,
     "Fox & Hounds", 0, ""},
    {"N3 N91 W2 Top", "N3", 0, 0, 0, "N91 W2 Top", 1, "Oops, can't read position N91 W2 in walk.txt, line 7\n"},
    // Pasted from a document: look-alike signs, and U+2212 for the minus in
    // the latitude and longitude; the elevation reads as on any line.
    {"N4 55°58’30” N 4°20’10” W 90 Craigallian Loch", "N4", 55.975, -4.336111, 90, "Craigallian Loch", 0, ""},
    {"M1 54.5 −2.125 Gate", "M1", 54.5, -2.125, 0, "Gate", 0, ""},
    {"M2 −33.5e0 151.25 −30 below", "M2", -33.5, 151.25, 0, "−30 below", 0, ""},
    {"M3 54.5 −2.1 120 Top", "M3", 54.5, -2.1, 120, "Top", 0, ""},
    {"M4 54.5 −x Gate", "M4", 54.5, 0, 0, "−x Gate", 1, "Oops, can't get ID, Lat, Long in walk.txt, line 7\n"},
    // Degrees, minutes and seconds parted by blanks read as three numbers,
    // as always, with a warning; words after three numbers bring none.
    {"S1 56 06 30N 4 33 00W 361 Conic Hill", "S1", 56, 6, 30, "4 33 00W 361 Conic Hill", 0,
     "Warning, line 7 of walk.txt reads latitude 56, longitude 6, elevation 30: for degrees, minutes and "
     "seconds write 56°06'30\"N 4°33'00\"W\n"},
    {"S2 56 06 29.5 N 4 33 00 W", "S2", 56, 6, 29.5, "N 4 33 00 W", 0,
     "Warning, line 7 of walk.txt reads latitude 56, longitude 6, elevation 29.5: for degrees, minutes and "
     "seconds write 56°06'29.5\"N 4°33'00\"W\n"},
    {"S3 56 06 30 N of the stile", "S3", 56, 6, 30, "N of the stile", 0, ""},
    {"S4 56 06 30 E side", "S4", 56, 6, 30, "E side", 0, ""},
    {"S5 53 7 30 Nant Ffrancon", "S5", 53, 7, 30, "Nant Ffrancon", 0, ""},
    // Grid references, at the centre of the square they name; the letters
    // choose the grid. Positions to the six decimals of the GPX file.
    {"G1 NS 553 745 60 Milngavie", "G1", 55.942161, -4.317590, 60, "Milngavie", 0, ""},
    {"G2 su4822029253 Winchester", "G2", 51.060603, -1.313297, 0, "Winchester", 0, ""},
    {"G3 O 178 103 725 Djouce", "G3", 53.130942, -6.240029, 725, "Djouce", 0, ""},
    {"G4 NS 553 74 Top", "G4", 0, 0, 0, "NS 553 74 Top", 1,
     "Oops, can't read grid reference NS 553 74 in walk.txt, line 7\n"},
    {"G5 ZZ 123 456", "G5", 0, 0, 0, "ZZ 123 456", 1,
     "Oops, can't read grid reference ZZ 123 456 in walk.txt, line 7\n"},
    {"C\x7f 54.5 -2.1 Gate\x01", "C\x7f", 54.5, -2.1, 0, "Gate\x01", 1,
     "Oops, unprintable character '\x7f' in ID of walk.txt, line 7\n"
     "Oops, unprintable character '\x01' in description of walk.txt, line 7\n"},
    // Checks come in their order, and each still runs after an earlier one failed.
    {"C0123456789012345678901234567890123&x nan", "C012345678901234567890123456789", NAN, 0, 0, "", 1,
     "Oops, can't get ID, Lat, Long in walk.txt, line 7\n"
     "Oops, ID longer than 31 characters in walk.txt, line 7\n"
     "Warning, no waypoint description in walk.txt, line  7\n"},
    {"P0123456789012345678901234567890123&x nan 1 Gate", "P012345678901234567890123456789", NAN, 1, 0, "Gate",
     1,
     "Oops, ID longer than 31 characters in walk.txt, line 7\n"
     "Oops, Lat or Long is not a finite number in walk.txt, line 7\n"},
    // scanf skips a vertical tab as white space; the description does not.
    {"\x0b", "", 0, 0, 0, "\x0b", 1,
     "Oops, can't get ID, Lat, Long in walk.txt, line 7\n"
     "Oops, unprintable character '\x0b' in description of walk.txt, line 7\n"},
    {"\x0b 54 -2", "54", -2, 0, 0, "-2", 1, "Oops, can't get ID, Lat, Long in walk.txt, line 7\n"},
};

// To the six decimals of the GPX file.
void ExpectSameDouble(double actual, double expected) {
    if (std::isnan(expected)) {
        EXPECT_TRUE(std::isnan(actual));
    } else if (std::isinf(expected)) {
        EXPECT_EQ(actual, expected);
    } else {
        EXPECT_NEAR(actual, expected, 5e-7);
    }
}

TEST(ReadWaypointLine, FieldsDescriptionAndMessages) {
    for (const LineCase& c : kLineCases) {
        SCOPED_TRACE(c.line);
        RunState run;
        PrepareRun(run);
        run.reading.LineNo = 7;
        testing::internal::CaptureStderr();
        ReadWaypointLine(c.line, 1.0, run.reading, run.waypoints);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.messages);
        ASSERT_EQ(static_cast<int>(run.waypoints.List.size()), 1);
        const Waypoint& w = run.waypoints.List.back();
        EXPECT_STREQ(w.WayID, c.id);
        ExpectSameDouble(w.Lat, c.lat);
        ExpectSameDouble(w.Long, c.lon);
        EXPECT_EQ(w.Elev, c.elev);
        EXPECT_EQ(w.Desc, c.desc);
        EXPECT_EQ(run.reading.FailFlag, c.fails);
        EXPECT_EQ(w.LineNo, 7);
        EXPECT_EQ(w.Distance, -1.0);
        EXPECT_EQ(w.RowSpan, 1);
    }
}

TEST(ReadWayFile, CountsEveryPieceAndKeepsFileOrder) {
    RunState run;
    PrepareRun(run);
    std::string err = ReadText(run,
                               "| Pennine Way, first day\n"
                               "\n"
                               "   \t  \n"
                               "C001 53.3672 -1.8148 290 Edale, Old Nags Head\n"
                               "  C002\t53.3781\t-1.8525\t330\tJacob's Ladder   | steep\r\n"
                               "#SYM.C=Flag, Red\n"
                               "C003 53.3950 -1.8710 590 Kinder Downfall");
    EXPECT_EQ(err, "");
    EXPECT_EQ(run.reading.FailFlag, 0);
    ASSERT_EQ(static_cast<int>(run.waypoints.List.size()), 3);
    EXPECT_EQ(run.reading.LineNo, 7);
    EXPECT_EQ(run.waypoints.List[0].LineNo, 4);
    EXPECT_EQ(run.waypoints.List[1].LineNo, 5);
    EXPECT_STREQ(run.waypoints.List[1].WayID, "C002");
    EXPECT_EQ(run.waypoints.List[1].Desc, "Jacob's Ladder");
    EXPECT_EQ(run.waypoints.List[2].LineNo, 7);
    EXPECT_STREQ(run.symbols.Entries[3].SymName, "Flag, Red");
}

TEST(ReadWayFile, BoundingBoxCoversEveryWaypoint) {
    RunState run;
    PrepareRun(run);
    ReadText(run, "A1 54.0 -2.0 x\nA2 55.5 -3.5 x\nA3 53.25 -1.0 x\n");
    EXPECT_EQ(run.waypoints.Bounds.MinLat, 53.25);
    EXPECT_EQ(run.waypoints.Bounds.MaxLat, 55.5);
    EXPECT_EQ(run.waypoints.Bounds.MinLong, -3.5);
    EXPECT_EQ(run.waypoints.Bounds.MaxLong, -1.0);

    RunState single;
    PrepareRun(single);
    ReadText(single, "A1 -10 20 x\n");
    EXPECT_EQ(single.waypoints.Bounds.MinLat, -10);
    EXPECT_EQ(single.waypoints.Bounds.MaxLat, -10);
    EXPECT_EQ(single.waypoints.Bounds.MinLong, 20);
    EXPECT_EQ(single.waypoints.Bounds.MaxLong, 20);
}

TEST(ReadWayFile, TextAfterACarriageReturnIsALineError) {
    // CR-only line ends: the whole file is one piece, cut at its first CR.
    RunState run;
    PrepareRun(run);
    EXPECT_EQ(ReadText(run, "C001 54.5 -2.1 Gate\rC002 54.6 -2.1 Stile\rC003 54.7 -2.1 Wall\r"),
              "Oops, text after a carriage return in walk.txt, line 1\n");
    EXPECT_EQ(run.reading.FailFlag, 1);
    ASSERT_EQ(static_cast<int>(run.waypoints.List.size()), 1);
    EXPECT_EQ(run.waypoints.List[0].Desc, "Gate");
    EXPECT_EQ(run.reading.LineNo, 1);

    // A stray CR inside a line, a directive and a comment-only line alike.
    RunState stray;
    PrepareRun(stray);
    EXPECT_EQ(ReadText(stray, "C001 54.5 -2.1 Gate\rpost\n#TITLE=Walk\rWay\n\r| note\n"),
              "Oops, text after a carriage return in walk.txt, line 1\n"
              "Oops, text after a carriage return in walk.txt, line 2\n"
              "Oops, text after a carriage return in walk.txt, line 3\n");
    EXPECT_EQ(stray.reading.FailFlag, 1);
}

TEST(ReadWayFile, DirectiveErrorsFailTheRunAndReadingGoesOn) {
    RunState run;
    PrepareRun(run);
    std::string err = ReadText(run, "#NEW_COLUMN\n#TITL=x\nC001 54.5 -2.1 Gate\n#BLANK_LINE=2\nC002 54.6 -2.1 x\n");
    EXPECT_EQ(err,
              "Oops, #NEW_COLUMN (line 1, walk.txt) illegal before 1st waypoint\n"
              "Oops, unknown directive, line 2 in walk.txt\n");
    EXPECT_EQ(run.reading.FailFlag, 1);
    EXPECT_EQ(static_cast<int>(run.waypoints.List.size()), 2);
    EXPECT_EQ(run.waypoints.List[0].RowSpan, 3);
    EXPECT_EQ(run.settings.InsertedRows, 2);
}

// Only a line that gives an elevation has a known height; the GPX side
// still reads Elev, which stays 0 for the others.
TEST(ReadWayFile, HeightsGivenOrUnknown) {
    RunState run;
    PrepareRun(run);
    ReadText(run,
             "C1 54.5 -2.1 0 Gate\n"
             "C2 54.5 -2.1 Gate\n"
             "C3 54.5 -2.1 nan Gate\n"
             "C4 N54 30.000 W002 06.000 310 Cairn\n"
             "C5 N54 30.000 W002 06.000 Cairn\n"
             "C6 NY 123 456 250 Stile\n"
             "C7 NY 123 456\n");
    const int noElev[] = {0, 1, 1, 0, 1, 0, 1};
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i + 1);
        const Waypoint& w = run.waypoints.List[static_cast<size_t>(i)];
        EXPECT_EQ(w.NoElev, noElev[i]);
        EXPECT_EQ(w.Elev == 0.0, i < 3 || noElev[i]);
    }
}

// VIA must come before the waypoints it would make via points; it silences
// the warning of the waypoints it makes via points.
TEST(ReadWayFile, ViaPointsAreUndescribedWaypoints) {
    RunState run;
    PrepareRun(run);
    EXPECT_EQ(ReadText(run, "#VIA=undescribed\nC1 54.5 -2.1 Gate\nC2 54.6 -2.1\nC3 54.7 -2.1 100\n"), "");
    EXPECT_EQ(run.waypoints.List[0].Via, 0);
    EXPECT_EQ(run.waypoints.List[1].Via, 1);
    EXPECT_EQ(run.waypoints.List[2].Via, 1);
    EXPECT_EQ(run.settings.ViaPoints, 2);

    RunState late;
    PrepareRun(late);
    EXPECT_EQ(ReadText(late, "C1 54.5 -2.1\n#VIA=UNDESCRIBED\nC2 54.6 -2.1\n"),
              "Warning, no waypoint description in walk.txt, line  1\n"
              "Oops, #VIA=undescribed (line 2, walk.txt) illegal after 1st waypoint\n");
    EXPECT_EQ(late.reading.FailFlag, 1);
}

TEST(ReadWayFile, LayoutRequestsAreClearedBeforeEveryLine) {
    RunState run;
    PrepareRun(run);
    ReadText(run, "C001 54.5 -2.1 Gate\n#BLANK_LINE\n#TITLE=x\nC002 54.6 -2.1 x\n#GRID=osgb\n");
    EXPECT_EQ(run.waypoints.List[0].RowSpan, 2);
    EXPECT_EQ(run.waypoints.List[1].RowSpan, 1);
    EXPECT_EQ(run.settings.InsertedRows, 1);
}

}  // namespace
