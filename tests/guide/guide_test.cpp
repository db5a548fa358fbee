#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "guide_columns.h"
#include "guide_frame.h"
#include "guide_rows.h"
#include "guide_test_support.h"
#include "height_profile.h"

namespace {

constexpr double kLeft = kGuideLeft;
constexpr double kPitch = kGuidePitch;
constexpr double kFirstUpper = kGuideFirstUpper;
constexpr double kRow = kGuideRow;

bool Near(double a, double b) { return std::fabs(a - b) < 0.006; }

JUDGED_TEST(WriteGuide, OneColumnGivesOnePageWithEveryFrame, Judge::kPdfReaders) {
    ScratchDir dir;
    GuideRun run = MakeGuideRun(10, dir);
    std::string document = WriteTestGuide(run);
    std::vector<DrawnPage> pages = ReadPages(document);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(Labels(pages[0]), (std::vector<std::string>{"-1-", "-3-", "-5-", "-7-", "-9-", "-11-", "-13-", "-15-"}));
    int waypoints = 0;
    for (const DrawnText& text : pages[0].texts) {
        if (text.text[0] != 'W' || text.text == "WP") continue;
        ++waypoints;
        EXPECT_EQ(PositionOf(&text), 0) << text.text;
        EXPECT_GT(text.y, 396) << text.text;
    }
    EXPECT_EQ(waypoints, 10);
    EXPECT_NE(document.find("/Count 1\r\n"), std::string::npos);
    EXPECT_EQ(PdfReadersFault(run.files.PdfFilename), "");
}

JUDGED_TEST(WriteGuide, SeventeenColumnsGiveBothSidesOfOneSheetAndTheFrontOfTheNext, Judge::kPdfReaders) {
    ScratchDir dir;
    GuideRun run = MakeGuideRun(16 * 24 + 1, dir);
    std::string document = WriteTestGuide(run);
    std::vector<DrawnPage> pages = ReadPages(document);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(Labels(pages[1]), (std::vector<std::string>{"-8-", "-6-", "-4-", "-2-", "-16-", "-14-", "-12-", "-10-"}));
    EXPECT_EQ(Labels(pages[2]),
              (std::vector<std::string>{"-17-", "-19-", "-21-", "-23-", "-25-", "-27-", "-29-", "-31-"}));

    // Column 2 goes on after column 1's last row, behind it: rightmost on the back.
    const DrawnText* w25 = FindText(pages[1], "W25");
    ASSERT_NE(w25, nullptr);
    EXPECT_EQ(PositionOf(w25), 3);
    EXPECT_TRUE(Near(YOf(w25), kFirstUpper));
    EXPECT_EQ(FindText(pages[1], "W49"), nullptr);  // column 3 is on the front
    EXPECT_EQ(PositionOf(FindText(pages[1], "W73")), 2);
    const DrawnText* w217 = FindText(pages[1], "W217");  // column 10
    ASSERT_NE(w217, nullptr);
    EXPECT_EQ(PositionOf(w217), 3);
    EXPECT_TRUE(Near(YOf(w217), 396 - 2 * kRow + 8));
    EXPECT_EQ(PositionOf(FindText(pages[0], "W337")), 3);  // column 15, bottom band
    EXPECT_EQ(PositionOf(FindText(pages[1], "W361")), 0);  // column 16 behind it
    EXPECT_EQ(PositionOf(FindText(pages[2], "W385")), 0);
    EXPECT_EQ(PdfReadersFault(run.files.PdfFilename), "");
}

TEST(WriteGuide, RowSpansLeaveBlankRowsAndLaterColumnsStartRight) {
    ScratchDir dir;
    GuideRun run = MakeGuideRun(60, dir);
    run.Waypoints[2].RowSpan = 3;
    run.settings.InsertedRows = 2;
    std::vector<DrawnPage> pages = ReadPages(WriteTestGuide(run));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_TRUE(Near(YOf(FindText(pages[0], "W3")), kFirstUpper - 2 * kRow));
    EXPECT_TRUE(Near(YOf(FindText(pages[0], "W4")), kFirstUpper - 5 * kRow));
    const DrawnText* w47 = FindText(pages[0], "W47");  // heads column 3
    ASSERT_NE(w47, nullptr);
    EXPECT_EQ(PositionOf(w47), 1);
    EXPECT_TRUE(Near(YOf(w47), kFirstUpper));
    EXPECT_EQ(PositionOf(FindText(pages[1], "W23")), 3);  // heads column 2
    EXPECT_TRUE(Near(YOf(FindText(pages[1], "W23")), kFirstUpper));
}

TEST(WriteGuide, RowTextsSitAtTheirAnchorsAndMissingMeasuresLeaveGaps) {
    ScratchDir dir;
    GuideRun run = MakeGuideRun(2, dir);
    run.Waypoints[0].Distance = 12.34;
    run.Waypoints[0].Grade = -4.6;
    run.Waypoints[0].Elev = 254.5;
    run.Waypoints[1].HasDistance = 0;
    run.Waypoints[1].HasGrade = 0;
    DrawnPage page = ReadPages(WriteTestGuide(run))[0];
    TestDocument measure;
    PdfSetFont(measure.pdf, "Helvetica", 6);
    auto width = [&](const char* text) { return PdfTextWidth(measure.pdf, text); };

    const double row1 = kFirstUpper - 8;  // bottom edge of row 1
    const DrawnText* id = FindText(page, "W1");
    ASSERT_NE(id, nullptr);
    EXPECT_TRUE(Near(id->x, kLeft + 9 - width("W1") / 2));
    const DrawnText* distance = FindText(page, "12.3");
    ASSERT_NE(distance, nullptr);
    EXPECT_TRUE(Near(YOf(distance), row1 + 1.7));
    const DrawnText* grid = FindText(page, "NY1234");
    ASSERT_NE(grid, nullptr);
    EXPECT_TRUE(Near(grid->x + width("NY1234"), kLeft + 41.7));
    EXPECT_TRUE(Near(YOf(grid), row1 + 8));
    EXPECT_NE(FindText(page, "6789"), nullptr);
    EXPECT_NE(FindText(page, "254"), nullptr);  // "%.0f" rounds half to even
    const DrawnText* grade = FindText(page, "-5%");
    ASSERT_NE(grade, nullptr);
    EXPECT_TRUE(Near(grade->x, kLeft + 52.2 - width("-5%") / 2));
    const DrawnText* desc = FindText(page, "Stile");
    ASSERT_NE(desc, nullptr);
    EXPECT_TRUE(Near(desc->x, kLeft + 62.7));
    EXPECT_TRUE(Near(YOf(desc), row1 + 4.85));

    // Row 2 draws nothing under its ID or its elevation.
    const double row2Lower = row1 - kRow + 1.7;
    EXPECT_EQ(TextsIn(page, kLeft, kLeft + 18, row2Lower - 0.1, row2Lower + 0.1), std::vector<std::string>{});
    EXPECT_EQ(TextsIn(page, kLeft + 43.2, kLeft + 61.2, row2Lower - 0.1, row2Lower + 0.1),
              std::vector<std::string>{});
}

TEST(WriteGuide, LongDescriptionsTakeTwoLinesAndTooWideOnesAreReported) {
    ScratchDir dir;
    GuideRun run = MakeGuideRun(3, dir);
    run.Waypoints[0].Desc = "Follow the wall north to the stile, then bear left";
    run.Waypoints[1].Desc = "Llanfairpwllgwyngyllgogerychwyrndrobwll";
    run.Waypoints[1].LineNo = 17;
    // Measured by the letters drawn: a byte at a time it would be too wide.
    run.Waypoints[2].Desc = "Caf\xC3\xA9 \xC3\x89ire, D\xC3\xBAn Laoghaire";
    testing::internal::CaptureStderr();
    DrawnPage page = ReadPages(WriteTestGuide(run))[0];
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Oops, Waypoint guide description too long, line 17 of walk.txt\n");
    const double row1 = kFirstUpper - 8;
    EXPECT_TRUE(Near(YOf(FindText(page, "Follow the wall north to")), row1 + 8));
    EXPECT_TRUE(Near(YOf(FindText(page, "the stile, then bear left")), row1 + 1.7));
    // Drawn in full all the same, with an empty second line.
    EXPECT_TRUE(Near(YOf(FindText(page, "Llanfairpwllgwyngyllgogerychwyrndrobwll")), row1 - kRow + 8));
    EXPECT_EQ(TextsIn(page, kLeft + 62, kLeft + 63, row1 - kRow + 1.6, row1 - kRow + 1.8),
              std::vector<std::string>{""});
    EXPECT_TRUE(Near(YOf(FindText(page, "Caf\xE9 \xC9ire, D\xFAn Laoghaire")), row1 - 2 * kRow + 4.85));
}

TEST(WriteGuide, FrameHasHeadersCreditsSeparatorsCutMarksAndRules) {
    ScratchDir dir;
    GuideRun run = MakeGuideRun(1, dir);
    run.settings.Title[0] = '\0';  // an empty title is drawn too
    std::string document = WriteTestGuide(run);
    DrawnPage page = ReadPages(document)[0];

    const double head = 774 - kRow;
    EXPECT_EQ(TextsIn(page, kLeft, kLeft + 62, head, head + kRow),
              (std::vector<std::string>{"WP", "Miles", "OSGB", "Elev", "%"}));
    EXPECT_EQ(TextsIn(page, kLeft + 62, kLeft + 133.2, head, head + kRow),
              (std::vector<std::string>{"", "Description", "-1-"}));
    const DrawnText* credit = FindText(page, "www.tessaron.example");
    ASSERT_NE(credit, nullptr);
    EXPECT_TRUE(Near(credit->x, kLeft + 2));
    EXPECT_TRUE(Near(YOf(credit), 414 - 6));  // hangs below the column
    EXPECT_EQ(std::count_if(page.texts.begin(), page.texts.end(),
                            [](const DrawnText& text) { return text.text == "www.tessaron.example"; }),
              8);

    int separators = 0, cutMarks = 0, heavy = 0, thin = 0;
    for (const DrawnLine& line : page.lines) {
        if (line.x1 == line.x2) {
            double offset = std::fmod(line.x1 - kLeft + 0.001, kPitch) - 0.001;
            if (Near(offset, 18) || Near(offset, 43.2) || Near(offset, 61.2)) {
                ++separators;
                EXPECT_TRUE(Near(std::fabs(line.y1 - line.y2), 360));
            } else {
                ++cutMarks;
                EXPECT_TRUE(Near(offset, 136.8)) << line.x1;
                EXPECT_TRUE(Near(std::fabs(line.y1 - line.y2), kRow));
            }
            EXPECT_TRUE(line.width == 0.5 && line.gray == 0.7);
        } else {
            EXPECT_TRUE(Near(line.x2 - line.x1, 133.2));
            double fromTop = std::fmod(774 - line.y1 + 0.001, 378) - 0.001;  // band pitch
            bool isHeavy = Near(fromTop, 0) || Near(fromTop, kRow);
            (isHeavy ? heavy : thin)++;
            EXPECT_EQ(line.width, isHeavy ? 1 : 0.5) << line.y1;
            EXPECT_EQ(line.gray, isHeavy ? 0 : 0.7) << line.y1;
        }
    }
    EXPECT_EQ(separators, 3 * 8);
    EXPECT_EQ(cutMarks, 2 * 3 * 2);  // none right of the last column
    EXPECT_EQ(heavy, 2 * 8);
    EXPECT_EQ(thin, 24 * 8);
    EXPECT_NE(document.find("/Author (www.tessaron.example)"), std::string::npos);
    EXPECT_NE(document.find("/Creator (cairnlog)"), std::string::npos);
}

TEST(WriteGuide, IrishGridAndKilometresShowInHeaderAndRows) {
    ScratchDir dir;
    GuideRun run = MakeGuideRun(1, dir);
    run.settings.GridSystem = kGridIrish;
    run.settings.DistanceUnits = kUnitsKm;
    DrawnPage page = ReadPages(WriteTestGuide(run))[0];
    EXPECT_NE(FindText(page, "IRISH"), nullptr);
    EXPECT_NE(FindText(page, "KM"), nullptr);
    EXPECT_NE(FindText(page, "E3:1235"), nullptr);
    EXPECT_NE(FindText(page, "N5:6789"), nullptr);
}

TEST(WriteGuide, SplitSheetZeroAndThreeChangeTheBands) {
    ScratchDir dir;
    GuideRun run = MakeGuideRun(52, dir);
    run.settings.SplitSheet = 0;
    std::vector<DrawnPage> pages = ReadPages(WriteTestGuide(run));
    ASSERT_EQ(pages.size(), 2u);  // 51 rows to a column
    EXPECT_EQ(Labels(pages[0]), (std::vector<std::string>{"-1-", "-3-", "-5-", "-7-"}));
    EXPECT_EQ(Labels(pages[1]), (std::vector<std::string>{"-8-", "-6-", "-4-", "-2-"}));
    EXPECT_TRUE(Near(YOf(FindText(pages[0], "W51")), kFirstUpper - 50 * kRow));
    EXPECT_EQ(PositionOf(FindText(pages[1], "W52")), 3);

    run = MakeGuideRun(24 * 11 + 1, dir);
    run.settings.SplitSheet = 3;
    pages = ReadPages(WriteTestGuide(run));
    ASSERT_EQ(pages.size(), 2u);  // 11 rows to a column: 25 columns
    EXPECT_EQ(Labels(pages[0]).size(), 16u);
    EXPECT_EQ(Labels(pages[0])[15], "-31-");
    // Four bands 12 x 14.4 + 18 points apart.
    EXPECT_EQ(PositionOf(FindText(pages[0], "W45")), 2);  // column 5
    EXPECT_EQ(PositionOf(FindText(pages[0], "W89")), 0);  // column 9
    EXPECT_TRUE(Near(YOf(FindText(pages[0], "W89")), kFirstUpper - 190.8));
    EXPECT_EQ(PositionOf(FindText(pages[0], "W265")), 0);  // column 25
    EXPECT_TRUE(Near(YOf(FindText(pages[0], "W265")), kFirstUpper - 3 * 190.8));
}

TEST(WriteGuide, OneColumnAcrossStillPrintsFrontAndBack) {
    ScratchDir dir;
    GuideRun run = MakeGuideRun(30, dir);
    run.settings.FieldWidthDesc = 6.0;  // 8.1 / 6.85 inches: one column
    std::vector<DrawnPage> pages = ReadPages(WriteTestGuide(run));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(Labels(pages[0]), (std::vector<std::string>{"-1-", "-3-"}));
    EXPECT_EQ(Labels(pages[1]), (std::vector<std::string>{"-2-", "-4-"}));
    EXPECT_NE(FindText(pages[0], "W24"), nullptr);
    EXPECT_NE(FindText(pages[1], "W25"), nullptr);
    for (const DrawnLine& line : pages[0].lines)
        if (line.x1 == line.x2) {
            EXPECT_TRUE(Near(std::fabs(line.y1 - line.y2), 360)) << "no cut marks";
        }
}

TEST(WriteGuide, NoRoomForAColumnOrARowIsRefusedBeforeTheFileIsOpened) {
    struct Case {
        double descWidth, fieldHeight, borders;
        const char* message;
    };
    const Case cases[] = {
        {20, 0.2, 0.25, "Oops, page settings leave no room for the guide (0 columns across, 24 rows per column)\n"},
        {1, 6, 0.25, "Oops, page settings leave no room for the guide (4 columns across, 0 rows per column)\n"},
        {1, 0.2, 6, "Oops, page settings leave no room for the guide (-1 columns across, -18 rows per column)\n"},
    };
    for (const Case& c : cases) {
        ScratchDir dir;
        GuideRun run = MakeGuideRun(5, dir);
        run.settings.FieldWidthDesc = c.descWidth;
        run.settings.FieldHeight = c.fieldHeight;
        run.settings.Borders = c.borders;
        int status = 0;
        testing::internal::CaptureStderr();
        WriteTestGuide(run, &status);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.message);
        EXPECT_EQ(status, 1);
        EXPECT_FALSE(FileExists(run.files.PdfFilename));
    }
}

