// The report as LibreOffice Calc reads it. Each example walk's report is
// imported as tab-separated text and saved as CSV with every text cell
// quoted, so the CSV tells numbers from texts. Every row keeps its nine
// columns (fifteen with the route card), the numbers arrive as numbers holding the report's values, and
// IDs, grid references and descriptions arrive as the same texts, accented
// letters and "&" of the examples' descriptions among them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cli_run.h"
#include "judges.h"

namespace {

namespace fs = std::filesystem;

// Import: tab-separated, '"' quotes, UTF-8, from line 1, English numbers
// whatever the machine's language. Export: comma-separated, text cells quoted.
const char kImport[] = "Text - txt - csv (StarCalc):9,34,76,1,,1033";
const char kExport[] = "csv:Text - txt - csv (StarCalc):44,34,76,1,,1033,true";

// Columns of the report: # WP Lat Lon Elev Grid Distance Grade Description,
// and with the route card Leg Bearing Ascent Descent LegTime Time before
// Description, the two times read as times of day.
enum Kind { kText, kNumber, kTime };
const Kind kColumns[9] = {kNumber, kText, kNumber, kNumber, kNumber, kText, kNumber, kNumber, kText};
const Kind kCardColumns[15] = {kNumber, kText,   kNumber, kNumber, kNumber, kText, kNumber, kNumber,
                               kNumber, kNumber, kNumber, kNumber, kTime,   kTime, kText};

// Minutes into the day of "h:mm" (hours past 24 carry on) or of Calc's
// "hh:mm:ss AM".
int MinutesOfDay(const std::string& text) {
    int hours = 0, minutes = 0;
    char half[3] = {};
    EXPECT_GE(std::sscanf(text.c_str(), "%d:%d:%*d %2s", &hours, &minutes, half), 2) << text;
    if (half[0] == 'A' || half[0] == 'P') hours = hours % 12 + (half[0] == 'P' ? 12 : 0);
    return (hours * 60 + minutes) % (24 * 60);
}

struct Cell {
    std::string text;
    bool quoted = false;
};

std::vector<std::vector<Cell>> ParseCsv(const std::string& csv) {
    std::vector<std::vector<Cell>> rows(1, std::vector<Cell>(1));
    bool inQuotes = false;
    for (size_t i = 0; i < csv.size(); ++i) {
        char c = csv[i];
        Cell& cell = rows.back().back();
        if (inQuotes) {
            if (c == '"' && i + 1 < csv.size() && csv[i + 1] == '"') {
                cell.text += '"';
                ++i;
            } else if (c == '"') {
                inQuotes = false;
            } else {
                cell.text += c;
            }
        } else if (c == '"') {
            inQuotes = true;
            cell.quoted = true;
        } else if (c == ',') {
            rows.back().emplace_back();
        } else if (c == '\n') {
            rows.emplace_back(1);
        } else if (c != '\r') {
            cell.text += c;
        }
    }
    if (rows.back().size() == 1 && rows.back()[0].text.empty()) rows.pop_back();
    return rows;
}

std::vector<std::vector<std::string>> ParseReport(const std::string& report) {
    std::vector<std::vector<std::string>> rows;
    size_t start = 0;
    while (start < report.size()) {
        size_t end = report.find("\r\n", start);
        std::string line = report.substr(start, end - start);
        start = end == std::string::npos ? report.size() : end + 2;
        std::vector<std::string> fields;
        size_t from = 0;
        for (size_t tab = line.find('\t'); tab != std::string::npos; tab = line.find('\t', from)) {
            fields.push_back(line.substr(from, tab - from));
            from = tab + 1;
        }
        fields.push_back(line.substr(from));
        rows.push_back(fields);
    }
    return rows;
}

// A number as the report or the CSV writes it; a grade keeps its percent
// figure ("  -6%" and "-6.00%" are both -6).
double NumberIn(const std::string& text) {
    char* end = nullptr;
    double value = std::strtod(text.c_str(), &end);
    EXPECT_NE(end, text.c_str()) << "not a number: '" << text << "'";
    EXPECT_TRUE(*end == '\0' || (*end == '%' && end[1] == '\0')) << "not a number: '" << text << "'";
    return value;
}

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

TEST(ReportInCalc, EveryExampleReportOpensAsItsColumnsWithItsNumbers) {
    ScratchDir work;
    std::vector<std::string> reports;
    for (const fs::directory_entry& entry : fs::directory_iterator(std::string(SOURCE_DIR) + "/examples")) {
        if (entry.path().extension() != ".txt") continue;
        std::string wayfile = entry.path().filename().string();
        WriteFile(work.File(wayfile), ReadFile(entry.path().string()));
        CliResult run = RunCli(CAIRNLOG_PATH, {"-r", wayfile}, work.path);
        ASSERT_EQ(run.status, 0) << run.err;
        reports.push_back(entry.path().stem().string() + "Report");
    }
    ASSERT_FALSE(reports.empty());

    // One Calc start converts them all; a scratch profile and home keep it
    // off the user's own settings.
    std::vector<std::string> files;
    for (const std::string& report : reports) files.push_back(report + ".txt");
    std::string log;
    ASSERT_EQ(CalcConvert(work.path, kImport, kExport, "csv", files, &log), 0) << log;

    for (const std::string& report : reports) {
        SCOPED_TRACE(report);
        std::vector<std::vector<std::string>> written = ParseReport(ReadFile(work.File(report + ".txt")));
        std::vector<std::vector<Cell>> read = ParseCsv(ReadFile(work.File("csv/" + report + ".csv")));
        ASSERT_EQ(read.size(), written.size()) << log;
        const size_t columns = written[0].size();
        ASSERT_TRUE(columns == 9 || columns == 15) << columns;
        const Kind* kinds = columns == 9 ? kColumns : kCardColumns;
        for (size_t row = 0; row < read.size(); ++row) {
            SCOPED_TRACE("row " + std::to_string(row));
            ASSERT_EQ(written[row].size(), columns);
            ASSERT_EQ(read[row].size(), columns);
            for (size_t column = 0; column < columns; ++column) {
                const std::string& sent = written[row][column];
                const Cell& cell = read[row][column];
                SCOPED_TRACE("column " + std::to_string(column) + ": '" + sent + "' read as '" + cell.text + "'");
                if (row == 0 || kinds[column] == kText) {
                    EXPECT_TRUE(cell.quoted || sent.empty());  // a totals row has no grid reference
                    EXPECT_EQ(cell.text, sent);
                } else if (IsBlank(sent)) {
                    EXPECT_TRUE(cell.text.empty());
                } else if (kinds[column] == kTime) {
                    EXPECT_FALSE(cell.quoted);
                    EXPECT_EQ(MinutesOfDay(cell.text), MinutesOfDay(sent));
                } else {
                    EXPECT_FALSE(cell.quoted);
                    EXPECT_LT(std::fabs(NumberIn(cell.text) - NumberIn(sent)), 1e-9);
                }
            }
        }
    }
}

}  // namespace
