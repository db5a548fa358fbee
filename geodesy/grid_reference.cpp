#include "grid_reference.h"

#include "grid_params.h"
#include "text_line.h"

namespace {

// Digits of easting or northing at most: to the metre within 100 km.
constexpr int kMaxHalfDigits = kGridRefMaxDigits / 2;

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }

int SkipBlanksFrom(const char* text, int pos) { return static_cast<int>(SkipBlanks(text + pos) - text); }

// A field of the text that starts with a digit.
struct DigitGroup {
    int start = 0;
    int digits = 0;       // leading digits
    int end = 0;          // where the field ends: a blank, a tab or the end
    bool allDigits = false;
};

DigitGroup ReadGroup(const char* text, int start) {
    DigitGroup group;
    group.start = start;
    while (IsDigit(text[start + group.digits])) ++group.digits;
    group.end = start + group.digits;
    while (text[group.end] != '\0' && !IsBlankOrTab(text[group.end])) ++group.end;
    group.allDigits = group.end == start + group.digits;
    return group;
}

// Centre, in metres from the square's corner, of the strip count digits
// name: "482" is 48200 to 48300 m, so 48250.
double StripCentreM(const char* digits, int count) {
    double value = 0.0;
    double stripM = kSquareSizeM;
    for (int i = 0; i < count; ++i) {
        value = value * 10.0 + (digits[i] - '0');
        stripM /= 10.0;
    }
    return value * stripM + stripM / 2.0;
}

// Column and row of the square whose letters (count of them, either case)
// are given; 1 when the table has no such square.
int FindSquare(const SquareTable& table, const char* letters, int count, int& column, int& row) {
    for (int i = 0; i < table.Columns * table.Rows; ++i) {
        const char* entry = table.Letters[i];
        int same = 0;
        while (same < count && entry[same] == UpperCase(letters[same])) ++same;
        if (same == count && entry[count] == '\0') {
            column = i % table.Columns;
            row = i / table.Columns;
            return 0;
        }
    }
    return 1;
}

}  // namespace

GridRefScan ScanGridReference(const char* text, GridReference& ref, int& usedChars) {
    int letters = 0;
    while (IsLetter(text[letters])) ++letters;
    const int digitsAt = SkipBlanksFrom(text, letters);
    if (letters < 1 || letters > 2 || !IsDigit(text[digitsAt])) return kNotGridReference;

    const DigitGroup first = ReadGroup(text, digitsAt);
    const int nextAt = SkipBlanksFrom(text, first.end);
    const bool hasSecond = first.allDigits && IsDigit(text[nextAt]);
    const DigitGroup second = hasSecond ? ReadGroup(text, nextAt) : DigitGroup();

    // Easting and northing digits: two groups of the same length, or else
    // the first group alone, split in half.
    const char* eastDigits = text + first.start;
    const char* northDigits = nullptr;
    int halfDigits = 0;
    if (hasSecond && second.allDigits && second.digits == first.digits) {
        usedChars = second.end;
        northDigits = text + second.start;
        halfDigits = first.digits;
    } else if (first.allDigits && first.digits % 2 == 0) {
        usedChars = first.end;
        halfDigits = first.digits / 2;
        northDigits = eastDigits + halfDigits;
    } else {
        usedChars = hasSecond ? second.end : first.end;
        return kBadGridReference;
    }
    if (halfDigits > kMaxHalfDigits) return kBadGridReference;

    const bool osgb = letters == 2;
    const SquareTable& table = osgb ? OsgbSquareTable : IrishSquareTable;
    int column = 0, row = 0;
    if (FindSquare(table, text, letters, column, row) != 0) return kBadGridReference;
    ref.Grid = osgb ? kGridOsgb : kGridIrish;
    ref.EastingM = column * kSquareSizeM + StripCentreM(eastDigits, halfDigits);
    ref.NorthingM = row * kSquareSizeM + StripCentreM(northDigits, halfDigits);
    return kGridReferenceRead;
}
