// The waypoint scan must give what sscanf "%s %lf %lf %lf" gives in the C
// locale for every line (besides the settled rule for a non-finite fourth
// field), whichever way it reads the line.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <utility>

#include "hemisphere_position.h"
#include "text_line.h"
#include "waypoint_scan.h"

namespace {

int quickAnswers = 0;  // lines the quick scan answered for itself

void ExpectSameBits(double actual, double expected, const char* what) {
    EXPECT_EQ(std::memcmp(&actual, &expected, sizeof actual), 0) << what << ": " << actual << " vs " << expected;
}

// Checks one line against sscanf with the elevation rule applied.
void ExpectLikeScanf(const std::string& line) {
    WaypointFields expected;
    int expectedCount = std::sscanf(line.c_str(), "%254s %lf %lf %lf", expected.Id, &expected.Lat,
                                    &expected.Long, &expected.Elev);
    if (expectedCount == 4 && !std::isfinite(expected.Elev)) {
        expected.Elev = 0.0;
        expectedCount = 3;
    }
    SCOPED_TRACE("line: [" + line + "]");
    WaypointFields fields;
    ASSERT_EQ(ScanWaypointFields(line.c_str(), fields), expectedCount);
    EXPECT_STREQ(fields.Id, expected.Id);
    ExpectSameBits(fields.Lat, expected.Lat, "Lat");
    ExpectSameBits(fields.Long, expected.Long, "Long");
    ExpectSameBits(fields.Elev, expected.Elev, "Elev");
    EXPECT_EQ(fields.Rest, SkipFields(line.c_str(), expectedCount > 0 ? expectedCount : 0));

    // The quick scan alone, where it answers.
    WaypointFields quick;
    int quickCount = QuickScanWaypointFields(line.c_str(), quick);
    if (quickCount == kScanUnsure) return;
    ++quickAnswers;
    if (quickCount == 4 && !std::isfinite(quick.Elev)) ADD_FAILURE() << "quick scan read a non-finite number";
    ASSERT_EQ(quickCount, expectedCount);
    EXPECT_STREQ(quick.Id, expected.Id);
    ExpectSameBits(quick.Lat, expected.Lat, "quick Lat");
    ExpectSameBits(quick.Long, expected.Long, "quick Long");
    ExpectSameBits(quick.Elev, expected.Elev, "quick Elev");
    EXPECT_EQ(quick.Rest, SkipFields(line.c_str(), expectedCount));
}

TEST(QuickScanWaypointFields, AnswersForTheUsualLines) {
    for (const char* line : {"C001 54.5 -2.1 120 Stile by gate", "C001 54.5 -2.1 Stile", "C001 54.5 -2.1",
                             "C001 54.5", "C001 south", "Gate 54 -2 100 yards to gate", "C001 54.5 -2.1 \xc3\xa9"}) {
        WaypointFields fields;
        EXPECT_NE(QuickScanWaypointFields(line, fields), kScanUnsure) << line;
    }
}

TEST(ScanWaypointFields, ChosenOddLines) {
    const char* lines[] = {
        "C001 54.5 -2.1 120 Stile", "C001 54.5 -2.1", "C001 54.5", "C001", "C001 ", "C001 54.5 -2.1 Stile",
        "C001 54.5 -2.1 100yds", "C001 +54.5 -2.1 120", "C001 54. -2.1 .5", "C001 -.5 -0 -0.0 x",
        "C001 54.5e1 -2.1E-1 1e+2", "C001 0x1p3 0X1.8P1 0x", "C001 inf -inf nan", "C001 54.5 -2.1 Infinity",
        "C001 54.5 -2.1 Information board", "C001 54.5 Infirmary", "C001 54.5 -2.1 nan(123) x",
        "C001 54.5 -2.1 NAN(", "C001 54.5 -2.1 -", "C001 54.5 -2.1 +x", "C001 54.5 -2.1 .", "C001 54.5 -2.1 ..",
        "C001 54.5-2.1 120", "C001 54.5,-2.1", "C001 54,5 -2,1 120", "C001 1.5.3 2 3", "C001 1e 2 3",
        "C001 1e5x 2 3", "C001 00054.500 -0002 0", "C001 54.5\v-2.1 9", "C001\v54.5 -2.1 9", "\vC001 54.5 -2.1",
        "\f", "\v", " ", "C001 54.5 -2.1 \v120", "C001 54.5 -2.1 120\v", "C001 54.5 \f-2.1",
        "C001 1e999 2 3", "C001 1e-999 2 3", "C001 2 3 1e999", "C001 2 3 -1e999 abyss", "C\xc3\xa9 54 -2 Caf\xc3\xa9",
        "C001 54 -2 \xc3\xa9", "C001 4.9406564584124654e-324 2.2250738585072011e-308 1.7976931348623157e308",
        "C001 0.1000000000000000055511151231257827021181583404541015625 2 3",
        "C001 9007199254740993 -9007199254740993 2.5000000000000001",
        "C001 54.5 -2.1 120 more 7 8",
        // Either side of the 15 digits read by one exact division.
        "C001 999999999999999 -0.00000000000001 1.23456789012345",
        "C001 9999999999999999 -0.000000000000001 12345678.9012345678",
        "C001 -0.000000000000000 0.9007199254740993 900719925474099.3",
    };
    for (const char* line : lines) ExpectLikeScanf(line);
    ExpectLikeScanf("C001 " + std::string(240, '9') + " 1 2");
    ExpectLikeScanf("C001 0." + std::string(240, '0') + "1 1 2");
    ExpectLikeScanf(std::string(254, 'I'));
    ExpectLikeScanf(std::string(120, 'I') + " 1." + std::string(120, '3'));
    EXPECT_GT(quickAnswers, 10);
}

TEST(ScanWaypointFields, RandomLinesFromOddPieces) {
    const char* pieces[] = {"C001", "P12", "0", "-0", "1", "54", "54.5", "-2.125", "+3", "-", "+", ".", ".5", "5.",
                            "1e5", "1E-5", "1e", "1e+", "0x1A", "0x", "0x.8p1", "inf", "INF", "infinity", "Info",
                            "nan", "NaN(7)", "nan(", "Nant", "n", "i", "x", "Stile", "&", "\xc3\xa9", "00012.50",
                            "12345678901234567890", "0.30000000000000004", "1.5.2", "--1", "+-1", "1,5", "7pt",
                            "9.99999999999999999999999e22", "2.4703282292062328e-324"};
    const char* gaps[] = {" ", " ", " ", "  ", "", "\v", "\f", " \v ", "\t", "  \t "};
    std::mt19937 random(1862);
    quickAnswers = 0;
    for (int trial = 0; trial < 40000; ++trial) {
        std::string line;
        int fields = 1 + static_cast<int>(random() % 6);
        for (int i = 0; i < fields; ++i) {
            if (i > 0) line += gaps[random() % (sizeof gaps / sizeof *gaps)];
            line += pieces[random() % (sizeof pieces / sizeof *pieces)];
        }
        ExpectLikeScanf(line);
        if (testing::Test::HasFailure()) return;
    }
    EXPECT_GT(quickAnswers, 4000);  // the comparison really covers both ways
}

TEST(ScanWaypointFields, RandomPlainNumbersRoundAlike) {
    std::mt19937_64 random(20260104);
    for (int trial = 0; trial < 40000; ++trial) {
        std::string whole = std::to_string(random() % 1000);
        std::string fraction = std::to_string(random());
        fraction = fraction.substr(0, 1 + random() % fraction.size());
        std::string sign = random() % 2 ? "-" : "";
        ExpectLikeScanf("W" + std::to_string(trial) + " " + sign + whole + "." + fraction + " " + whole + " " +
                        fraction + " desc");
        if (testing::Test::HasFailure()) return;
    }
}

struct HemisphereCase {
    const char* text;
    HemisphereScan scan;
    double latDeg, longDeg;
    const char* taken;  // the position as read, or as written up to where it broke
};

const HemisphereCase kHemisphereCases[] = {
    {"N56 06.480 W004 34.620 120 Inn", kHemispherePositionRead, 56.108, -4.577, "N56 06.480 W004 34.620"},
    {"N56°06.480' W004°34.620'", kHemispherePositionRead, 56.108, -4.577, "N56°06.480' W004°34.620'"},
    {"56°06′29″N 4°34′37″W", kHemispherePositionRead, 56.108055556, -4.576944444, "56°06′29″N 4°34′37″W"},
    {"56° 06′ 29″ N 4° 34′ 37″ W x", kHemispherePositionRead, 56.108055556, -4.576944444,
     "56° 06′ 29″ N 4° 34′ 37″ W"},
    {"N56.108 W4.577", kHemispherePositionRead, 56.108, -4.577, "N56.108 W4.577"},
    {"56.108°N 4.577°W", kHemispherePositionRead, 56.108, -4.577, "56.108°N 4.577°W"},
    // The longitude takes as many numbers as the latitude: 20 is left over.
    {"N56 06 28.8 W4 34 37.2 20", kHemispherePositionRead, 56.108, -4.577, "N56 06 28.8 W4 34 37.2"},
    {"s33 52 30\" e151 12 36\"", kHemispherePositionRead, -33.875, 151.21, "s33 52 30\" e151 12 36\""},
    {"S0 W0", kHemispherePositionRead, 0.0, 0.0, "S0 W0"},
    // Look-alike signs from word processors and web pages, alone and mixed.
    {"55º58´N 4˚20’W", kHemispherePositionRead, 55.966666667, -4.333333333, "55º58´N 4˚20’W"},
    {"55⁰58’30”N 4⁰20′10”W", kHemispherePositionRead, 55.975, -4.336111111, "55⁰58’30”N 4⁰20′10”W"},
    {"33˚52´30'' S 151º12’36’’ E", kHemispherePositionRead, -33.875, 151.21, "33˚52´30'' S 151º12’36’’ E"},
    {"s33º52.5’ e151⁰12.6´", kHemispherePositionRead, -33.875, 151.21, "s33º52.5’ e151⁰12.6´"},
    {"N55°58'30'' W4°20'10\"", kHemispherePositionRead, 55.975, -4.336111111, "N55°58'30'' W4°20'10\""},
    {"N90 E180", kHemispherePositionRead, 90.0, 180.0, "N90 E180"},
    // Grid references, today's decimals and words are left to others.
    {"N 553 745 120 West gate", kNotHemispherePosition, 0, 0, ""},
    {"NS 553 745", kNotHemispherePosition, 0, 0, ""},
    {"S553745 W", kNotHemispherePosition, 0, 0, ""},
    {"56 06.48 -4 34.62", kNotHemispherePosition, 0, 0, ""},
    {"56.108N 4.577W", kNotHemispherePosition, 0, 0, ""},
    {"North 1 2", kNotHemispherePosition, 0, 0, ""},
    // Broken or out of range.
    {"N91 W4", kBadHemispherePosition, 0, 0, "N91 W4"},
    {"N90 30 W4 0", kBadHemispherePosition, 0, 0, "N90 30 W4 0"},
    {"N56 60 W4 0", kBadHemispherePosition, 0, 0, "N56 60 W4 0"},
    {"N56 6 60 W4 0 0", kBadHemispherePosition, 0, 0, "N56 6 60 W4 0 0"},
    {"N56 W180.5 Top", kBadHemispherePosition, 0, 0, "N56 W180.5"},
    {"N56.5 30 W4 0", kBadHemispherePosition, 0, 0, "N56.5 30"},
    {"N56 06 28.8 W4 34 Top", kBadHemispherePosition, 0, 0, "N56 06 28.8 W4 34"},
    {"N56 06.480 W004 34.620x", kBadHemispherePosition, 0, 0, "N56 06.480 W004 34.620x"},
    {"N56.108 4.577", kBadHemispherePosition, 0, 0, "N56.108 4.577"},
    {"N56'06 W4 3", kBadHemispherePosition, 0, 0, "N56'06"},
    {"N56° W4′", kBadHemispherePosition, 0, 0, "N56° W4′"},
    {"56°06′29″ 4°34′37″W", kBadHemispherePosition, 0, 0, "56°06′29″ 4°34′37″W"},
    {"56°06′N 4°34′37″W", kBadHemispherePosition, 0, 0, "56°06′N 4°34′37″W"},
    {"4°34′37″W 56°06′29″N", kBadHemispherePosition, 0, 0, "4°34′37″W"},
    {"56°06′29″N 4°34′37″", kBadHemispherePosition, 0, 0, "56°06′29″N 4°34′37″"},
    {"56°06′29″Nx 4°34′37″W", kBadHemispherePosition, 0, 0, "56°06′29″Nx"},
    // A seconds sign after minutes, one minute sign after seconds.
    {"55°58''N 4°20'W", kBadHemispherePosition, 0, 0, "55°58''N"},
    {"55º58’30’N 4º20’10’W", kBadHemispherePosition, 0, 0, "55º58’30’N"},
};

TEST(ScanHemispherePosition, FormsValuesAndFaults) {
    for (const HemisphereCase& c : kHemisphereCases) {
        SCOPED_TRACE(c.text);
        double latDeg = -1.0, longDeg = -1.0;
        int used = -1;
        ASSERT_EQ(ScanHemispherePosition(c.text, latDeg, longDeg, used), c.scan);
        if (c.scan == kNotHemispherePosition) continue;
        EXPECT_EQ(std::string(c.text, static_cast<size_t>(used)), c.taken);
        if (c.scan != kHemispherePositionRead) continue;
        EXPECT_NEAR(latDeg, c.latDeg, 1e-9);
        EXPECT_NEAR(longDeg, c.longDeg, 1e-9);
        EXPECT_FALSE(std::signbit(latDeg) && latDeg == 0.0) << "S0 is 0, not -0";
    }
}

// Degrees, minutes and seconds parted by blanks alone, and what the signs
// make of them; "" where the text is no such position.
TEST(MarkSpacedPosition, SpacedFormsAndLookAlikeDescriptions) {
    const std::pair<const char*, const char*> cases[] = {
        {"56 06 30N 4 33 00W  361  Conic Hill", "56°06'30\"N 4°33'00\"W"},
        {"56 06 30 N 4 33 00 W", "56°06'30\"N 4°33'00\"W"},
        {"33 52 30.5s 151 12 36 e 20", "33°52'30.5\"S 151°12'36\"E"},
        {"56 06 30 N of the stile", ""},
        {"56 06 30 S 2 stiles", ""},
        {"56 06 30 E side", ""},
        {"53 7 30 Nant Ffrancon", ""},
        {"56 06 30N 4 33 00", ""},
        {"56 06 30W 4 33 00N", ""},
        {"56 06 30Nx 4 33 00W", ""},
        {"56 06.5 30N 4 33 00W", ""},
        {"56 60 30N 4 33 00W", ""},
        {"56 06 30N 181 33 00W", ""},
    };
    for (const auto& [text, marked] : cases) {
        SCOPED_TRACE(text);
        std::string result = "unset";
        const bool spaced = *marked != '\0';
        EXPECT_EQ(MarkSpacedPosition(text, result), spaced);
        if (spaced) {
            EXPECT_EQ(result, marked);
        }
    }
}

}  // namespace
