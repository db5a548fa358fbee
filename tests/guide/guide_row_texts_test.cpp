#include <gtest/gtest.h>

#include "guide_row_texts.h"
#include "guide_test_support.h"

namespace {

struct GridTexts {
    std::string upper, lower;
};

GridTexts GridOf(const Waypoint& waypoint, int gridSystem) {
    char upper[kGuideGridTextSize];
    char lower[kGuideGridTextSize];
    FormatGuideGridTexts(waypoint, gridSystem, upper, lower);
    return {upper, lower};
}

TEST(GuideGridTexts, OsgbShowsLettersAndTruncatedTensOfMetres) {
    Waypoint waypoint;
    std::snprintf(waypoint.SquareLetters, sizeof waypoint.SquareLetters, "NY");
    waypoint.SquareE = 12345;
    waypoint.SquareN = 67899;
    GridTexts texts = GridOf(waypoint, kGridOsgb);
    EXPECT_EQ(texts.upper, "NY1234");
    EXPECT_EQ(texts.lower, "6789");
    waypoint.SquareE = 59;  // leading zeros keep four figures
    waypoint.SquareN = 0;
    texts = GridOf(waypoint, kGridOsgb);
    EXPECT_EQ(texts.upper, "NY0005");
    EXPECT_EQ(texts.lower, "0000");
}

TEST(GuideGridTexts, IrishShowsSquareIndexAndRoundedTensOfMetres) {
    Waypoint waypoint;
    waypoint.GridE = 312345.6;
    waypoint.GridN = 245674.9;
    GridTexts texts = GridOf(waypoint, kGridIrish);
    EXPECT_EQ(texts.upper, "E3:1235");
    EXPECT_EQ(texts.lower, "N2:4567");
    // Rounding up to the next ten can carry into the next square.
    waypoint.GridE = 99995.0;
    waypoint.GridN = 4.9;
    texts = GridOf(waypoint, kGridIrish);
    EXPECT_EQ(texts.upper, "E1:0000");
    EXPECT_EQ(texts.lower, "N0:0000");
}

TEST(GuideGridTexts, AnyOtherGridGivesEmptyLines) {
    GridTexts texts = GridOf(Waypoint{}, 3);
    EXPECT_EQ(texts.upper, "");
    EXPECT_EQ(texts.lower, "");
}

// Descriptions measured in Helvetica 6 against the default 70.5-point field.
class GuideDescription : public ::testing::Test {
protected:
    void SetUp() override { PdfSetFont(doc.pdf, "Helvetica", 6); }
    GuideDescLines Split(const std::string& desc) {
        GuideDescLines lines;
        SplitGuideDescription(doc.pdf, desc, kLimit, lines);
        return lines;
    }
    double Width(const std::string& text) { return PdfTextWidth(doc.pdf, text.c_str()); }
    static constexpr double kLimit = 70.5;
    TestDocument doc;
};

TEST_F(GuideDescription, AFittingDescriptionStaysOnOneLine) {
    GuideDescLines lines = Split("Cairn on the ridge");
    EXPECT_EQ(lines.LineCount, 1);
    EXPECT_EQ(lines.First, "Cairn on the ridge");
    EXPECT_EQ(lines.Second, "");
    EXPECT_EQ(lines.TooWide, 0);
    EXPECT_EQ(Split("").LineCount, 1);
}

TEST_F(GuideDescription, ALongDescriptionSplitsAtTheLastBlankThatFits) {
    const std::string desc = "Follow the wall north to the stile, then bear left";
    ASSERT_GT(Width(desc), kLimit);
    GuideDescLines lines = Split(desc);
    EXPECT_EQ(lines.LineCount, 2);
    EXPECT_EQ(lines.First, "Follow the wall north to");
    EXPECT_EQ(lines.Second, "the stile, then bear left");
    EXPECT_LE(Width(lines.First), kLimit);
    EXPECT_GT(Width(lines.First + " the"), kLimit);
    EXPECT_EQ(lines.TooWide, 0);
}

TEST_F(GuideDescription, AFirstWordTooWideStandsAloneAndIsReported) {
    GuideDescLines lines = Split("Llanfairpwllgwyngyllgogerychwyrndrobwll station");
    EXPECT_EQ(lines.First, "Llanfairpwllgwyngyllgogerychwyrndrobwll");
    EXPECT_EQ(lines.Second, "station");
    EXPECT_EQ(lines.TooWide, 1);

    lines = Split("Llanfairpwllgwyngyllgogerychwyrndrobwllllantysilio");
    EXPECT_EQ(lines.LineCount, 2);
    EXPECT_EQ(lines.First, "Llanfairpwllgwyngyllgogerychwyrndrobwllllantysilio");
    EXPECT_EQ(lines.Second, "");
    EXPECT_EQ(lines.TooWide, 1);
}

TEST_F(GuideDescription, ASecondLineTooWideIsReportedAndKeptWhole) {
    const std::string desc = "Past the old mill and the chapel then along Llanfairpwllgwyngyllgogerychwyrn";
    GuideDescLines lines = Split(desc);
    EXPECT_EQ(lines.LineCount, 2);
    EXPECT_EQ(lines.First + " " + lines.Second, desc);
    EXPECT_EQ(lines.TooWide, 1);
}

TEST_F(GuideDescription, OnlyTheSplittingBlankIsDropped) {
    GuideDescLines lines = Split("A path along the wall to a gate  and then down");
    ASSERT_EQ(lines.LineCount, 2);
    EXPECT_EQ(lines.First + " " + lines.Second, "A path along the wall to a gate  and then down");
}

}  // namespace
