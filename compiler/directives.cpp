#include "directives.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "guide_layout.h"
#include "text_line.h"

namespace {

// Largest page dimension in inches: a PDF page is at most 14,400 points.
constexpr double kMaxPageInches = 200.0;
// Narrowest field or row in inches that the guide still lays out.
constexpr double kMinFieldInches = 0.01;
// Largest font size in points.
constexpr double kMaxFontPoints = 200.0;

constexpr const char* kNameOnly = "= \t";        // followers of most names
constexpr const char* kNameOrLetter = ".= \t";   // followers of SYM and SYM_RULE
constexpr const char* kEndOnly = "";             // NEW_COLUMN stands alone

// Prints "<what>, line N in <WayFile>" and returns 1, the rejected result.
int Reject(const RunState& run, const char* what) {
    std::fprintf(stderr, "%s, line %d in %s\n", what, run.LineNo, run.WayFilename.c_str());
    return 1;
}


int StartsWith(const char* value, const char* keyword) {
    return std::strncmp(value, keyword, std::strlen(keyword)) == 0;
}

// A "%lf" read from the start of value. Returns 1 when a number was read.
int ReadDouble(const char* value, double& number) {
    return std::sscanf(value, "%lf", &number) == 1;
}

// A "%d" read from the start of value; numbers beyond int's range are held
// at its ends rather than wrapped. Returns 1 when a number was read.
int ReadInt(const char* value, int& number) {
    char* end = nullptr;
    long long wide = std::strtoll(value, &end, 10);
    if (end == value) return 0;
    number = static_cast<int>(wide < INT_MIN ? INT_MIN : wide > INT_MAX ? INT_MAX : wide);
    return 1;
}

// A number directive with bounds: the value is stored even when it is
// then refused with the directive's own message.
int TakeBoundedNumber(const RunState& run, const char* value, double& field, double lowest,
                      double highest, const char* invalid) {
    if (!ReadDouble(value, field)) return Reject(run, "Oops, directive value not found");
    if (!std::isfinite(field) || field < lowest || field > highest) return Reject(run, invalid);
    return 0;
}

// A number directive that must only be above 0 (and finite).
int TakePositiveNumber(const RunState& run, const char* value, double& field, double highest,
                       const char* invalid) {
    if (!ReadDouble(value, field)) return Reject(run, "Oops, directive value not found");
    if (!(field > 0.0) || !std::isfinite(field) || field > highest) return Reject(run, invalid);
    return 0;
}

int TakeSym(const char* follower, const char* value, RunState& run) {
    SymbolEntry* entry = &run.symbols.Entries[0];
    if (follower[0] == '.') {
        if (SymbolEntryOf(follower[1]) == 0) {
            std::fprintf(stderr, "Illegal #SYM.? directive ALPHA letter '%c', line %d in %s\n",
                         follower[1], run.LineNo, run.WayFilename.c_str());
            return 1;
        }
        entry = &run.symbols.Entries[SymbolEntryOf(follower[1])];
    }
    if (*value == '\0') {
        std::memmove(entry->SymName, run.symbols.Entries[0].SymName, sizeof entry->SymName);
        return 0;
    }
    if (std::strlen(value) > static_cast<size_t>(kSymNameMax)) {
        return Reject(run, "Oops, #SYM= directive name too long");
    }
    // The name goes into the GPX file as it stands.
    if (int bad = FirstBadChar(value)) {
        std::fprintf(stderr, "Oops, unprintable character '%c' in #SYM name, line %d in %s\n", bad,
                     run.LineNo, run.WayFilename.c_str());
        return 1;
    }
    std::strcpy(entry->SymName, value);
    return 0;
}

int TakeSymRule(const char* follower, char* value, RunState& run) {
    if (follower[0] != '.') return Reject(run, "Oops, #SYM_RULE.? directive missing .?");
    if (SymbolEntryOf(follower[1]) == 0) {
        std::fprintf(stderr, "Illegal #SYM_RULE.? directive ALPHA letter '%c', line %d in %s\n",
                     follower[1], run.LineNo, run.WayFilename.c_str());
        return 1;
    }
    int32_t& rule = run.symbols.Entries[SymbolEntryOf(follower[1])].Rule;
    LowerCaseInPlace(value);
    if (StartsWith(value, "rule_none")) {
        rule = RULE_NONE;
    } else if (StartsWith(value, "rule_all")) {
        rule = RULE_ALL;
    } else if (StartsWith(value, "rule_continuous")) {
        rule = RULE_CONTINUOUS;
    } else {
        return Reject(run, "Oops, unknown SYM_RULE");
    }
    return 0;
}

int TakeTitle(const char* value, RunState& run) {
    if (*value == '\0') return Reject(run, "Oops, no title found");
    if (std::strlen(value) > static_cast<size_t>(kTitleMax)) {
        Reject(run, "Oops, Take-Along Guide Title too long, truncating");  // a warning only
    }
    std::snprintf(run.settings.Title, sizeof run.settings.Title, "%s", value);
    return 0;
}

int TakeSheetSize(char* value, RunState& run) {
    Settings& settings = run.settings;
    ReplaceChar(value, 'X');
    ReplaceChar(value, 'x');
    if (std::sscanf(value, "%lf %lf", &settings.SheetWidth, &settings.SheetHeight) != 2) {
        return Reject(run, "Oops, directive value not found");
    }
    for (double side : {settings.SheetWidth, settings.SheetHeight}) {
        if (!(side > 0.0) || !std::isfinite(side) || side > kMaxPageInches) {
            return Reject(run, "Oops, invalid SHEETSIZE");
        }
    }
    return 0;
}

int TakeSplitSheet(const char* value, RunState& run) {
    Settings& settings = run.settings;
    if (!ReadInt(value, settings.SplitSheet)) return Reject(run, "Oops, directive value not found");
    if (settings.SplitSheet < 0 || settings.SplitSheet > 3) {
        return Reject(run, "Oops, invalid SPLITSHEET (may be 0-3)");
    }
    settings.Bands = settings.SplitSheet + 1;
    return 0;
}

int TakeBlankLine(const char* value, RunState& run) {
    int& rows = run.settings.BlankLineRequest;
    rows = 1;
    ReadInt(value, rows);
    if (rows < 0) return Reject(run, "Oops, invalid BLANK_LINE value");
    return 0;
}

// The keyword directives: the lower-cased value must begin with a keyword.
int TakeKeyword(char* value, int& field, const char* first, int firstCode, const char* second,
                int secondCode, const RunState& run, const char* unknown) {
    LowerCaseInPlace(value);
    if (StartsWith(value, first)) {
        field = firstCode;
    } else if (StartsWith(value, second)) {
        field = secondCode;
    } else {
        return Reject(run, unknown);
    }
    return 0;
}

// Page directives that change how many rows fit in a column.
int RecomputeRowsIfTaken(int result, RunState& run) {
    if (result == 0) run.settings.RowsPerColumn = RowsPerColumnOf(run.settings, run.settings.Bands);
    return result;
}

}  // namespace

