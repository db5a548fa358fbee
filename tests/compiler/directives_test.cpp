#include <gtest/gtest.h>

#include <string>

#include "directives.h"
#include "run_helpers.h"

namespace {

// Parses line as line 5 of walk.txt; returns the result and the message.
struct Parsed {
    int result;
    std::string err;
};

Parsed Parse(RunState& run, const std::string& line) {
    std::string copy = line;
    run.reading.LineNo = 5;
    testing::internal::CaptureStderr();
    int result = ParseDirective(&copy[0], run.reading, run.settings, run.symbols);
    return {result, testing::internal::GetCapturedStderr()};
}

struct Row {
    const char* line;
    const char* error;  // message text before ", line 5 in walk.txt"; empty when accepted
};

const Row kRows[] = {
    // SYM and SYM_RULE
    {"#SYM.c=Flag, Red", ""},
    {"#SYM.C = Flag, Red", ""},
    {"#SYM=Pin", ""},
    {"#SYM.c", ""},
    {"#SYM.1=Pin", "Illegal #SYM.? directive ALPHA letter '1'"},
    {"#SYM.=Pin", "Illegal #SYM.? directive ALPHA letter '='"},
    {"#SYM.c=0123456789012345678901234567890", ""},
    {"#SYM.c=01234567890123456789012345678901", "Oops, #SYM= directive name too long"},
    {"#SYM.9=01234567890123456789012345678901", "Illegal #SYM.? directive ALPHA letter '9'"},
    {"#SYM.c=Fish & Chips", "Oops, unprintable character '&' in #SYM name"},
    {"#SYM.c=01234567890123456789012345678901<", "Oops, #SYM= directive name too long"},
    {"#SYM_RULE.A = RULE_CONTINUOUS", ""},
    {"#SYM_RULE.b=rule_all_the_way", ""},
    {"#SYM_RULE=RULE_ALL", "Oops, #SYM_RULE.? directive missing .?"},
    {"#SYM_RULE.%=RULE_ALL", "Illegal #SYM_RULE.? directive ALPHA letter '%'"},
    {"#SYM_RULE.c=RULE_SOME", "Oops, unknown SYM_RULE"},
    {"#SYM_RULE.c", "Oops, unknown SYM_RULE"},
    {"#PATH.S=C", ""},
    {"#PATH.s = c  ", ""},
    {"#PATH=C", "Oops, #PATH.? directive missing .?"},
    {"#PATH.1=C", "Illegal #PATH.? directive ALPHA letter '1'"},
    {"#PATH.S=S", "Oops, invalid PATH (may be one other letter A-Z)"},
    {"#PATH.S=s", "Oops, invalid PATH (may be one other letter A-Z)"},
    {"#PATH.S=CD", "Oops, invalid PATH (may be one other letter A-Z)"},
    {"#PATH.S=", "Oops, invalid PATH (may be one other letter A-Z)"},
    // names: exact, upper case, with the right follower
    {"#  TITLE=x", ""},
    {"#TITLE:x", "Oops, unknown directive"},
    {"#SYMBOL=x", "Oops, unknown directive"},
    {"#sym.c=Flag", "Oops, unknown directive"},
    {"#", "Oops, unknown directive"},
    {"#NEW_COLUMN", ""},
    {"#NEW_COLUMN=1", "Oops, unknown directive"},
    {"#NEW_COLUMN ", "Oops, unknown directive"},
    // MAX_ID
    {"#MAX_ID=31", ""},
    {"#MAX_ID=8", ""},
    {"#MAX_ID=7", "Oops, invalid waypoint ID name length"},
    {"#MAX_ID=32", "Oops, invalid waypoint ID name length"},
    {"#MAX_ID=99999999999999999999", "Oops, invalid waypoint ID name length"},
    {"#MAX_ID=", "Oops, directive value not found"},
    {"#MAX_ID", "Oops, directive value not found"},
    // keywords
    {"#DISTANCE_UNITS=KM", ""},
    {"#DISTANCE_UNITS=Miles", ""},
    {"#DISTANCE_UNITS=kmh", ""},
    {"#DISTANCE_UNITS=m", "Oops, unknown distance units"},
    {"#DISTANCE_UNITS=kilometres", "Oops, unknown distance units"},
    {"#DISTANCE_UNITS", "Oops, unknown distance units"},
    {"#GRID=OSGB", ""},
    {"#GRID = Irish", ""},
    {"#GRID=UTM", "Oops, unknown GRID units"},
    {"#ELEVATION=FEET", ""},
    {"#ELEVATION=metres", "Oops, unknown elevation units"},
    // numbers
    {"#DISTANCE_TWEAK=1.0947854", ""},
    {"#DISTANCE_TWEAK=0", "Oops, invalid distance conversion"},
    {"#DISTANCE_TWEAK=inf", "Oops, invalid distance conversion"},
    {"#DISTANCE_TWEAK=nan", "Oops, invalid distance conversion"},
    {"#DISTANCE_TWEAK=about one", "Oops, directive value not found"},
    {"#FIELDWIDTH_WP=0.3", ""},
    {"#FIELDWIDTH_WP=0.009", "Oops, invalid FIELDWIDTH_WP"},
    {"#FIELDWIDTH_GRID=200", ""},
    {"#FIELDWIDTH_GRID=200.5", "Oops, invalid FIELDWIDTH_GRID"},
    {"#FIELDWIDTH_ELEV=-1", "Oops, invalid FIELDWIDTH_ELEV"},
    {"#FIELDWIDTH_DESC=INF", "Oops, invalid FIELDWIDTH_DESC"},
    {"#FIELDWIDTH_DESC=", "Oops, directive value not found"},
    {"#FIELDHEIGHT=0.01", ""},
    {"#FIELDHEIGHT=0", "Oops, invalid FIELDHEIGHT"},
    {"#GUTTER=-1", "Oops, invalid GUTTER"},
    {"#GUTTER=0.001", ""},
    {"#GUTTER=201", "Oops, invalid GUTTER"},
    {"#BORDERS=0", "Oops, invalid BORDERS"},
    {"#BORDERS=1e300", "Oops, invalid BORDERS"},
    {"#FONTSIZE=7pt", ""},
    {"#FONTSIZE=0", "Oops, invalid FONTSIZE"},
    {"#FONTSIZE=200.1", "Oops, invalid FONTSIZE"},
    {"#SHEETSIZE=8.5x11", ""},
    {"#SHEETSIZE=11X17", ""},
    {"#SHEETSIZE=8.5 X 11", ""},
    {"#SHEETSIZE=8.5", "Oops, directive value not found"},
    {"#SHEETSIZE=0x11", "Oops, invalid SHEETSIZE"},
    {"#SHEETSIZE=8.5x201", "Oops, invalid SHEETSIZE"},
    {"#SHEETSIZE=8.5xinf", "Oops, invalid SHEETSIZE"},
    {"#SHEETSIZE=A4", ""},
    {"#SHEETSIZE=legal", ""},
    {"#SHEETSIZE=A6", "Oops, directive value not found"},
    {"#SHEETSIZE=A4 landscape", "Oops, directive value not found"},
    {"#SHEETSIZE=210x297mm", ""},
    {"#SHEETSIZE=210 X 297 MM", ""},
    {"#SHEETSIZE=210x297", "Oops, invalid SHEETSIZE"},   // inches
    {"#SHEETSIZE=0x297mm", "Oops, invalid SHEETSIZE"},
    // the route card
    {"#ROUTE_CARD", ""},
    {"#ROUTE_CARD=ON", "Oops, unknown directive"},
    {"#PACE=4.5", ""},
    {"#PACE=0", "Oops, invalid PACE"},
    {"#PACE=101", "Oops, invalid PACE"},
    {"#PACE=brisk", "Oops, directive value not found"},
    {"#CLIMB=1968.5", ""},
    {"#CLIMB=-600", "Oops, invalid CLIMB"},
    {"#FIELDWIDTH_LEG=0.4", ""},
    {"#FIELDWIDTH_LEG=0", "Oops, invalid FIELDWIDTH_LEG"},
    {"#START_TIME=09:30", ""},
    {"#START_TIME=23:59", ""},
    {"#START_TIME=24:00", "Oops, invalid START_TIME (may be HH:MM)"},
    {"#START_TIME=9:30", "Oops, invalid START_TIME (may be HH:MM)"},
    {"#START_TIME=09:60", "Oops, invalid START_TIME (may be HH:MM)"},
    {"#START_TIME=09:30am", "Oops, invalid START_TIME (may be HH:MM)"},
    {"#START_TIME", "Oops, invalid START_TIME (may be HH:MM)"},
    {"#MAGNETIC=2.5W", ""},
    {"#MAGNETIC=1 e", ""},
    {"#MAGNETIC=2.5", "Oops, invalid MAGNETIC (may be like 2.5W or 1E)"},
    {"#MAGNETIC=2.5N", "Oops, invalid MAGNETIC (may be like 2.5W or 1E)"},
    {"#MAGNETIC=2.5 West", "Oops, invalid MAGNETIC (may be like 2.5W or 1E)"},
    {"#MAGNETIC=-2W", "Oops, invalid MAGNETIC (may be like 2.5W or 1E)"},
    {"#MAGNETIC=W", "Oops, directive value not found"},
    {"#VIA=UNDESCRIBED", ""},
    {"#VIA=bends", "Oops, unknown VIA points"},
    {"#VIA", "Oops, unknown VIA points"},
    {"#STAGE=Day 1", "Oops, #STAGE= needs #ROUTE_CARD above it"},
    {"#PLAN", "Oops, #PLAN needs #ROUTE_CARD above it"},
    {"#PLAN=ON", "Oops, unknown directive"},
    // GPX_ROUTE, GPX_TRACK and ROUTE_POINTS
    {"#GPX_ROUTE=C", ""},
    {"#GPX_ROUTE = ca", ""},
    {"#GPX_ROUTE=", "Oops, directive value not found"},
    {"#GPX_ROUTE=CC", "Oops, invalid GPX_ROUTE (may be letters A-Z, each once)"},
    {"#GPX_ROUTE=Cc", "Oops, invalid GPX_ROUTE (may be letters A-Z, each once)"},
    {"#GPX_ROUTE=C,A", "Oops, invalid GPX_ROUTE (may be letters A-Z, each once)"},
    {"#GPX_ROUTE=C A", "Oops, invalid GPX_ROUTE (may be letters A-Z, each once)"},
    {"#GPX_ROUTE=1", "Oops, invalid GPX_ROUTE (may be letters A-Z, each once)"},
    {"#GPX_TRACK=ZA", ""},
    {"#GPX_TRACK", "Oops, directive value not found"},
    {"#GPX_TRACK=\xC3\xA9", "Oops, invalid GPX_TRACK (may be letters A-Z, each once)"},
    {"#GPX_ROUTES=C", "Oops, unknown directive"},
    {"#ROUTE_POINTS=2", ""},
    {"#ROUTE_POINTS=10000", ""},
    {"#ROUTE_POINTS=1", "Oops, invalid ROUTE_POINTS (may be 2-10000)"},
    {"#ROUTE_POINTS=10001", "Oops, invalid ROUTE_POINTS (may be 2-10000)"},
    {"#ROUTE_POINTS=99999999999", "Oops, invalid ROUTE_POINTS (may be 2-10000)"},
    {"#ROUTE_POINTS=many", "Oops, directive value not found"},
    {"#SPLITSHEET=0", ""},
    {"#SPLITSHEET=3", ""},
    {"#SPLITSHEET=4", "Oops, invalid SPLITSHEET (may be 0-3)"},
    {"#SPLITSHEET=-1", "Oops, invalid SPLITSHEET (may be 0-3)"},
    {"#SPLITSHEET=one", "Oops, directive value not found"},
    {"#BLANK_LINE", ""},
    {"#BLANK_LINE=0", ""},
    {"#BLANK_LINE=several", ""},
    {"#BLANK_LINE=-2", "Oops, invalid BLANK_LINE value"},
    // TITLE
    {"#TITLE=", "Oops, no title found"},
    {"#TITLE", "Oops, no title found"},
};

TEST(ParseDirective, AcceptsOrRejectsWithItsMessage) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.line);
        RunState run;
        PrepareRun(run);
        Parsed parsed = Parse(run, row.line);
        std::string expected = *row.error ? std::string(row.error) + ", line 5 in walk.txt\n" : "";
        EXPECT_EQ(parsed.err, expected);
        EXPECT_EQ(parsed.result, *row.error ? 1 : 0);
    }
}

