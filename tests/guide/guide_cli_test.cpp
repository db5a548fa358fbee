// cairnlog -p run as a program on WayFiles: the guide's pages, labels and
// rows read back from the file, the grid texts held against the report, the
// messages and exit status byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "cli_run.h"
#include "guide_test_support.h"
#include "height_profile.h"
#include "run_cairnlog.h"

namespace {

constexpr double kLowerDrop = 6.3;  // upper line to lower line, points

struct GuideRun {
    CliResult result;
    std::string pdfPath;
    std::vector<DrawnPage> pages;  // empty when no guide was written
};

// Writes wayFile as walk.txt in dir and runs cairnlog with args.
GuideRun RunGuide(const ScratchDir& dir, const std::string& wayFile, const std::vector<std::string>& args,
                  const std::string& pdfName = "walkGuide.pdf") {
    WriteFile(dir.File("walk.txt"), wayFile);
    GuideRun run;
    run.result = RunCli(CAIRNLOG_PATH, args, dir.path);
    run.pdfPath = dir.File(pdfName);
    if (FileExists(run.pdfPath)) run.pages = ReadPages(ReadFile(run.pdfPath));
    return run;
}

// count waypoint lines W1, W2, ... a few hundred metres apart in the Lakes.
std::string Walk(int count, const std::string& afterLine = "", int after = 0) {
    std::string text = "#TITLE=Lakes\n#SYM_RULE.W=RULE_ALL\n";
    for (int i = 1; i <= count; ++i) {
        char line[96];
        std::snprintf(line, sizeof line, "W%d %.4f %.4f %d Waypoint %d\n", i, 54.4 + i * 0.002, -3.1 + i * 0.001,
                      100 + i, i);
        text += line;
        if (i == after) text += afterLine;
    }
    return text;
}

std::string Notes(int count) { return "Note: " + std::to_string(count) + " Waypoints found in walk.txt\n"; }

bool IsFirstRow(const DrawnText* text) { return text != nullptr && std::fabs(text->y - kGuideFirstUpper) < 0.01; }

// The two grid texts of the row whose ID is the given text.
std::vector<std::string> GridTextsBeside(const DrawnPage& page, const DrawnText& id) {
    double left = kGuideLeft + PositionOf(&id) * kGuidePitch;
    std::vector<std::string> texts = TextsIn(page, left + 18, left + 43.2, id.y - 0.01, id.y + 0.01);
    const double lower = id.y - kLowerDrop;
    for (const std::string& text : TextsIn(page, left + 18, left + 43.2, lower - 0.01, lower + 0.01))
        texts.push_back(text);
    return texts;
}

JUDGED_TEST(GuideCli, OneColumnGivesOnePageAndSeventeenGiveThree, Judge::kPdfReaders) {
    ScratchDir one;
    GuideRun run = RunGuide(one, Walk(3), {"-p", "walk.txt"});
    EXPECT_EQ(run.result.err, Notes(3));
    EXPECT_EQ(run.result.status, 0);
    ASSERT_EQ(run.pages.size(), 1u);
    EXPECT_EQ(Labels(run.pages[0]),
              (std::vector<std::string>{"-1-", "-3-", "-5-", "-7-", "-9-", "-11-", "-13-", "-15-"}));
    EXPECT_TRUE(IsFirstRow(FindText(run.pages[0], "W1")));

    ScratchDir seventeen;
    run = RunGuide(seventeen, Walk(16 * 24 + 1), {"-p", "walk.txt"});
    EXPECT_EQ(run.result.err, Notes(385));
    EXPECT_EQ(run.result.status, 0);
    ASSERT_EQ(run.pages.size(), 3u);
    EXPECT_EQ(Labels(run.pages[1]),
              (std::vector<std::string>{"-8-", "-6-", "-4-", "-2-", "-16-", "-14-", "-12-", "-10-"}));
    EXPECT_EQ(Labels(run.pages[2])[0], "-17-");
    // Column 2 follows column 1's last row, printed behind it.
    EXPECT_EQ(PositionOf(FindText(run.pages[1], "W25")), 3);
    EXPECT_TRUE(IsFirstRow(FindText(run.pages[1], "W25")));
    EXPECT_EQ(PositionOf(FindText(run.pages[2], "W385")), 0);
    EXPECT_EQ(PdfReadersFault(run.pdfPath), "");
}

TEST(GuideCli, BlankLinesAndNewColumnsKeepEveryColumnHeadedRight) {
    ScratchDir dir;
    std::string walk = Walk(60, "#BLANK_LINE=2\n", 3);
    walk.insert(walk.find("W11 "), "#NEW_COLUMN\n");
    GuideRun run = RunGuide(dir, walk, {"-p", "walk.txt"});
    EXPECT_EQ(run.result.status, 0) << run.result.err;
    ASSERT_EQ(run.pages.size(), 2u);
    const DrawnText* w4 = FindText(run.pages[0], "W4");  // after two blank rows
    ASSERT_NE(w4, nullptr);
    EXPECT_NEAR(w4->y, kGuideFirstUpper - 5 * kGuideRow, 0.01);
    EXPECT_EQ(PositionOf(FindText(run.pages[1], "W11")), 3);  // column 2
    EXPECT_TRUE(IsFirstRow(FindText(run.pages[1], "W11")));
    EXPECT_EQ(PositionOf(FindText(run.pages[0], "W35")), 1);  // column 3
    EXPECT_TRUE(IsFirstRow(FindText(run.pages[0], "W35")));
    EXPECT_EQ(PositionOf(FindText(run.pages[1], "W59")), 2);  // column 4
}

JUDGED_TEST(GuideCli, ExampleWalkGridTextsAgreeWithTheReport, Judge::kPdfReaders) {
    ScratchDir dir;
    WriteFile(dir.File("sdw.txt"), ReadFile(EXAMPLES_DIR "/south-downs-way.txt"));
    CliResult result = RunCli(CAIRNLOG_PATH, {"-g", "-r", "-p", "sdw.txt"}, dir.path);
    ASSERT_EQ(result.status, 0) << result.err;
    std::vector<DrawnPage> pages = ReadPages(ReadFile(dir.File("sdwGuide.pdf")));
    EXPECT_EQ(PdfReadersFault(dir.File("sdwGuide.pdf")), "");

    // Report rows: item, ID, lat, long, elevation, "SU:48220/29253", ...
    std::istringstream report(ReadFile(dir.File("sdwReport.txt")));
    std::string line;
    std::getline(report, line);
    int rows = 0;
    while (std::getline(report, line)) {
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');) fields.push_back(cell);
        ASSERT_GE(fields.size(), 6u) << line;
        const std::string& grid = fields[5];  // letters, ":", 5 figures, "/", 5 figures
        std::vector<std::string> expected{grid.substr(0, 2) + grid.substr(3, 4), grid.substr(9, 4)};
        const DrawnText* id = nullptr;
        const DrawnPage* page = nullptr;
        for (const DrawnPage& candidate : pages)
            if ((id = FindText(candidate, fields[1])) != nullptr) {
                page = &candidate;
                break;
            }
        ASSERT_NE(id, nullptr) << fields[1];
        EXPECT_EQ(GridTextsBeside(*page, *id), expected) << fields[1];
        ++rows;
    }
    EXPECT_EQ(rows, 78);
}

TEST(GuideCli, IrishGridTextsShowTheSquareIndexAndRoundedFigures) {
    ScratchDir dir;
    const std::string wicklow =
        "#GRID=IRISH\n#DISTANCE_UNITS=KM\n#SYM_RULE.W=RULE_CONTINUOUS\n"
        "W1 53.01100 -6.32720 130 Glendalough visitor centre\n"
        "W2 53.00950 -6.35020 140 Upper Lake car park\n"
        "W5 53.41380 -10.08700 20 Roundstone\n";
    GuideRun run = RunGuide(dir, wicklow, {"-p", "walk.txt"});
    EXPECT_EQ(run.result.err, Notes(3));
    ASSERT_EQ(run.pages.size(), 1u);
    const DrawnPage& page = run.pages[0];
    EXPECT_NE(FindText(page, "IRISH"), nullptr);
    EXPECT_NE(FindText(page, "KM"), nullptr);
    EXPECT_EQ(GridTextsBeside(page, *FindText(page, "W1")), (std::vector<std::string>{"E3:1233", "N1:9686"}));
    EXPECT_EQ(GridTextsBeside(page, *FindText(page, "W2")), (std::vector<std::string>{"E3:1079", "N1:9666"}));
    EXPECT_EQ(GridTextsBeside(page, *FindText(page, "W5")), (std::vector<std::string>{"E0:6128", "N2:4241"}));
    EXPECT_NE(FindText(page, "1.6"), nullptr);  // W2's distance in kilometres
}

TEST(GuideCli, LongDescriptionsSplitAndTooWideOnesAreReported) {
    ScratchDir dir;
    const std::string walk =
        "W1 54.40 -3.10 100 Follow the wall north to the stile, then bear left\n"
        "W2 54.41 -3.11 110 Llanfairpwllgwyngyllgogerychwyrndrobwll halt\n"
        "W3 54.42 -3.12 120 Gate\n";
    GuideRun run = RunGuide(dir, walk, {"-p", "walk.txt"});
    EXPECT_EQ(run.result.err, "Oops, Waypoint guide description too long, line 2 of walk.txt\n" + Notes(3));
    EXPECT_EQ(run.result.status, 0);
    ASSERT_EQ(run.pages.size(), 1u);
    const DrawnPage& page = run.pages[0];
    const DrawnText* first = FindText(page, "Follow the wall north to");
    const DrawnText* second = FindText(page, "the stile, then bear left");
    ASSERT_TRUE(first != nullptr && second != nullptr);
    EXPECT_NEAR(first->y - second->y, kLowerDrop, 0.01);
    EXPECT_NE(FindText(page, "Llanfairpwllgwyngyllgogerychwyrndrobwll"), nullptr);
    EXPECT_NE(FindText(page, "halt"), nullptr);
}

// Titles and descriptions as walkers write them come back from the guide
// as written, with letters outside the fonts' set as their base letter and
// a byte of a title that is not UTF-8 as "?"; every reader accepts the file.
JUDGED_TEST(GuideCli, AccentedTitlesAndDescriptionsAreDrawnAsWritten, Judge::kPdfReaders, Judge::kPdftotext) {
    const struct {
        const char* title;
        const char* desc;  // W1's description
        const char* drawn;
        const char* err;
    } cases[] = {
        {"Gleann D\xC3\xA1 Loch", "Waypoint 1", "Gleann D\xC3\xA1 Loch", ""},
        {"Ll\xC5\xB7n", "Waypoint 1", "Llyn", ""},
        {"\xC2\xA3" "5 or \xE2\x82\xAC" "6 fee", "Waypoint 1", "\xC2\xA3" "5 or \xE2\x82\xAC" "6 fee", ""},
        {"Caf\xE9", "Waypoint 1", "Caf?", ""},
        {"Pwllgwyngyll Bryn D\xC3\xA1", "Waypoint 1", "Pwllgwyngyll Bryn D",
         "Oops, Take-Along Guide Title too long, truncating, line 1 in walk.txt\n"},
        {"Lakes", "Fox & Hounds, Ll\xC5\xB7n \xE2\x82\xAC" "3", "Fox & Hounds, Llyn \xE2\x82\xAC" "3", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        ScratchDir dir;
        std::string walk = Walk(3);
        walk.replace(0, walk.find('\n'), std::string("#TITLE=") + c.title);
        walk.replace(walk.find("Waypoint 1\n"), 10, c.desc);
        GuideRun run = RunGuide(dir, walk, {"-p", "walk.txt"});
        EXPECT_EQ(run.result.err, c.err + Notes(3));
        EXPECT_EQ(PdfReadersFault(run.pdfPath), "");
        std::string text;
        PdfText(run.pdfPath, "", &text);
        EXPECT_NE(text.find(std::string(c.drawn) + "\n"), std::string::npos) << text;
    }
}

TEST(GuideCli, NoRoomOnThePageFailsTheRunAndKeepsEarlierOutputs) {
    ScratchDir dir;
    GuideRun run = RunGuide(dir, "#FIELDWIDTH_DESC=20\n" + Walk(3), {"-g", "-p", "walk.txt"});
    EXPECT_EQ(run.result.err,
              "Oops, page settings leave no room for the guide (0 columns across, 24 rows per column)\n");
    EXPECT_EQ(run.result.status, 1);
    EXPECT_TRUE(FileExists(dir.File("walk.gpx")));
    EXPECT_FALSE(FileExists(run.pdfPath));
}

TEST(GuideCli, AGuideThatCannotBeWrittenFailsTheRun) {
    ScratchDir dir;
    GuideRun run = RunGuide(dir, Walk(3), {"-p=/dev/full", "walk.txt"});
    EXPECT_EQ(run.result.status, 1);
    EXPECT_EQ(run.result.err, "Oops, can't write /dev/full\n");

    ScratchDir missing;
    run = RunGuide(missing, Walk(3), {"-p=nowhere/walk.pdf", "walk.txt"});
    EXPECT_EQ(run.result.status, 1);
    EXPECT_EQ(std::count(run.result.err.begin(), run.result.err.end(), '\n'), 1) << run.result.err;
    EXPECT_EQ(run.result.err.find("Note:"), std::string::npos);
}

// The route card on A4: three columns of 26 rows across the 595 by 842
// page, each 2.2 inches wide, the card's field between elevation and
// description. W2 is a via point, W3 has no height, and two stages each
// end with a totals row, the second on the back of the first.
JUDGED_TEST(GuideCli, RouteCardOnA4, Judge::kPdfReaders) {
    ScratchDir dir;
    GuideRun run = RunGuide(dir,
                            "#SHEETSIZE=A4\n#ROUTE_CARD\n#VIA=UNDESCRIBED\n#SYM_RULE.W=RULE_ALL\n#START_TIME=08:00\n"
                            "#STAGE=Day 1\n"
                            "W1 54.4000 -3.1000 100 Car park\n"
                            "W2 54.4050 -3.1000 200\n"
                            "W3 54.4100 -3.1000 Tarn\n"
                            "#STAGE=Day 2\n"
                            "W4 54.4100 -3.0900 300 Cairn\n",
                            {"-p", "walk.txt"});
    EXPECT_EQ(run.result.err, Notes(4));
    ASSERT_EQ(run.result.status, 0);
    EXPECT_EQ(PdfReadersFault(run.pdfPath), "");
    EXPECT_NE(ReadFile(run.pdfPath).find("/MediaBox [0 0 595 842]"), std::string::npos);
    ASSERT_EQ(run.pages.size(), 2u);
    const DrawnPage& front = run.pages[0];
    EXPECT_EQ(Labels(front), (std::vector<std::string>{"-1-", "-3-", "-5-", "-7-", "-9-", "-11-"}));
    EXPECT_EQ(FindText(front, "W2"), nullptr);

    // Column 1 at x 52.7: (595 - 3 x (158.4 + 7.2) + 7.2) / 2. Row 1's
    // upper line at (842 / 72 - 0.25) x 72 - 2 x 14.4 + 8 = 803.2.
    const DrawnText* w1 = FindText(front, "W1");
    const DrawnText* w3 = FindText(front, "W3");
    ASSERT_TRUE(w1 && w3);
    EXPECT_NEAR(w1->y, 803.2, 0.01);
    const double left = 52.7;
    const double legFrom = left + 61.2, legTo = left + 86.4;   // the card's field
    EXPECT_EQ(TextsIn(front, left + 61.2 - 18, legFrom, w3->y - 0.01, w3->y + 0.01),
              std::vector<std::string>{});                      // no height: no elevation, no grade
    EXPECT_EQ(TextsIn(front, legFrom, legTo, w1->y - 7, w1->y + 1), (std::vector<std::string>{"08:00"}));
    // True north at 3.1 W is 0.9 degrees east of grid north; 565 m up 100 m
    // and 556 m level: 1.121 / 5 + 100 / 600 hours is 23 minutes.
    EXPECT_EQ(TextsIn(front, legFrom, legTo, w3->y - 7, w3->y + 1), (std::vector<std::string>{"001", "08:23"}));
    // The header names the field and the stage; the totals row follows W3.
    EXPECT_EQ(TextsIn(front, legFrom, legTo, w1->y + 7, w1->y + 16), (std::vector<std::string>{"Brg", "Time"}));
    EXPECT_NEAR(YOf(FindText(front, "Day 1")), w1->y + 14.4, 0.01);
    EXPECT_NEAR(YOf(FindText(front, "Total")), w3->y - 14.4, 0.01);
    EXPECT_EQ(TextsIn(front, legFrom, legTo, w3->y - 14.4 - 7, w3->y - 14.4 + 1), (std::vector<std::string>{"0:23"}));

    const DrawnPage& back = run.pages[1];
    const DrawnText* w4 = FindText(back, "W4");
    ASSERT_TRUE(w4);
    EXPECT_NEAR(w4->y, 803.2, 0.01);
    EXPECT_NEAR(YOf(FindText(back, "Day 2")), w4->y + 14.4, 0.01);
    EXPECT_NEAR(YOf(FindText(back, "Total")), w4->y - 14.4, 0.01);
}

// A stage whose last waypoint fills its column: the totals row opens the
// next column (column 2, behind column 1) and the next stage starts column
// 3, headed by its name, while column 1 keeps the title.
JUDGED_TEST(GuideCli, TotalsRowOfAFullColumnOpensTheNext, Judge::kPdfReaders) {
    ScratchDir dir;
    GuideRun run = RunGuide(dir, "#ROUTE_CARD\n" + Walk(26, "#STAGE=Two\n", 24), {"-p", "walk.txt"});
    EXPECT_EQ(run.result.err, Notes(26));
    ASSERT_EQ(run.pages.size(), 2u);
    EXPECT_EQ(PdfReadersFault(run.pdfPath), "");
    const DrawnText* w24 = FindText(run.pages[0], "W24");
    const DrawnText* w25 = FindText(run.pages[0], "W25");
    ASSERT_TRUE(w24 && w25);
    EXPECT_NEAR(w24->y, kGuideFirstUpper - 23 * kGuideRow, 0.01);
    EXPECT_NEAR(w25->y, kGuideFirstUpper, 0.01);
    const DrawnText* total = FindText(run.pages[1], "Total");
    ASSERT_TRUE(total);
    EXPECT_NEAR(total->y, kGuideFirstUpper, 0.01);
    EXPECT_NEAR(YOf(FindText(run.pages[0], "Two")), kGuideFirstUpper + kGuideRow, 0.01);
    EXPECT_EQ(FindText(run.pages[1], "Two"), nullptr);
    EXPECT_EQ(std::count_if(run.pages[0].texts.begin(), run.pages[0].texts.end(),
                            [](const DrawnText& text) { return text.text == "Total"; }),
              1);  // the second stage's, after W26
}

// The plan after the guide: the guide's pages byte for byte as without
// PLAN, a last sheet printed on its front alone given its framed back, then
// the table's texts in order, every reader accepting the file.
JUDGED_TEST(GuideCli, PlanPagesFollowTheGuideOnASheetOfTheirOwn, Judge::kPdfReaders, Judge::kPdftotext) {
    const std::string stages =
        "#VIA=UNDESCRIBED\n#SYM_RULE.W=RULE_ALL\n"
        "#STAGE=Jack & Jill\n"
        "W1 54.4000 -3.1000 100 Car park\n"
        "W2 54.4050 -3.1000 200\n"
        "W3 54.4100 -3.1000 Tarn\n"
        "#STAGE=Gleann D\xC3\xA1 Loch\n"
        "W4 54.4100 -3.0900 Cairn\n"
        "W5 54.4200 -3.0900 Gate\n";
    const struct {
        const char* name;
        std::string walk;
        std::size_t guidePages;   // without PLAN
        std::size_t backAdded;    // the framed back page the plan adds
        std::vector<std::string> texts;  // the plan pages' texts, in order
    } cases[] = {
        {"one column, one stage", Walk(3), 1, 1,
         {"Lakes", "Stage", "From", "To", "Distance (miles)", "Ascent (m)", "Descent (m)", "Time", "Lakes", "W1",
          "W3", "0.3", "2", "0", "0:06", "Total", "0.3", "2", "0", "0:06", "Lakes, path W", "103 m"}},
        {"two sheet sides, named stages, unknown heights", stages, 2, 0,
         {"Jack & Jill", "W1", "W3", "0.7", "100", "0", "0:23", "Gleann D\xC3\xA1 Loch", "W4", "W5", "-", "-",
          "Total", "Jack & Jill, path W", "200 m", "Gleann D\xC3\xA1 Loch, path W",
          "No known heights on this stage"}},
        {"thirteen columns, the last on a front", Walk(12 * 24 + 1), 3, 1,
         {"Lakes", "W1", "W289", "Total", "Lakes, path W"}},
        {"a summit on the path", "#PATH.S=W\n" + Walk(2) + "S1 54.4050 -3.0980 300 Summit\nW3 54.4080 -3.0970 150 Tarn\n",
         1, 1, {"Lakes", "W1", "W3", "Total", "Lakes, path W", "S1", "W3", "300 m"}},
        {"kilometres and feet", "#DISTANCE_UNITS=KM\n#ELEVATION=FEET\n" + Walk(3), 1, 1,
         {"Distance (km)", "Ascent (ft)", "Descent (ft)", "W1", "W3", "0.5", "2", "0", "Total", "103 ft", "km"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir without;
        GuideRun guide = RunGuide(without, "#ROUTE_CARD\n" + c.walk, {"-p", "walk.txt"});
        ScratchDir with;
        GuideRun plan = RunGuide(with, "#ROUTE_CARD\n#PLAN\n" + c.walk, {"-p", "walk.txt"});
        EXPECT_EQ(plan.result.err, guide.result.err);
        ASSERT_EQ(plan.result.status, 0);
        EXPECT_EQ(PdfReadersFault(plan.pdfPath), "");
        const std::vector<std::string> guideStreams = Streams(ReadFile(guide.pdfPath), false);
        const std::vector<std::string> planStreams = Streams(ReadFile(plan.pdfPath), false);
        ASSERT_EQ(guideStreams.size(), c.guidePages);
        ASSERT_GT(planStreams.size(), c.guidePages + c.backAdded);
        for (std::size_t page = 0; page < c.guidePages; ++page) EXPECT_EQ(planStreams[page], guideStreams[page]);
        if (c.backAdded) {
            const DrawnPage& back = plan.pages[c.guidePages];
            EXPECT_EQ(Labels(back).size(), Labels(plan.pages[0]).size());
            EXPECT_EQ(FindText(back, "W1"), nullptr);
        }
        std::string text;
        const std::string firstPlanPage = std::to_string(c.guidePages + c.backAdded + 1);
        ASSERT_EQ(PdfText(plan.pdfPath, "-layout -f " + firstPlanPage, &text), 0);
        std::size_t at = 0;
        for (const std::string& expected : c.texts) {
            at = text.find(expected, at);
            ASSERT_NE(at, std::string::npos) << expected << " in\n" << text;
            at += expected.size();
        }
    }
}

// A page too small for the plan fails the guide before the file is made;
// without PLAN the same page gives the guide.
TEST(GuideCli, APageTooSmallForThePlanIsRefused) {
    ScratchDir dir;
    GuideRun run = RunGuide(dir, "#ROUTE_CARD\n#PLAN\n#SHEETSIZE=3x5\n#FIELDWIDTH_DESC=0.5\n" + Walk(3),
                            {"-p", "walk.txt"});
    EXPECT_EQ(run.result.err, "Oops, page settings leave no room for the plan (216 by 360 points)\n");
    EXPECT_EQ(run.result.status, 1);
    EXPECT_FALSE(FileExists(run.pdfPath));
}

// Page pageNo (from 1) of a PDF rendered by pdftoppm at 72 dpi, one grey
// byte a point, rows from the top; empty when it could not be rendered.
struct RenderedPage {
    int width = 0, height = 0;
    std::string grey;
    int At(double xPt, double yPt) const {  // 255 off the page
        const int column = static_cast<int>(std::lround(xPt)), row = static_cast<int>(std::lround(height - yPt));
        if (column < 0 || row < 0 || column >= width || row >= height) return 255;
        return static_cast<unsigned char>(grey[static_cast<std::size_t>(row) * width + column]);
    }
};

RenderedPage RenderPage(const std::string& pdf, int pageNo, const std::string& pgm) {
    RenderedPage page;
    const std::string n = std::to_string(pageNo);
    if (RunShell("pdftoppm -gray -r 72 -singlefile -f " + n + " -l " + n + " '" + pdf + "' '" + pgm + "'") != 0)
        return page;
    const std::string bytes = ReadFile(pgm + ".pgm");
    std::istringstream header(bytes);
    std::string magic;
    int maxGrey = 0;
    header >> magic >> page.width >> page.height >> maxGrey;
    if (magic != "P5" || maxGrey != 255) return RenderedPage{};
    page.grey = bytes.substr(static_cast<std::size_t>(header.tellg()) + 1);
    if (page.grey.size() != static_cast<std::size_t>(page.width) * page.height) return RenderedPage{};
    return page;
}

// The South Downs plan: every profile's line read back from the page is
// the path's waypoints, each at its distance from the stage's start and its
// height, placed on the profile's axes within 0.01 point; and the page as
// pdftoppm renders it is dark at every one of those vertices.
JUDGED_TEST(GuideCli, SouthDownsProfilesDrawTheirWaypoints, Judge::kPdfReaders) {
    ScratchDir dir;
    const std::string wayFile = ReadFile(EXAMPLES_DIR "/south-downs-plan.txt");
    WriteFile(dir.File("sdw.txt"), wayFile);
    std::string pdfOption = "-p=" + dir.File("sdw.pdf");
    std::string wayPath = dir.File("sdw.txt");
    char program[] = "cairnlog";
    char* argv[] = {program, pdfOption.data(), wayPath.data()};
    RunState run;
    ASSERT_EQ(RunCairnlog(3, argv, run), 0);
    EXPECT_EQ(PdfReadersFault(dir.File("sdw.pdf")), "");
    const std::vector<DrawnPage> pages = ReadPages(ReadFile(dir.File("sdw.pdf")));

    // Stage names by the line that opens them.
    std::vector<std::pair<int, std::string>> stageLines;
    std::istringstream lines(wayFile);
    int lineNo = 0;
    for (std::string line; std::getline(lines, line);) {
        ++lineNo;
        if (line.rfind("#STAGE=", 0) == 0) stageLines.emplace_back(lineNo, line.substr(7));
    }
    ASSERT_EQ(stageLines.size(), 8u);

    int profilesChecked = 0;
    for (char letter : {'C', 'A'}) {
        const Waypoint* last = nullptr;  // the letter's last point, which opens its next stage's profile
        for (std::size_t stage = 0; stage < stageLines.size(); ++stage) {
            const int from = stageLines[stage].first;
            const int to = stage + 1 < stageLines.size() ? stageLines[stage + 1].first : 1 << 30;
            HeightProfile expected;
            std::vector<const Waypoint*> path;
            if (last) path.push_back(last);
            for (const Waypoint& waypoint : run.waypoints.List)
                if (waypoint.WayID[0] == letter && waypoint.LineNo > from && waypoint.LineNo < to)
                    path.push_back(&waypoint);
            if (path.size() < 2 || (last && path.size() < 2)) continue;
            for (const Waypoint* waypoint : path) {
                ProfilePoint point;
                point.Distance = waypoint->Distance - path[0]->Distance;
                point.Height = waypoint->Elev;
                point.Known = 1;
                expected.Points.push_back(point);
            }
            last = path.back();
            const std::string title = stageLines[stage].second + ", path " + letter;
            SCOPED_TRACE(title);
            const DrawnPage* page = nullptr;
            const DrawnText* heading = nullptr;
            for (const DrawnPage& candidate : pages)
                if ((heading = FindText(candidate, title)) != nullptr) {
                    page = &candidate;
                    break;
                }
            ASSERT_NE(heading, nullptr);
            // The box from its axes, the line from the page's widest
            // strokes, both under the profile's title.
            ProfileBox box;
            std::vector<ProfileVertex> drawn;
            for (const DrawnLine& line : page->lines) {
                if (line.y1 > heading->y || line.y1 < heading->y - 150) continue;
                if (line.width == 0.5 && line.gray == 0 && line.x1 == line.x2 && line.y1 - line.y2 > 100) {
                    box.Left = line.x1;
                    box.Bottom = line.y2;
                    box.Height = line.y1 - line.y2;
                } else if (line.width == 0.5 && line.gray == 0 && line.y1 == line.y2 && line.x2 - line.x1 > 100) {
                    box.Width = line.x2 - line.x1;
                } else if (line.width == 1.2) {
                    if (drawn.empty()) drawn.push_back({line.x1, line.y1});
                    drawn.push_back({line.x2, line.y2});
                }
            }
            const ProfileAxes axes = ProfileAxesOf(expected);
            ASSERT_EQ(drawn.size(), expected.Points.size());
            const int pageNo = static_cast<int>(page - pages.data()) + 1;
            const RenderedPage rendered = RenderPage(dir.File("sdw.pdf"), pageNo, dir.File("page" + std::to_string(pageNo)));
            ASSERT_EQ(rendered.height, 842);  // A4, a point a pixel
            for (std::size_t i = 0; i < drawn.size(); ++i) {
                const double x = ProfileX(axes, box, expected.Points[i].Distance);
                const double y = ProfileY(axes, box, expected.Points[i].Height);
                EXPECT_NEAR(drawn[i].X, x, 0.01) << i;
                EXPECT_NEAR(drawn[i].Y, y, 0.01) << i;
                int darkest = 255;  // the 1.2 point line covers the vertex's pixel or one beside it
                for (double dx : {-1.0, 0.0, 1.0})
                    for (double dy : {-1.0, 0.0, 1.0}) darkest = std::min(darkest, rendered.At(x + dx, y + dy));
                EXPECT_LT(darkest, 128) << "no line rendered at vertex " << i;
            }
            ++profilesChecked;
        }
    }
    EXPECT_EQ(profilesChecked, 9);  // a profile a day on the main path, and the alternate on the last
}

}  // namespace
