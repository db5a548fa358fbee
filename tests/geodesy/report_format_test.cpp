#include "report_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

namespace {

std::string Printf(double value, int width, int precision, bool zeroPad) {
    char text[512];
    std::snprintf(text, sizeof text, zeroPad ? "%0*.*f" : "%*.*f", width, precision, value);
    return text;
}

std::string Fixed(double value, int width, int precision, bool zeroPad) {
    char text[kReportNumberMax];
    return std::string(text, PutFixed(text, value, width, precision, zeroPad));
}

std::string Integer(long value, int width, bool zeroPad) {
    char text[kReportNumberMax];
    return std::string(text, PutInteger(text, value, width, zeroPad));
}

// The report's own conversions, against printf itself, over values that
// stress rounding: exact halves, values a hair either side, signs, zeros,
// huge and non-finite values.
TEST(PutFixed, MatchesPrintfOnTheReportConversions) {
    std::vector<double> values = {0.0, -0.0, 0.5, 1.5, 2.5, -0.5, -2.5, 0.125, 0.005, 0.015,
                                  9.95, -12.4, 99999.5, 511630.5, 42095.1, 54.5, -2.0,
                                  179.99999995, -0.00000005, 1e15, -1e300,
                                  std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::denorm_min(),
                                  std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::quiet_NaN()};
    uint64_t state = 88172645463325252ull;
    for (int i = 0; i < 20000; ++i) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        const double unit = static_cast<double>(state >> 11) / 9007199254740992.0;
        values.push_back((unit - 0.5) * std::pow(10.0, i % 9));
        values.push_back(std::nextafter(std::round(unit * 2000.0) / 8.0, 0.0));
    }
    const struct {
        int width, precision;
        bool zeroPad;
    } conversions[] = {{12, 7, false}, {5, 0, false}, {6, 0, true}, {7, 2, false}, {4, 0, false}};
    for (double value : values) {
        for (const auto& c : conversions) {
            ASSERT_EQ(Fixed(value, c.width, c.precision, c.zeroPad),
                      Printf(value, c.width, c.precision, c.zeroPad))
                << value << " width " << c.width << " precision " << c.precision;
        }
    }
}

TEST(PutInteger, MatchesPrintf) {
    const long values[] = {0, 7, 98, 11631, 99999, -3, 123456, std::numeric_limits<long>::min()};
    for (long value : values) {
        char text[64];
        std::snprintf(text, sizeof text, "%05ld", value);
        EXPECT_EQ(Integer(value, 5, true), text);
        std::snprintf(text, sizeof text, "%ld", value);
        EXPECT_EQ(Integer(value, 0, false), text);
    }
}

}  // namespace
