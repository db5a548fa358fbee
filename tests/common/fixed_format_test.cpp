#include "fixed_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

namespace {

std::string Fast(double value, int places) {
    char text[kFixedTextMax + 1];
    return std::string(text, FormatFixed(text, value, places));
}

std::string Printf(double value, int places) {
    char text[kFixedTextMax + 1];
    std::snprintf(text, sizeof text, "%.*f", places, value);
    return text;
}

void ExpectSameAsPrintf(double value) {
    for (int places = 0; places <= kFixedPlacesMax; ++places) {
        ASSERT_EQ(Fast(value, places), Printf(value, places)) << "%.17g" << value << " " << places;
    }
}

TEST(FormatFixed, SpecialValuesAndTies) {
    const double inf = std::numeric_limits<double>::infinity();
    for (double value : {0.0, -0.0, inf, -inf, std::nan(""), -std::nan(""), 1e300, -1.7e308,
                         4.9e-324, 1e-310, 2.5, 3.5, -2.5, 0.5, 1.5, 0.125, 0.375, 1e-7,
                         -1e-7, 0.0000005, 0.0000015, 9.9999995, 999999.9999995, 54.4927,
                         -3.6106, 120.0, 130.5, 18446744073709.551615, 9007199254740993.0,
                         1e19, 1.8446744073709552e19, 123456789012.3456789}) {
        ExpectSameAsPrintf(value);
    }
    EXPECT_EQ(Fast(-0.0, 6), "-0.000000");
    EXPECT_EQ(Fast(2.5, 0), "2");
    EXPECT_EQ(Fast(-3.6106, 6), "-3.610600");
}

TEST(FormatFixed, AgreesWithPrintfOverEveryScale) {
    std::mt19937_64 random(20240229);
    std::uniform_real_distribution<double> degrees(-180.0, 180.0);
    std::uniform_int_distribution<int> exponent(-80, 80);
    std::uniform_int_distribution<long long> micro(-180000000, 180000000);
    for (int i = 0; i < 40000; ++i) {
        ExpectSameAsPrintf(degrees(random));
        ExpectSameAsPrintf(std::ldexp(degrees(random), exponent(random)));
        // Values typed with six or seven decimals sit next to the rounding edges.
        ExpectSameAsPrintf(static_cast<double>(micro(random)) / 1e6);
        ExpectSameAsPrintf(static_cast<double>(micro(random)) / 1e7 + 5e-7);
        // Exact binary fractions give exact ties.
        ExpectSameAsPrintf(static_cast<double>(micro(random)) / 1024.0 / 1024.0);
    }
}

}  // namespace