// Named sizes are the whole-point pages their PDFs have; millimetres go to
// the nearest whole point, so that 210x297mm is the A4 page.
TEST(ParseDirective, SheetSizesByNameAndInMillimetres) {
    const struct {
        const char* line;
        double widthPt, heightPt;
        int rows;
    } sizes[] = {
        {"#SHEETSIZE=A4", 595, 842, 26},       // (11.694 - 0.75) / 0.4 - 1 = 26.36
        {"#SHEETSIZE=a5", 420, 595, 17},       // 17.78
        {"#SHEETSIZE=A3", 842, 1191, 38},      // 38.48
        {"#SHEETSIZE=Letter", 612, 792, 24},
        {"#SHEETSIZE=LEGAL", 612, 1008, 32},   // 32.125
        {"#SHEETSIZE=210x297mm", 595, 842, 26},
        {"#SHEETSIZE=148 x 210 mm", 420, 595, 17},
    };
    for (const auto& size : sizes) {
        SCOPED_TRACE(size.line);
        RunState run;
        PrepareRun(run);
        EXPECT_EQ(Parse(run, size.line).result, 0);
        EXPECT_EQ(static_cast<int>(run.settings.SheetWidth * 72), size.widthPt);
        EXPECT_EQ(static_cast<int>(run.settings.SheetHeight * 72), size.heightPt);
        EXPECT_EQ(run.settings.RowsPerColumn, size.rows);
    }
}

