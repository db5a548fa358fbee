// The line reader both programs use: pieces of at most 254 bytes, each
// cleaned and numbered, a byte order mark skipped at the start only.
#include "line_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

TEST(CleanLine, LineEndCommentTrailingBlanksAndTabs) {
    const std::pair<const char*, const char*> rows[] = {
        {"C1 54 -2 Gate | locked in winter\r\n", "C1 54 -2 Gate"},
        {"C1\t54\t-2\tOld\tmill \t \n", "C1 54 -2 Old mill"},
        {"   | only a comment", ""},
        {"first\rsecond\n", "first"},
        {"#SYM.C = Flag, Red   | main path", "#SYM.C = Flag, Red"},
        {"54.5\t-2.1\t120 | top\r\n", "54.5 -2.1 120"},
    };
    for (const auto& [input, cleaned] : rows) {
        std::string text = input;
        CleanLine(&text[0]);
        EXPECT_STREQ(text.c_str(), cleaned) << input;
    }
}

struct Line {
    int lineNo;
    std::string text;
    int textLost;
    bool operator==(const Line& other) const {
        return lineNo == other.lineNo && text == other.text && textLost == other.textLost;
    }
};

void PrintTo(const Line& line, std::ostream* os) {
    *os << "{" << line.lineNo << ", \"" << line.text << "\", " << line.textLost << "}";
}

// Every line ReadCleanLine gives for the bytes of a file.
std::vector<Line> ReadAll(const std::string& bytes) {
    std::string copy = bytes;
    std::FILE* file = copy.empty() ? std::fopen("/dev/null", "r") : ::fmemopen(&copy[0], copy.size(), "r");
    EXPECT_NE(file, nullptr);
    std::unique_ptr<LineReader> reader = MakeLineReader(file);
    std::vector<Line> lines;
    char line[kLinePieceMax + 1];
    int textLost = -1;
    while (ReadCleanLine(*reader, line, textLost)) lines.push_back({reader->lineNo, line, textLost});
    std::fclose(file);
    return lines;
}

struct ReadCase {
    const char* name;
    std::string bytes;
    std::vector<Line> lines;
};

const std::string kA240(240, 'a');

const ReadCase kReadCases[] = {
    {"EmptyFileHasNoLine", "", {}},
    {"LastLineWithoutLineFeedCounts", "54.5 -2.1\n54.6 -2.2 300", {{1, "54.5 -2.1", 0}, {2, "54.6 -2.2 300", 0}}},
    {"BlankAndCommentLinesAreNumbered", "| note\n\n \t \nC1 54 -2\n", {{1, "", 0}, {2, "", 0}, {3, "", 0}, {4, "C1 54 -2", 0}}},
    // 300 bytes: a piece of 254, then the rest as the next line.
    {"LongLineArrivesInPieces", "C1 " + kA240 + " 54.6      -2.2" + std::string(41, 'b') + "\nC2\n",
     {{1, "C1 " + kA240 + " 54.6", 0}, {2, "-2.2" + std::string(41, 'b'), 0}, {3, "C2", 0}}},
    // Exactly 254 bytes leave the line feed alone in an empty piece that counts.
    {"FullPieceLeavesAnEmptyLine", std::string(254, 'c') + "\nC2\n",
     {{1, std::string(254, 'c'), 0}, {2, "", 0}, {3, "C2", 0}}},
    {"ByteOrderMarkTakesNoRoom", "\xEF\xBB\xBF" + std::string(254, 'd') + "\nC2\n",
     {{1, std::string(254, 'd'), 0}, {2, "", 0}, {3, "C2", 0}}},
    {"ByteOrderMarkOnlyAtTheStart", "C1\n\xEF\xBB\xBF" "C2\n", {{1, "C1", 0}, {2, "\xEF\xBB\xBF" "C2", 0}}},
    {"NulByteEndsTheText", std::string("Gate\0 | hidden\nStile\n", 21), {{1, "Gate", 0}, {2, "Stile", 0}}},
    {"CrLfAndCrCrLfAreClean", "C1\r\nC2\r\r\nC3\r", {{1, "C1", 0}, {2, "C2", 0}, {3, "C3", 0}}},
    // CR-only line ends: one piece, cut at its first CR.
    {"TextAfterACarriageReturnIsLost", "C1\rC2\rC3\r\n\r| note\n", {{1, "C1", 1}, {2, "", 1}}},
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const ReadCase& row, std::ostream* os) { *os << row.name; }

class ReadCleanLineCase : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadCleanLineCase, Lines) { EXPECT_EQ(ReadAll(GetParam().bytes), GetParam().lines); }

INSTANTIATE_TEST_SUITE_P(Rows, ReadCleanLineCase, testing::ValuesIn(kReadCases),
                         [](const testing::TestParamInfo<ReadCase>& row) { return std::string(row.param.name); });

TEST(ReadCleanLine, ReadErrorShowsInTheStream) {
    std::FILE* directory = std::fopen(".", "r");
    ASSERT_NE(directory, nullptr);
    std::unique_ptr<LineReader> reader = MakeLineReader(directory);
    char line[kLinePieceMax + 1];
    int textLost = 0;
    EXPECT_EQ(ReadCleanLine(*reader, line, textLost), 0);
    EXPECT_NE(std::ferror(directory), 0);
    std::fclose(directory);
}

}  // namespace