TEST(WriteGuide, AFileThatCannotBeCreatedOrWrittenFailsTheGuide) {
    ScratchDir dir;
    GuideRun run = MakeGuideRun(5, dir);
    std::snprintf(run.files.PdfFilename, sizeof run.files.PdfFilename, "%s", dir.File("missing/walkGuide.pdf").c_str());
    int status = 0;
    testing::internal::CaptureStderr();
    WriteTestGuide(run, &status);
    std::string message = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 1);
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;

    std::snprintf(run.files.PdfFilename, sizeof run.files.PdfFilename, "/dev/full");
    testing::internal::CaptureStderr();
    WriteTestGuide(run, &status);
    message = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 1);
    EXPECT_NE(message.find("Oops, can't write"), std::string::npos) << message;
}

// Every row at its largest: parenthesised ID and description (each byte
// escaped), the longest numbers, and a 200-point font on a 200-inch sheet
// for the longest coordinates. The page must stay within the bound the
// guide checks its settings against, or an accepted page could overflow.
TEST(WriteGuide, AFullPageOfTheLargestRowsStaysWithinThePageBound) {
    ScratchDir dir;
    GuideRun run = MakeGuideRun(0, dir);
    run.settings.SheetWidth = run.settings.SheetHeight = 200;
    run.settings.FieldHeight = 10;
    run.settings.FieldWidthDesc = 40;
    run.settings.FontSize = 200;
    std::snprintf(run.settings.Title, sizeof run.settings.Title, "%s", std::string(kTitleMax, '(').c_str());
    GuideLayout layout;
    ComputeGuideLayout(run.settings, layout);
    const int rowsPerSheet = 2 * layout.ColumnsAcross * layout.Bands * layout.RowsPerColumn;
    const std::string desc = std::string(127, '(') + " " + std::string(kDescMax - 128, ')');
    for (int i = 0; i < rowsPerSheet; ++i) {
        Waypoint& waypoint = AddWaypoint(run, std::string(kWayIdMax, '('), desc);
        waypoint.HasDistance = waypoint.HasGrade = 1;
        waypoint.Distance = waypoint.Elev = waypoint.Grade = -1e300;
        waypoint.GridE = waypoint.GridN = -1e300;
    }
    GuideColumns columns;
    FindGuideColumns(run.Waypoints, run.settings.InsertedRows, layout, columns);
    TestDocument doc;
    DrawGuideFrame(doc.pdf, layout, run.settings, 1);
    const std::size_t frame = doc.pdf.contentLength;
    testing::internal::CaptureStderr();  // every description is too wide
    DrawGuideRows(doc.pdf, layout, run.Waypoints, "walk.txt", columns, 1);
    testing::internal::GetCapturedStderr();
    EXPECT_LE(static_cast<double>(doc.pdf.contentLength), GuidePageContentMax(layout));
    EXPECT_LE((doc.pdf.contentLength - frame) / (rowsPerSheet / 2), kGuideRowContentMax);
}