TEST(ParseDirective, RouteCardSettings) {
    RunState run;
    PrepareRun(run);
    EXPECT_EQ(run.settings.StartMinutes, -1);
    Parse(run, "#START_TIME=21:45");
    Parse(run, "#MAGNETIC=2.5W");
    Parse(run, "#PACE=3");
    Parse(run, "#CLIMB=2000ft");
    EXPECT_EQ(run.settings.RouteCard, 0);
    EXPECT_EQ(run.settings.StartMinutes, 21 * 60 + 45);
    EXPECT_EQ(run.settings.Magnetic, 1);
    EXPECT_EQ(run.settings.MagneticWestDeg, 2.5);
    EXPECT_EQ(run.settings.Pace, 3.0);
    EXPECT_EQ(run.settings.Climb, 2000.0);
    Parse(run, "#MAGNETIC=0.5E");
    EXPECT_EQ(run.settings.MagneticWestDeg, -0.5);
    Parse(run, "#ROUTE_CARD");
    EXPECT_EQ(run.settings.RouteCard, 1);
    const Row stages[] = {
        {"#STAGE=Day 1: Keswick", ""},
        {"#STAGE=", "Oops, no stage name found"},
        {"#STAGE=Day 2 over the tops, by Esk", "Oops, stage name too long"},
        {"#STAGE=Day\x7f", "Oops, unprintable character '\x7f' in #STAGE name"},
        {"#PLAN", ""},
        {"#PLANS", "Oops, unknown directive"},
    };
    for (const Row& row : stages) {
        SCOPED_TRACE(row.line);
        Parsed parsed = Parse(run, row.line);
        EXPECT_EQ(parsed.err, *row.error ? std::string(row.error) + ", line 5 in walk.txt\n" : "");
        EXPECT_EQ(parsed.result, *row.error ? 1 : 0);
    }
    EXPECT_EQ(run.settings.Plan, 1);
}

