#include "print_wrapped.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Printed {
    int result;
    std::string text;
};

Printed Print(std::vector<const char*> entries) {
    entries.push_back("");
    char* buffer = nullptr;
    size_t size = 0;
    std::FILE* stream = open_memstream(&buffer, &size);
    Printed printed;
    printed.result = PrintWrapped(stream, entries.data());
    std::fclose(stream);
    printed.text.assign(buffer, size);
    std::free(buffer);
    return printed;
}

TEST(PrintWrapped, ShortEntriesOneLineEach) {
    EXPECT_EQ(Print({"Usage: x", " ", "Version 1.6"}).text, "Usage: x\n \nVersion 1.6\n");
    EXPECT_EQ(Print({}).text, "");
}

TEST(PrintWrapped, StopsAtFirstEmptyEntry) {
    const char* table[] = {"one", "", "two", nullptr};
    char* buffer = nullptr;
    size_t size = 0;
    std::FILE* stream = open_memstream(&buffer, &size);
    EXPECT_EQ(PrintWrapped(stream, table), 0);
    std::fclose(stream);
    EXPECT_EQ(std::string(buffer, size), "one\n");
    std::free(buffer);
}

TEST(PrintWrapped, WrapsBeforeAWordThatWouldReachTheEnd) {
    std::string first(70, 'a');
    std::string entry = first + " bbbbbbbbb ccc";  // 70 + 1 + 9 reaches 80
    EXPECT_EQ(Print({entry.c_str()}).text, first + " \nbbbbbbbbb ccc\n");
    std::string fits = first + " bbbbbbbb";        // 70 + 1 + 8 stays below 80
    EXPECT_EQ(Print({fits.c_str()}).text, fits + "\n");
}

TEST(PrintWrapped, FullLineIsFollowedByAnEmptyLine) {
    std::string eighty(80, 'x');
    EXPECT_EQ(Print({eighty.c_str()}).text, eighty + "\n\n");
    std::string longer(85, 'y');
    EXPECT_EQ(Print({longer.c_str()}).text, std::string(80, 'y') + "\n" + std::string(5, 'y') + "\n");
}

TEST(PrintWrapped, BlankInLastColumnAfterFullStopDropsBothBlanks) {
    std::string head(78, 'a');
    std::string entry = head + ".  Next";  // the first blank falls in column 80
    EXPECT_EQ(Print({entry.c_str()}).text, head + ".\nNext\n");
    std::string plain = std::string(79, 'a') + " Next";
    EXPECT_EQ(Print({plain.c_str()}).text, std::string(79, 'a') + "\nNext\n");
}

TEST(PrintWrapped, ControlBytesSetLengthTabAndPrefix) {
    // Line length 20, then words wrap at 20.
    EXPECT_EQ(Print({"\x0c\x14" "aaaa bbbb cccc dddd eeee"}).text, "aaaa bbbb cccc dddd\neeee\n");
    // A line length below 8 becomes 8.
    EXPECT_EQ(Print({"\x0c\x02" "abcdefghij"}).text, "abcdefgh\nij\n");
    // Tab spacing 4 pads to the next multiple of 4.
    EXPECT_EQ(Print({"\x0b\x04" "ab\tc"}).text, "ab  c\n");
    EXPECT_EQ(Print({"ab\tc"}).text, "ab      c\n");
    // A prefix starts every later line; the entry holding it prints nothing.
    EXPECT_EQ(Print({"\x08>> ", "one", "two"}).text, ">> one\n>> two\n");
    // LF ends a line.
    EXPECT_EQ(Print({"a\nb"}).text, "a\nb\n");
}

TEST(PrintWrapped, TabReachingTheEndPadsTheNewLine) {
    std::string entry = std::string(75, 'a') + "\tb";
    EXPECT_EQ(Print({entry.c_str()}).text, std::string(75, 'a') + "\n        b\n");
    // The new line starts with the prefix, then pads to the tab stop.
    entry = std::string(72, 'a') + "\tb";
    EXPECT_EQ(Print({"\x08>> ", entry.c_str()}).text, ">> " + std::string(72, 'a') + "\n>>      b\n");
}

TEST(PrintWrapped, PrefixTooLongIsAUsageError) {
    std::string prefix = "\x08" + std::string(68, 'p');  // 68 >= 80 - 12
    testing::internal::CaptureStderr();
    Printed printed = Print({prefix.c_str(), "never"});
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Usage Error: (strlen(Special) >= (LineLen - 12)), aborting\n");
    EXPECT_EQ(printed.result, 1);
    EXPECT_EQ(printed.text, "");
}

}  // namespace