TEST(WriteGuide, LongGuidesKeepEveryPage) {
    // One row, one band and one column across: a page per waypoint.
    ScratchDir dir;
    GuideRun run = MakeGuideRun(3001, dir);
    run.settings.SplitSheet = 0;
    run.settings.FieldHeight = 4;
    run.settings.FieldWidthDesc = 6;
    std::string document = WriteTestGuide(run);
    EXPECT_NE(document.find("/Count 3001\r\n"), std::string::npos);
    std::vector<DrawnPage> pages = ReadPages(document);
    ASSERT_EQ(pages.size(), 3001u);
    EXPECT_NE(FindText(pages[2999], "W3000"), nullptr);
    EXPECT_NE(FindText(pages[3000], "W3001"), nullptr);
    EXPECT_EQ(Labels(pages[3000]), std::vector<std::string>{"-3001-"});
    EXPECT_EQ(CrossReferenceFault(document), "");
}

}  // namespace

namespace {

// A short walk with every kind of row, held to the byte. Run the test with
// UPDATE_GOLDEN=1 to write the golden file afresh after a deliberate change.
TEST(WriteGuide, ASmallWalkMatchesItsGoldenDocument) {
    ScratchDir dir;
    GuideRun run = MakeGuideRun(30, dir);
    std::snprintf(run.settings.Title, sizeof run.settings.Title, "Coast (east)");
    const char* descs[] = {"Car park", "Stile by the old wall", "Follow the wall north to the stile, then bear left",
                           "", "Llanfairpwllgwyngyllgogerychwyrndrobwll halt", "Kissing gate into the field"};
    for (int i = 0; i < 30; ++i) run.Waypoints[i].Desc = descs[i % 6];
    run.Waypoints[4].RowSpan = 3;   // BLANK_LINE=2
    run.Waypoints[11].RowSpan = 11; // NEW_COLUMN after row 14
    run.settings.InsertedRows = 12;
    run.Waypoints[7].HasDistance = 0;
    run.Waypoints[8].HasGrade = 0;
    // The document names its file: write it by a name that stays the same.
    std::snprintf(run.files.PdfFilename, sizeof run.files.PdfFilename, "walkGuide.pdf");
    std::string home = std::filesystem::current_path();
    std::filesystem::current_path(dir.path);
    testing::internal::CaptureStderr();
    std::string document = WriteTestGuide(run);
    testing::internal::GetCapturedStderr();
    std::filesystem::current_path(home);
    std::snprintf(run.files.PdfFilename, sizeof run.files.PdfFilename, "%s", dir.File("walkGuide.pdf").c_str());

    const std::string golden = std::string(GUIDE_GOLDEN_DIR) + "/small_walk.pdf";
    if (std::getenv("UPDATE_GOLDEN") != nullptr) WriteFile(golden, document);
    EXPECT_TRUE(document == ReadFile(golden)) << "differs from " << golden;
}

JUDGED_TEST(WriteGuide, TheGoldenDocumentOpensInEveryReader, Judge::kPdfReaders) {
    EXPECT_EQ(PdfReadersFault(std::string(GUIDE_GOLDEN_DIR) + "/small_walk.pdf"), "");
}

// Round-number axes: a step of 1, 2 or 5 times a power of ten, the ends
// whole steps round the values.
TEST(HeightProfile, AxesAreRoundNumbers) {
    const struct {
        double low, high;
        int ticks;
        double min, max, step;
    } rows[] = {
        {35, 230, 4, 0, 250, 50},   {140, 272, 4, 100, 300, 50}, {0, 12.2, 8, 0, 14, 2},
        {0, 0.29, 8, 0, 0.3, 0.05}, {100, 100, 4, 95, 105, 5},   {-3, 7, 4, -5, 10, 5},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.high);
        const ProfileAxis axis = RoundAxis(row.low, row.high, row.ticks);
        EXPECT_NEAR(axis.Min, row.min, 1e-9);
        EXPECT_NEAR(axis.Max, row.max, 1e-9);
        EXPECT_NEAR(axis.Step, row.step, 1e-9);
    }
}