// Letters are kept lower case in the order given; a refused value leaves
// the letters set before it.
TEST(ParseDirective, GpxRouteAndTrackLetters) {
    RunState run;
    PrepareRun(run);
    EXPECT_STREQ(run.settings.GpxRouteLetters, "");
    EXPECT_EQ(run.settings.RoutePoints, 250);
    Parse(run, "#GPX_ROUTE=CaB");
    Parse(run, "#GPX_TRACK=x");
    Parse(run, "#ROUTE_POINTS=50");
    EXPECT_STREQ(run.settings.GpxRouteLetters, "cab");
    EXPECT_STREQ(run.settings.GpxTrackLetters, "x");
    EXPECT_EQ(run.settings.RoutePoints, 50);
    Parse(run, "#GPX_ROUTE=D");
    Parse(run, "#GPX_ROUTE=DD");
    EXPECT_STREQ(run.settings.GpxRouteLetters, "d");
}

TEST(ParseDirective, AlphaLetterMessageNamesAMissingLetterAsNul) {
    RunState run;
    PrepareRun(run);
    std::string expected = std::string("Illegal #SYM.? directive ALPHA letter '") + '\0' + "', line 5 in walk.txt\n";
    EXPECT_EQ(Parse(run, "#SYM.").err, expected);
}

