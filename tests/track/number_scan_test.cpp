#include "number_scan.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>

namespace {

// Bytes of the three values, so that NaNs and -0 compare too.
struct Scan {
    int result;
    unsigned char bytes[3 * sizeof(double)];
};

Scan Fast(const char* text) {
    Scan scan;
    double values[3] = {-7.0, -7.0, -7.0};
    scan.result = ScanThreeNumbers(text, values);
    std::memcpy(scan.bytes, values, sizeof values);
    return scan;
}

Scan Sscanf(const char* text) {
    Scan scan;
    double values[3] = {-7.0, -7.0, -7.0};
    scan.result = std::sscanf(text, "%lf %lf %lf", &values[0], &values[1], &values[2]);
    std::memcpy(scan.bytes, values, sizeof values);
    return scan;
}

TEST(ScanThreeNumbers, ReadsWhatSscanfReads) {
    const char* const texts[] = {
        "54.5 -2.1", "54.5 -2.1 120", "  54.5   -2.1   120  ", "54.5 -2.1 120 9 more",
        "1 2 stile", "1 2 3stile", "1 2 3e", "1 2 3e+", "1e5 2E-3 .5", "5. -.5 +3",
        "+54.5 -2.1", "0x1p3 2", "0x 2 3", "1 2 0x", "inf -INF nan", "infinity 1 2",
        "infi 1 2", "nan(12) 1 2", "1 nan(x", "1e400 -1e400 1e-400", "4.9e-324 1 2",
        "54,5 -2,1", "54.5", "", "   ", "-", "- 1 2", "1 - 2", ".", "1 . 2", "1\v2\f3",
        "00012.5000 -0 0", "1..2 3 4", "1e5.5 2 3",
    };
    for (const char* text : texts) {
        Scan fast = Fast(text);
        Scan slow = Sscanf(text);
        EXPECT_EQ(fast.result, slow.result) << "\"" << text << "\"";
        EXPECT_EQ(std::memcmp(fast.bytes, slow.bytes, sizeof fast.bytes), 0) << "\"" << text << "\"";
    }
}

TEST(ScanThreeNumbers, AgreesWithSscanfOnRandomNumberLikeTexts) {
    const char alphabet[] = "0123456789.eE+- xinfa(\t";
    std::mt19937 random(1771);
    std::uniform_int_distribution<int> length(0, 14);
    std::uniform_int_distribution<int> pick(0, sizeof alphabet - 2);
    for (int i = 0; i < 100000; ++i) {
        std::string text;
        for (int n = length(random); n > 0; --n) text += alphabet[pick(random)];
        Scan fast = Fast(text.c_str());
        Scan slow = Sscanf(text.c_str());
        ASSERT_EQ(fast.result, slow.result) << "\"" << text << "\"";
        ASSERT_EQ(std::memcmp(fast.bytes, slow.bytes, sizeof fast.bytes), 0) << "\"" << text << "\"";
    }
}

}  // namespace