// A hundred thousand points across a 500-point box thin to at most one
// vertex per 0.25 point, and every bin keeps its highest and lowest points
// where they stand, the one spike among them.
TEST(HeightProfile, ThinningKeepsEveryPeakInPlace) {
    HeightProfile profile;
    for (int i = 0; i < 100000; ++i) {
        ProfilePoint point;
        point.Distance = i * 0.001;
        point.Height = 100 + 50 * std::sin(i * 0.37) + (i == 54321 ? 400 : 0);
        point.Known = 1;
        profile.Points.push_back(point);
    }
    const ProfileAxes axes = ProfileAxesOf(profile);
    const ProfileBox box{50, 100, 500, 108};
    std::vector<ProfileVertex> vertices;
    ThinProfileRun(profile.Points, 0, profile.Points.size(), axes, box, vertices);
    EXPECT_LE(vertices.size(), static_cast<std::size_t>(box.Width / 0.25) + 2);
    std::map<long long, std::pair<double, double>> points, kept;  // bin: lowest, highest y
    auto take = [](std::map<long long, std::pair<double, double>>& bins, double x, double y) {
        const long long bin = static_cast<long long>(std::floor((x - 50) / kProfileBinPt));
        auto at = bins.emplace(bin, std::make_pair(y, y)).first;
        at->second = {std::min(at->second.first, y), std::max(at->second.second, y)};
    };
    for (const ProfilePoint& point : profile.Points)
        take(points, ProfileX(axes, box, point.Distance), ProfileY(axes, box, point.Height));
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        if (i > 0) {
            EXPECT_GE(vertices[i].X, vertices[i - 1].X);
        }
        take(kept, vertices[i].X, vertices[i].Y);
    }
    EXPECT_EQ(kept, points);
    const double spikeX = ProfileX(axes, box, 54.321);
    const double spikeY = ProfileY(axes, box, profile.Points[54321].Height);
    EXPECT_TRUE(std::any_of(vertices.begin(), vertices.end(),
                            [&](const ProfileVertex& v) { return v.X == spikeX && v.Y == spikeY; }));
}

}  // namespace