TEST(ParseDirective, SymSetsOneEntryAndEmptyCopiesTheDefault) {
    RunState run;
    PrepareRun(run);
    Parse(run, "#SYM.C = Flag, Red");
    EXPECT_STREQ(run.symbols.Entries[3].SymName, "Flag, Red");
    Parse(run, "#SYM=Pin");
    EXPECT_STREQ(run.symbols.Entries[0].SymName, "Pin");
    EXPECT_STREQ(run.symbols.Entries[4].SymName, "Waypoint");  // letters keep their own
    Parse(run, "#SYM.dx junk=Ignored between letter and =");
    EXPECT_STREQ(run.symbols.Entries[4].SymName, "Ignored between letter and =");
    Parse(run, "#SYM.d=");
    EXPECT_STREQ(run.symbols.Entries[4].SymName, "Pin");
    Parse(run, "#SYM.c=Fish & Chips");
    EXPECT_STREQ(run.symbols.Entries[3].SymName, "Flag, Red");  // refused names change nothing
    Parse(run, "#SYM =Flag");
    EXPECT_STREQ(run.symbols.Entries[0].SymName, "Flag");
}

TEST(ParseDirective, SymRuleSetsTheLetterRule) {
    RunState run;
    PrepareRun(run);
    Parse(run, "#SYM_RULE.A = RULE_CONTINUOUS");
    Parse(run, "#SYM_RULE.c=Rule_All");
    Parse(run, "#SYM_RULE.p=rule_none");
    EXPECT_EQ(run.symbols.Entries[1].Rule, RULE_CONTINUOUS);
    EXPECT_EQ(run.symbols.Entries[3].Rule, RULE_ALL);
    EXPECT_EQ(run.symbols.Entries[16].Rule, RULE_NONE);
    EXPECT_EQ(run.symbols.Entries[0].Rule, RULE_NONE);
}

TEST(ParseDirective, KeywordAndNumberSettings) {
    RunState run;
    PrepareRun(run);
    Parse(run, "#MAX_ID=20");
    Parse(run, "#DISTANCE_UNITS=KM");
    Parse(run, "#DISTANCE_TWEAK=1.0947854");
    Parse(run, "#GRID=irish");
    Parse(run, "#ELEVATION=Feet");
    Parse(run, "#FIELDWIDTH_WP=0.3");
    Parse(run, "#FIELDWIDTH_GRID=0.4");
    Parse(run, "#FIELDWIDTH_ELEV=0.2");
    Parse(run, "#FIELDWIDTH_DESC=1.5");
    Parse(run, "#GUTTER=0.15");
    Parse(run, "#FONTSIZE=7pt");
    const Settings& s = run.settings;
    EXPECT_EQ(s.MaxId, 20);
    EXPECT_EQ(s.DistanceUnits, kUnitsKm);
    EXPECT_EQ(s.DistanceTweak, 1.0947854);
    EXPECT_EQ(s.GridSystem, kGridIrish);
    EXPECT_EQ(s.ElevationUnits, 1);
    EXPECT_EQ(s.FieldWidthWp, 0.3);
    EXPECT_EQ(s.FieldWidthGrid, 0.4);
    EXPECT_EQ(s.FieldWidthElev, 0.2);
    EXPECT_EQ(s.FieldWidthDesc, 1.5);
    EXPECT_EQ(s.Gutter, 0.15);
    EXPECT_EQ(s.FontSize, 7.0);
    Parse(run, "#DISTANCE_UNITS=miles");
    Parse(run, "#GRID=OSGB");
    EXPECT_EQ(s.DistanceUnits, kUnitsMiles);
    EXPECT_EQ(s.GridSystem, kGridOsgb);
}