int ParseDirective(char* line, RunState& run) {
    Settings& settings = run.settings;
    const char* name = SkipBlanks(line + 1);
    char* equals = FindCharOrEnd(line, '=');
    char* value = *equals ? SkipBlanks(equals + 1) : equals;

    if (DirectiveNameIs(name, "SYM", kNameOrLetter) == 0) return TakeSym(name + 3, value, run);
    if (DirectiveNameIs(name, "SYM_RULE", kNameOrLetter) == 0) return TakeSymRule(name + 8, value, run);
    if (DirectiveNameIs(name, "MAX_ID", kNameOnly) == 0) {
        if (!ReadInt(value, settings.MaxId)) return Reject(run, "Oops, directive value not found");
        if (settings.MaxId < 8 || settings.MaxId > kWayIdMax) {
            return Reject(run, "Oops, invalid waypoint ID name length");
        }
        return 0;
    }
    if (DirectiveNameIs(name, "DISTANCE_UNITS", kNameOnly) == 0) {
        return TakeKeyword(value, settings.DistanceUnits, "miles", kUnitsMiles, "km", kUnitsKm, run,
                           "Oops, unknown distance units");
    }
    if (DirectiveNameIs(name, "DISTANCE_TWEAK", kNameOnly) == 0) {
        return TakePositiveNumber(run, value, settings.DistanceTweak, HUGE_VAL,
                                  "Oops, invalid distance conversion");
    }
    if (DirectiveNameIs(name, "TITLE", kNameOnly) == 0) return TakeTitle(value, run);
    if (DirectiveNameIs(name, "GRID", kNameOnly) == 0) {
        return TakeKeyword(value, settings.GridSystem, "osgb", kGridOsgb, "irish", kGridIrish, run,
                           "Oops, unknown GRID units");
    }
    if (DirectiveNameIs(name, "ELEVATION", kNameOnly) == 0) {
        return TakeKeyword(value, settings.ElevationUnits, "meters", 0, "feet", 1, run,
                           "Oops, unknown elevation units");
    }
    if (DirectiveNameIs(name, "FIELDWIDTH_WP", kNameOnly) == 0) {
        return TakeBoundedNumber(run, value, settings.FieldWidthWp, kMinFieldInches, kMaxPageInches,
                                 "Oops, invalid FIELDWIDTH_WP");
    }
    if (DirectiveNameIs(name, "FIELDWIDTH_GRID", kNameOnly) == 0) {
        return TakeBoundedNumber(run, value, settings.FieldWidthGrid, kMinFieldInches, kMaxPageInches,
                                 "Oops, invalid FIELDWIDTH_GRID");
    }
    if (DirectiveNameIs(name, "FIELDWIDTH_ELEV", kNameOnly) == 0) {
        return TakeBoundedNumber(run, value, settings.FieldWidthElev, kMinFieldInches, kMaxPageInches,
                                 "Oops, invalid FIELDWIDTH_ELEV");
    }
    if (DirectiveNameIs(name, "FIELDWIDTH_DESC", kNameOnly) == 0) {
        return TakeBoundedNumber(run, value, settings.FieldWidthDesc, kMinFieldInches, kMaxPageInches,
                                 "Oops, invalid FIELDWIDTH_DESC");
    }
    if (DirectiveNameIs(name, "FIELDHEIGHT", kNameOnly) == 0) {
        return RecomputeRowsIfTaken(
            TakeBoundedNumber(run, value, settings.FieldHeight, kMinFieldInches, kMaxPageInches,
                              "Oops, invalid FIELDHEIGHT"),
            run);
    }
    if (DirectiveNameIs(name, "GUTTER", kNameOnly) == 0) {
        return TakePositiveNumber(run, value, settings.Gutter, kMaxPageInches, "Oops, invalid GUTTER");
    }
    if (DirectiveNameIs(name, "SHEETSIZE", kNameOnly) == 0) {
        return RecomputeRowsIfTaken(TakeSheetSize(value, run), run);
    }
    if (DirectiveNameIs(name, "SPLITSHEET", kNameOnly) == 0) {
        return RecomputeRowsIfTaken(TakeSplitSheet(value, run), run);
    }
    if (DirectiveNameIs(name, "BORDERS", kNameOnly) == 0) {
        return RecomputeRowsIfTaken(
            TakePositiveNumber(run, value, settings.Borders, kMaxPageInches, "Oops, invalid BORDERS"),
            run);
    }
    if (DirectiveNameIs(name, "FONTSIZE", kNameOnly) == 0) {
        return TakePositiveNumber(run, value, settings.FontSize, kMaxFontPoints, "Oops, invalid FONTSIZE");
    }
    if (DirectiveNameIs(name, "BLANK_LINE", kNameOnly) == 0) return TakeBlankLine(value, run);
    if (DirectiveNameIs(name, "NEW_COLUMN", kEndOnly) == 0) {
        settings.NewColumnRequest = 1;
        return 0;
    }
    return Reject(run, "Oops, unknown directive");
}
