#include "text_line.h"
#include "utf8_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Runs an in-place utility on a copy of input and returns the result.
template <typename Fn>
std::string Edited(const std::string& input, Fn fn) {
    std::string buffer = input;
    fn(&buffer[0]);
    return buffer.c_str();
}

TEST(FirstBadChar, FindsControlMarkupAndHighBytes) {
    EXPECT_EQ(FirstBadChar("Stile by gate, 2 km!"), 0);
    EXPECT_EQ(FirstBadChar(""), 0);
    EXPECT_EQ(FirstBadChar("Fish & chips"), '&');
    EXPECT_EQ(FirstBadChar("a<b>"), '<');
    EXPECT_EQ(FirstBadChar("x>"), '>');
    EXPECT_EQ(FirstBadChar("tab\there"), '\t');
    EXPECT_EQ(FirstBadChar("del\x7f"), 0x7f);
    EXPECT_EQ(FirstBadChar("caf\xc3\xa9"), 0xc3);
    EXPECT_EQ(FirstBadChar("~ }"), 0);
}

TEST(FirstBadTextChar, TakesValidUtf8RefusesControlsAndBrokenBytes) {
    struct {
        const char* text;
        int bad;
    } const rows[] = {
        {"Fox & Hounds <1>", 0},
        {"\xc2\xa0 \xc2\xa3 \xe2\x82\xac \xef\xbf\xbd \xf4\x8f\xbf\xbf", 0},  // U+00A0 to U+10FFFF
        {"\xed\x9f\xbf \xee\x80\x80", 0},  // either side of the surrogates
        {"\xed\xa0\x80", 0xed},        // surrogates, first and last
        {"\xed\xbf\xbf", 0xed},
        {"a\x7f", 0x7f},
        {"a\x1b", 0x1b},
        {"\xc2\x9f", 0xc2},            // C1 control
        {"\xe0\x9f\xbf", 0xe0},        // overlong
        {"\xef\xbf\xbe", 0xef},        // U+FFFE
        {"\xf4\x90\x80\x80", 0xf4},    // beyond U+10FFFF
        {"\xf5\x80\x80\x80", 0xf5},
        {"\xf0\x9f\x8c", 0xf0},        // cut short at the end
        {"\x80", 0x80},
    };
    for (const auto& row : rows) EXPECT_EQ(FirstBadTextChar(row.text), row.bad) << row.text;
}

TEST(DirectiveNameIs, MatchesExactNameWithAllowedFollower) {
    EXPECT_EQ(DirectiveNameIs("TITLE=x", "TITLE", "= \t"), 0);
    EXPECT_EQ(DirectiveNameIs("TITLE", "TITLE", "= \t"), 0);
    EXPECT_EQ(DirectiveNameIs("TITLE x", "TITLE", "= \t"), 0);
    EXPECT_NE(DirectiveNameIs("TITLE:x", "TITLE", "= \t"), 0);
    EXPECT_NE(DirectiveNameIs("title=x", "TITLE", "= \t"), 0);
    EXPECT_NE(DirectiveNameIs("SYMBOL=x", "SYM", ".= \t"), 0);
    EXPECT_EQ(DirectiveNameIs("SYM.c=x", "SYM", ".= \t"), 0);
    EXPECT_NE(DirectiveNameIs("NEW_COLUMN=1", "NEW_COLUMN", ""), 0);
    EXPECT_EQ(DirectiveNameIs("NEW_COLUMN", "NEW_COLUMN", ""), 0);
    EXPECT_NE(DirectiveNameIs("TIT", "TITLE", "="), 0);
}

TEST(TextLine, CleaningSteps) {
    EXPECT_EQ(Edited("abc\r\n", CutAtLineEnd), "abc");
    EXPECT_EQ(Edited("ab\rc\n", CutAtLineEnd), "ab");
    EXPECT_EQ(HasTextAfterCarriageReturn("ab\rc\n"), 1);
    EXPECT_EQ(HasTextAfterCarriageReturn("\r\rx"), 1);
    EXPECT_EQ(HasTextAfterCarriageReturn("abc\r\n"), 0);
    EXPECT_EQ(HasTextAfterCarriageReturn("abc\r\r\n"), 0);
    EXPECT_EQ(HasTextAfterCarriageReturn("abc\r"), 0);
    EXPECT_EQ(HasTextAfterCarriageReturn("abc\n"), 0);
    EXPECT_EQ(Edited("Gate | locked", [](char* t) { CutAtChar(t, '|'); }), "Gate ");
    EXPECT_EQ(Edited("no bar", [](char* t) { CutAtChar(t, '|'); }), "no bar");
    EXPECT_EQ(Edited("word \t \t", TrimTrailingBlanks), "word");
    EXPECT_EQ(Edited(" \t", TrimTrailingBlanks), "");
    EXPECT_EQ(Edited("a\tb\tc", [](char* t) { ReplaceChar(t, '\t'); }), "a b c");
    EXPECT_EQ(Edited("8.5x11X2", [](char* t) { ReplaceChar(t, 'x'); }), "8.5 11X2");
    EXPECT_EQ(Edited("abc", [](char* t) { ReplaceChar(t, '\0'); }), "abc");
    EXPECT_EQ(Edited("RULE_All Km", [](char* t) { LowerCaseInPlace(t); }), "rule_all km");
}

TEST(TextLine, Positions) {
    const char* text = " \t C001  54.5\t-2.1 Stile";
    EXPECT_STREQ(SkipBlanks(text), "C001  54.5\t-2.1 Stile");
    EXPECT_STREQ(SkipBlanks(""), "");
    const char* data = SkipBlanks(text);
    EXPECT_STREQ(SkipFields(data, 0), data);
    EXPECT_STREQ(SkipFields(data, 1), "54.5\t-2.1 Stile");
    EXPECT_STREQ(SkipFields(data, 3), "Stile");
    EXPECT_STREQ(SkipFields(data, 5), "");
    EXPECT_STREQ(FindCharOrEnd("a=b=c", '='), "=b=c");
    EXPECT_STREQ(FindCharOrEnd("abc", '='), "");
}

TEST(FindExtension, PointsAfterLastDot) {
    struct Row { const char* name; const char* rest; };
    const Row rows[] = {
        {"route.txt", "txt"},
        {"route", ""},
        {"route.", ""},
        {"maps.old/route", "old/route"},
        {"a.b.c", "c"},
        {"", ""},
    };
    for (const Row& row : rows) EXPECT_STREQ(FindExtension(row.name), row.rest) << row.name;
    const char* name = "route";
    EXPECT_EQ(FindExtension(name), name + 5);
}

}  // namespace
