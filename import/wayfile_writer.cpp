#include "wayfile_writer.h"

#include <cctype>
#include <charconv>
#include <cstring>
#include <string>

#include "fixed_format.h"
#include "line_batch.h"
#include "put_text.h"
#include "utf8_text.h"

namespace {

int DigitsFor(size_t count, int minimum) {
    int digits = 1;
    for (size_t rest = count; rest >= 10; rest /= 10) ++digits;
    return digits > minimum ? digits : minimum;
}

// cairnlog takes a description's first word for the elevation when it
// reads as a number: such a line gets the elevation 0, which cairnlog
// assumes for a line without one anyway.
bool LooksLikeNumber(std::string_view text) {
    return !text.empty() && std::strchr("0123456789+-.", text[0]) != nullptr;
}

// number with at least digits digits, zeros in front.
char* PutNumber(char* out, long long number, int digits) {
    char text[24];
    char* end = std::to_chars(text, text + sizeof text, number).ptr;
    for (long long pad = digits - (end - text); pad > 0; --pad) *out++ = '0';
    return PutText(out, std::string_view(text, static_cast<size_t>(end - text)));
}

void WritePoint(LineBatch& batch, char letter, size_t number, int digits, const GpxPoint& point, int32_t elevM,
                std::string_view text) {
    char* start = LineRoom(batch, kWayFileLineMax + 1);
    char* out = start;
    *out++ = letter;
    out = PutNumber(out, static_cast<long long>(number), digits);
    out = PutText(out, "  ");
    out = FormatFixed(out, point.LatDeg, 6);
    out = PutText(out, "  ");
    out = FormatFixed(out, point.LonDeg, 6);
    if (elevM != kNoElevation || LooksLikeNumber(text)) {
        out = PutText(out, "  ");
        out = PutNumber(out, elevM != kNoElevation ? elevM : 0, 1);
    }
    // The description takes what room the line has left after two blanks.
    size_t room = kWayFileLineMax - static_cast<size_t>(out - start);
    size_t length = room > 2 ? Utf8PrefixLength(text.data(), room - 2) : 0;
    while (length > 0 && text[length - 1] == ' ') --length;
    if (length > 0) {
        out = PutText(out, "  ");
        out = PutText(out, text.substr(0, length));
    }
    *out++ = '\n';
    LineDone(batch, out);
}

void WriteDirective(LineBatch& batch, std::string_view directive, std::string_view value) {
    char* out = LineRoom(batch, kWayFileLineMax + 1);
    out = PutText(out, directive);
    out = PutText(out, value);
    *out++ = '\n';
    LineDone(batch, out);
}

constexpr int kLetters = 26;

int LetterIndex(char letter) { return letter - 'A'; }

// A free letter for a symbol: its first letter, else the first free one.
char FreeLetter(const std::string& symbol, const std::vector<uint8_t>& taken) {
    char first = static_cast<char>(std::toupper(static_cast<unsigned char>(symbol[0])));
    if (first >= 'A' && first <= 'Z' && !taken[LetterIndex(first)]) return first;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (!taken[LetterIndex(letter)]) return letter;
    }
    return '\0';
}

}  // namespace

RowLetters LetterRows(const GpxData& data, const PathPlan& plan) {
    RowLetters letters;
    letters.SymbolOf.assign(kLetters, 0);
    letters.OnPath.assign(kLetters, 0);
    std::vector<uint8_t> taken(kLetters, 0);
    taken[LetterIndex(kPathLetter)] = 1;
    taken[LetterIndex(kPoiLetter)] = 1;
    // By symbol number: the letter of its places on the path, and beside it.
    std::vector<char> onPath(data.Symbols.size() + 1, '\0');
    std::vector<char> beside(data.Symbols.size() + 1, '\0');
    onPath[0] = kPathLetter;
    beside[0] = kPoiLetter;
    bool poiLetterUsed = false;
    for (const PlanRow& row : plan.Rows) {
        if (row.Kind == kPathRow) {
            letters.OfRow.push_back(kPathLetter);
            continue;
        }
        uint32_t symbol = plan.Places[row.Index].Symbol;
        bool named = row.Kind == kNamedPlaceRow;
        char& letter = named ? onPath[symbol] : beside[symbol];
        if (letter == '\0') {
            letter = FreeLetter(data.Symbols[symbol - 1], taken);
            if (letter == '\0') {
                letter = named ? kPathLetter : kPoiLetter;  // 24 symbols and more share the plain ones
            } else {
                taken[LetterIndex(letter)] = 1;
                letters.SymbolOf[LetterIndex(letter)] = symbol;
                letters.OnPath[LetterIndex(letter)] = named;
                letters.Order.push_back(letter);
            }
        }
        if (letter == kPoiLetter && !poiLetterUsed) {
            poiLetterUsed = true;
            letters.Order.push_back(kPoiLetter);
        }
        letters.OfRow.push_back(letter);
    }
    return letters;
}

int WriteWayFile(std::FILE* file, const GpxData& data, const PathPlan& plan, PlaceGrid grid) {
    LineBatch batch = MakeLineBatch(file);
    RowLetters letters = LetterRows(data, plan);
    bool hasPath = !plan.Path.empty();
    if (!plan.Title.empty()) WriteDirective(batch, "#TITLE=", plan.Title);
    WriteDirective(batch, "#GRID=", grid == kPlaceGridIrish ? "IRISH" : "OSGB");
    if (hasPath) WriteDirective(batch, "#SYM_RULE.C=", "RULE_ALL");
    for (char letter : letters.Order) {
        char name[] = {'#', 'S', 'Y', 'M', '.', letter, '=', '\0'};
        uint32_t symbol = letters.SymbolOf[LetterIndex(letter)];
        WriteDirective(batch, name, symbol == 0 ? kDefaultPoiSymbol : data.Symbols[symbol - 1]);
        if (letters.OnPath[LetterIndex(letter)]) {
            char path[] = {'#', 'P', 'A', 'T', 'H', '.', letter, '=', '\0'};
            WriteDirective(batch, path, std::string_view(&kPathLetter, 1));
        }
    }
    if (hasPath) {
        WriteDirective(batch, "#ROUTE_CARD", "");
        WriteDirective(batch, "#VIA=", "UNDESCRIBED");
        WriteDirective(batch, "#GPX_ROUTE=", std::string_view(&kPathLetter, 1));  // the whole path for the GPS
    }
    size_t counts[kLetters] = {};
    for (char letter : letters.OfRow) ++counts[LetterIndex(letter)];
    size_t numbers[kLetters] = {};
    size_t stage = 0;
    for (size_t r = 0; r < plan.Rows.size(); ++r) {
        const PlanRow& row = plan.Rows[r];
        for (; stage < plan.Stages.size() && plan.Stages[stage].PathIndex <= row.PathAt; ++stage) {
            WriteDirective(batch, "#STAGE=", plan.Stages[stage].Name);
        }
        char letter = letters.OfRow[r];
        int index = LetterIndex(letter);
        int digits = DigitsFor(counts[index], letter == kPathLetter ? kPathIdDigitsMin : kPoiIdDigitsMin);
        const GpxPoint& point = RowPoint(data, plan, row);
        WritePoint(batch, letter, ++numbers[index], digits, point, RowElevM(plan, row), PointTextOf(data, point));
    }
    return WriteLineBatch(batch);
}