TEST(ParseDirective, TitleIsCutTo20WithAWarningThatDoesNotFail) {
    RunState run;
    PrepareRun(run);
    Parsed parsed = Parse(run, "#TITLE=South Downs Way, west to east");
    EXPECT_EQ(parsed.result, 0);
    EXPECT_EQ(parsed.err, "Oops, Take-Along Guide Title too long, truncating, line 5 in walk.txt\n");
    EXPECT_STREQ(run.settings.Title, "South Downs Way, wes");
    Parse(run, "#TITLE = Two  Moors");
    EXPECT_STREQ(run.settings.Title, "Two  Moors");
    Parse(run, "#TITLE=Pwllgwyngyll Bryn D\xC3\xA1");  // the 20th byte is half of "á"
    EXPECT_STREQ(run.settings.Title, "Pwllgwyngyll Bryn D");
}

TEST(ParseDirective, PageSettingsRecomputeRowsPerColumn) {
    RunState run;
    PrepareRun(run);
    EXPECT_EQ(run.settings.RowsPerColumn, 24);
    const struct {
        const char* line;
        int rows;
    } steps[] = {
        {"#SPLITSHEET=0", 51}, {"#SPLITSHEET=2", 15}, {"#SPLITSHEET=3", 11}, {"#SPLITSHEET=1", 24},
        {"#SHEETSIZE=11X17", 39},  // (17 - 0.75) / 0.4 - 1 = 39.625
        {"#BORDERS=0.5", 37},      // (17 - 1.5) / 0.4 - 1 = 37.75
        {"#FIELDHEIGHT=0.25", 30}, // 15.5 / 0.5 - 1 = 30
        {"#SPLITSHEET=9", 30},     // refused: unchanged
        {"#FIELDHEIGHT=8", 0},     // 15.5 / 16 - 1 = -0.03 truncates to 0
        {"#FIELDHEIGHT=20", 0},    // -0.96 truncates toward zero
        {"#BORDERS=10", -1},       // (17 - 30) / 40 - 1 = -1.325
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.line);
        Parse(run, step.line);
        EXPECT_EQ(run.settings.RowsPerColumn, step.rows);
    }
    EXPECT_EQ(run.settings.SplitSheet, 9);  // a refused value is still stored
    EXPECT_EQ(run.settings.Bands, 2);
    EXPECT_EQ(run.settings.SheetWidth, 11.0);
}

// A refused SPLITSHEET is stored but its bands never count: the rows of
// the next page setting come from the bands in force (here 2), and the
// largest int stored does not overflow when the rows are worked out.
TEST(ParseDirective, RefusedSplitSheetLeavesTheBandsInForce) {
    RunState run;
    PrepareRun(run);
    Parse(run, "#SPLITSHEET=2147483647");
    Parse(run, "#FIELDHEIGHT=0.25");
    EXPECT_EQ(run.settings.RowsPerColumn, 19);  // (11 - 0.75) / 0.5 - 1 = 19.5
}

TEST(ParseDirective, LayoutRequests) {
    RunState run;
    PrepareRun(run);
    Parse(run, "#BLANK_LINE");
    EXPECT_EQ(run.settings.BlankLineRequest, 1);
    Parse(run, "#BLANK_LINE=3");
    EXPECT_EQ(run.settings.BlankLineRequest, 3);
    Parse(run, "#BLANK_LINE=several");
    EXPECT_EQ(run.settings.BlankLineRequest, 1);
    Parse(run, "#BLANK_LINE=-2");
    EXPECT_EQ(run.settings.BlankLineRequest, -2);
    Parse(run, "#NEW_COLUMN");
    EXPECT_EQ(run.settings.NewColumnRequest, 1);
}

}  // namespace
