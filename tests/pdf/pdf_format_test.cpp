#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "Pdf.h"

namespace {

std::string Number(double value) {
    char out[32];
    return std::string(out, static_cast<std::size_t>(PdfFormatNumber(out, value)));
}

template <typename... Args>
std::string Format(const char* format, Args... args) {
    char out[256];
    int count = PdfFormat(out, format, args...);
    EXPECT_EQ(out[count], '\0');
    return std::string(out, static_cast<std::size_t>(count));
}

TEST(PdfFormatNumber, RoundsHalfUpToTwoDecimalsWithoutTrailingZeros) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "0"},         {3, "3"},          {2.5, "2.5"},      {0.25, "0.25"},
        {0.999, "1"},     {0.004, "0"},      {-2.5, "-2.5"},    {-0.0001, "0"},
        {-0.001, "-0"},   {0.05, "0.05"},    {774, "774"},      {28.79999999999999, "28.8"},
        {4294967295.0, "4294967295"},       {-1234.5, "-1234.5"},
        {1e-300, "0"},
    };
    for (const auto& c : cases) EXPECT_EQ(Number(c.value), c.text) << c.value;
}

TEST(PdfFormatNumber, NumbersBeyondThirtyTwoBitsAreMarkedNotMangled) {
    EXPECT_EQ(Number(std::nan("")), "**overflow**");
    EXPECT_EQ(Number(1e20), "**overflow**");
    EXPECT_EQ(Number(-INFINITY), "-**overflow**");
}

TEST(PdfFormat, ConversionsAsTheContentStreamsUseThem) {
    EXPECT_EQ(Format("%d", -7), "-7");
    EXPECT_EQ(Format("%ld|%lu|%u", 42, 7u, 4294967295u), "42|7|4294967295");
    EXPECT_EQ(Format("%f", 1e10), "**overflow**");
    EXPECT_EQ(Format("%f", -4294967295.0), "**overflow**");
    EXPECT_EQ(Format("%f %f m\r\n", 12.5, 0.333), "12.5 0.33 m\r\n");
    EXPECT_EQ(Format("%x"), "x");
    EXPECT_EQ(Format("%lx"), "lx");
    EXPECT_EQ(Format("100%%"), "100%");
    EXPECT_EQ(Format("%c%c", 'o', 'k'), "ok");
    EXPECT_EQ(Format("(%s)Tj", "a(b)"), "(a\\(b\\))Tj");
    EXPECT_EQ(Format("stop%"), "stop");
}

TEST(PdfEscapeString, BackslashesBeforeParenthesesAndBackslashes) {
    char out[32];
    int count = PdfEscapeString(out, "a(b)c\\d");
    EXPECT_EQ(std::string(out, static_cast<std::size_t>(count)), "a\\(b\\)c\\\\d");
}

}  // namespace
