#include "directives.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "guide_layout.h"
#include "text_line.h"
#include "utf8_text.h"
#include "waypoint.h"

namespace {

// Largest page dimension in inches: a PDF page is at most 14,400 points.
constexpr double kMaxPageInches = 200.0;
// Narrowest field or row in inches that the guide still lays out.
constexpr double kMinFieldInches = 0.01;
// Largest font size in points.
constexpr double kMaxFontPoints = 200.0;
// Shortest MAX_ID: IDs of C001 style with room for a longer number.
constexpr int kMaxIdLowest = 8;
// Most splits of the page height: four bands of columns.
constexpr int kSplitSheetMax = 3;

// Fastest PACE in distance units per hour and steepest CLIMB in elevation
// units per hour: far past any walker, and they keep every time finite.
constexpr double kMaxPace = 100.0;
constexpr double kMaxClimb = 100000.0;
// Largest MAGNETIC variation in degrees, east or west.
constexpr double kMaxVariationDeg = 180.0;
constexpr int kMinutesPerHour = 60;
constexpr int kHoursPerDay = 24;

constexpr const char* kNameOnly = "= \t";        // followers of most names
constexpr const char* kNameOrLetter = ".= \t";   // followers of SYM, SYM_RULE and PATH
constexpr const char* kEndOnly = "";             // NEW_COLUMN stands alone

// Reports "<what>, line N in <WayFile>" and returns 1, the refused result.
int Reject(WayFileLine& at, const char* what) {
    return ReportLineFault(at, "%s, line %d in %s\n", what, at.LineNo, at.WayFilename);
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

// A directive with one number, refused outside its bounds; the value is
// stored even when it is then refused with the directive's own message.
struct NumberDirective {
    const char* name;
    double Settings::*field;
    double lowest;
    bool lowestAllowed;       // lowest itself is a valid value
    double highest;
    const char* invalid;
    bool changesRows;         // the rows of a guide column depend on it
};

const NumberDirective kNumberDirectives[] = {
    {"DISTANCE_TWEAK", &Settings::DistanceTweak, 0.0, false, HUGE_VAL,
     "Oops, invalid distance conversion", false},
    {"FIELDWIDTH_WP", &Settings::FieldWidthWp, kMinFieldInches, true, kMaxPageInches,
     "Oops, invalid FIELDWIDTH_WP", false},
    {"FIELDWIDTH_GRID", &Settings::FieldWidthGrid, kMinFieldInches, true, kMaxPageInches,
     "Oops, invalid FIELDWIDTH_GRID", false},
    {"FIELDWIDTH_ELEV", &Settings::FieldWidthElev, kMinFieldInches, true, kMaxPageInches,
     "Oops, invalid FIELDWIDTH_ELEV", false},
    {"FIELDWIDTH_DESC", &Settings::FieldWidthDesc, kMinFieldInches, true, kMaxPageInches,
     "Oops, invalid FIELDWIDTH_DESC", false},
    {"FIELDHEIGHT", &Settings::FieldHeight, kMinFieldInches, true, kMaxPageInches,
     "Oops, invalid FIELDHEIGHT", true},
    {"GUTTER", &Settings::Gutter, 0.0, false, kMaxPageInches,
     "Oops, invalid GUTTER", false},
    {"BORDERS", &Settings::Borders, 0.0, false, kMaxPageInches,
     "Oops, invalid BORDERS", true},
    {"FONTSIZE", &Settings::FontSize, 0.0, false, kMaxFontPoints,
     "Oops, invalid FONTSIZE", false},
    {"FIELDWIDTH_LEG", &Settings::FieldWidthLeg, kMinFieldInches, true, kMaxPageInches,
     "Oops, invalid FIELDWIDTH_LEG", false},
    {"PACE", &Settings::Pace, 0.0, false, kMaxPace, "Oops, invalid PACE", false},
    {"CLIMB", &Settings::Climb, 0.0, false, kMaxClimb, "Oops, invalid CLIMB", false},
};

bool InBounds(const NumberDirective& directive, double value) {
    if (!std::isfinite(value) || value > directive.highest) return false;
    return directive.lowestAllowed ? value >= directive.lowest : value > directive.lowest;
}

int TakeNumber(const NumberDirective& directive, const char* value, WayFileLine& at, Settings& settings) {
    double& field = settings.*directive.field;
    if (std::sscanf(value, "%lf", &field) != 1) return Reject(at, "Oops, directive value not found");
    if (!InBounds(directive, field)) return Reject(at, directive.invalid);
    return 0;
}

// The symbol entry of the letter after SYM. or SYM_RULE., or nullptr after
// the fault "Illegal #<name>.? directive ALPHA letter".
SymbolEntry* LetterEntry(char letter, const char* name, WayFileLine& at, SymbolTable& symbols) {
    int entry = SymbolEntryOf(letter);
    if (entry == 0) {
        ReportLineFault(at, "Illegal #%s.? directive ALPHA letter '%c', line %d in %s\n", name, letter, at.LineNo,
                        at.WayFilename);
        return nullptr;
    }
    return &symbols.Entries[entry];
}

int TakeSym(const char* follower, const char* value, WayFileLine& at, SymbolTable& symbols) {
    SymbolEntry* entry = &symbols.Entries[0];
    if (follower[0] == '.' && !(entry = LetterEntry(follower[1], "SYM", at, symbols))) return 1;
    if (*value == '\0') {
        std::memmove(entry->SymName, symbols.Entries[0].SymName, sizeof entry->SymName);
        return 0;
    }
    if (std::strlen(value) > static_cast<size_t>(kSymNameMax)) {
        return Reject(at, "Oops, #SYM= directive name too long");
    }
    // The name goes into the GPX file as it stands.
    if (int bad = FirstBadChar(value)) {
        return ReportLineFault(at, "Oops, unprintable character '%c' in #SYM name, line %d in %s\n", bad,
                               at.LineNo, at.WayFilename);
    }
    std::strcpy(entry->SymName, value);
    return 0;
}

int TakeSymRule(const char* follower, char* value, WayFileLine& at, SymbolTable& symbols) {
    if (follower[0] != '.') return Reject(at, "Oops, #SYM_RULE.? directive missing .?");
    SymbolEntry* entry = LetterEntry(follower[1], "SYM_RULE", at, symbols);
    if (!entry) return 1;
    LowerCaseInPlace(value);
    if (StartsWith(value, "rule_none")) {
        entry->Rule = RULE_NONE;
    } else if (StartsWith(value, "rule_all")) {
        entry->Rule = RULE_ALL;
    } else if (StartsWith(value, "rule_continuous")) {
        entry->Rule = RULE_CONTINUOUS;
    } else {
        return Reject(at, "Oops, unknown SYM_RULE");
    }
    return 0;
}

// PATH.x=y: x's waypoints lie on y's path. Only a letter of another path
// is taken, so a waypoint is never measured on a path of its own letter.
int TakePath(const char* follower, const char* value, WayFileLine& at, SymbolTable& symbols) {
    if (follower[0] != '.') return Reject(at, "Oops, #PATH.? directive missing .?");
    SymbolEntry* entry = LetterEntry(follower[1], "PATH", at, symbols);
    if (!entry) return 1;
    const int path = SymbolEntryOf(value[0]);
    if (path == 0 || *SkipBlanks(value + 1) != '\0' || &symbols.Entries[path] == entry) {
        return Reject(at, "Oops, invalid PATH (may be one other letter A-Z)");
    }
    entry->PathEntry = path;
    return 0;
}

int TakeTitle(const char* value, WayFileLine& at, Settings& settings) {
    if (*value == '\0') return Reject(at, "Oops, no title found");
    if (std::strlen(value) > static_cast<size_t>(kTitleMax)) {
        // A warning in the fault's form: the title is cut and the line taken.
        std::fprintf(stderr, "Oops, Take-Along Guide Title too long, truncating, line %d in %s\n", at.LineNo,
                     at.WayFilename);
    }
    // Cut between characters, so that a long title never ends in half a letter.
    std::snprintf(settings.Title, sizeof settings.Title, "%.*s", static_cast<int>(Utf8PrefixLength(value, kTitleMax)),
                  value);
    return 0;
}

// A paper size by name, with the whole-point page its PDFs have.
struct NamedSheet {
    const char* name;         // lower case
    double widthPt;
    double heightPt;
};

// ISO 216 (A5, A4, A3) rounded to whole points as PDF makers give them,
// and the US Letter and Legal sizes.
const NamedSheet kNamedSheets[] = {
    {"a5", 420.0, 595.0}, {"a4", 595.0, 842.0}, {"a3", 842.0, 1191.0},
    {"letter", 612.0, 792.0}, {"legal", 612.0, 1008.0},
};

constexpr double kMillimetresPerInch = 25.4;

// Millimetres to inches of the nearest whole point, so that 210x297mm is
// the very A4 page of the named size.
double MillimetresToWholePointInches(double mm) {
    return std::round(mm / kMillimetresPerInch * kPointsPerInch) / kPointsPerInch;
}

int TakeSheetSize(char* value, WayFileLine& at, Settings& settings) {
    LowerCaseInPlace(value);
    for (const NamedSheet& sheet : kNamedSheets) {
        if (std::strcmp(value, sheet.name) == 0) {
            settings.SheetWidth = sheet.widthPt / kPointsPerInch;
            settings.SheetHeight = sheet.heightPt / kPointsPerInch;
            return 0;
        }
    }
    ReplaceChar(value, 'x');
    int used = 0;
    if (std::sscanf(value, "%lf %lf%n", &settings.SheetWidth, &settings.SheetHeight, &used) != 2) {
        return Reject(at, "Oops, directive value not found");
    }
    if (StartsWith(SkipBlanks(value + used), "mm")) {
        settings.SheetWidth = MillimetresToWholePointInches(settings.SheetWidth);
        settings.SheetHeight = MillimetresToWholePointInches(settings.SheetHeight);
    }
    for (double side : {settings.SheetWidth, settings.SheetHeight}) {
        if (!(side > 0.0) || !std::isfinite(side) || side > kMaxPageInches) {
            return Reject(at, "Oops, invalid SHEETSIZE");
        }
    }
    return 0;
}

int TakeSplitSheet(const char* value, WayFileLine& at, Settings& settings) {
    if (!ReadInt(value, settings.SplitSheet)) return Reject(at, "Oops, directive value not found");
    if (settings.SplitSheet < 0 || settings.SplitSheet > kSplitSheetMax) {
        return Reject(at, "Oops, invalid SPLITSHEET (may be 0-3)");
    }
    settings.Bands = settings.SplitSheet + 1;
    return 0;
}

int TakeMaxId(const char* value, WayFileLine& at, Settings& settings) {
    if (!ReadInt(value, settings.MaxId)) return Reject(at, "Oops, directive value not found");
    if (settings.MaxId < kMaxIdLowest || settings.MaxId > kWayIdMax) {
        return Reject(at, "Oops, invalid waypoint ID name length");
    }
    return 0;
}

int TakeBlankLine(const char* value, WayFileLine& at, Settings& settings) {
    int& rows = settings.BlankLineRequest;
    rows = 1;
    ReadInt(value, rows);
    if (rows < 0) return Reject(at, "Oops, invalid BLANK_LINE value");
    return 0;
}

// HH:MM, hours 00 to 23 and minutes 00 to 59, two digits each.
int TakeStartTime(const char* value, WayFileLine& at, Settings& settings) {
    const bool shaped = IsDigit(value[0]) && IsDigit(value[1]) && value[2] == ':' && IsDigit(value[3]) &&
                        IsDigit(value[4]) && value[5] == '\0';
    const int hours = shaped ? (value[0] - '0') * 10 + (value[1] - '0') : 0;
    const int minutes = shaped ? (value[3] - '0') * 10 + (value[4] - '0') : 0;
    if (!shaped || hours >= kHoursPerDay || minutes >= kMinutesPerHour) {
        return Reject(at, "Oops, invalid START_TIME (may be HH:MM)");
    }
    settings.StartMinutes = hours * kMinutesPerHour + minutes;
    return 0;
}

// Degrees and W or E, as the map's margin gives the variation: 2.5W.
int TakeMagnetic(char* value, WayFileLine& at, Settings& settings) {
    LowerCaseInPlace(value);
    // strtod, not "%lf": the scan would swallow the e of 0.5e as an exponent.
    char* side = nullptr;
    const double degrees = std::strtod(value, &side);
    if (side == value) return Reject(at, "Oops, directive value not found");
    side = SkipBlanks(side);
    if (!std::isfinite(degrees) || degrees < 0.0 || degrees > kMaxVariationDeg ||
        !((side[0] == 'w' || side[0] == 'e') && side[1] == '\0')) {
        return Reject(at, "Oops, invalid MAGNETIC (may be like 2.5W or 1E)");
    }
    settings.Magnetic = 1;
    settings.MagneticWestDeg = side[0] == 'w' ? degrees : -degrees;
    return 0;
}

// A stage is the card's: its totals are distance, climb and time.
int TakeStage(const char* value, WayFileLine& at, Settings& settings) {
    if (!settings.RouteCard) return Reject(at, "Oops, #STAGE= needs #ROUTE_CARD above it");
    if (*value == '\0') return Reject(at, "Oops, no stage name found");
    if (std::strlen(value) > static_cast<size_t>(kStageNameMax)) return Reject(at, "Oops, stage name too long");
    if (int bad = FirstBadTextChar(value)) {
        return ReportLineFault(at, "Oops, unprintable character '%c' in #STAGE name, line %d in %s\n", bad,
                               at.LineNo, at.WayFilename);
    }
    settings.StageRequest = value;
    return 0;
}

// The plan shows the card's stages, climbs and times.
int TakePlan(WayFileLine& at, Settings& settings) {
    if (!settings.RouteCard) return Reject(at, "Oops, #PLAN needs #ROUTE_CARD above it");
    settings.Plan = 1;
    return 0;
}

// The keyword directives: the lower-cased value must begin with a keyword.
int TakeKeyword(char* value, int& field, const char* first, int firstCode, const char* second, int secondCode,
                WayFileLine& at, const char* unknown) {
    LowerCaseInPlace(value);
    if (StartsWith(value, first)) {
        field = firstCode;
    } else if (StartsWith(value, second)) {
        field = secondCode;
    } else {
        return Reject(at, unknown);
    }
    return 0;
}

// A set of ID letters for GPX_ROUTE or GPX_TRACK: letters only, each once,
// kept lower case in the order given.
int TakeLetters(const char* value, char (&letters)[kLettersMax + 1], WayFileLine& at, const char* invalid) {
    if (*value == '\0') return Reject(at, "Oops, directive value not found");
    bool seen[kSymbolEntries] = {};
    char taken[kLettersMax + 1] = {};
    int count = 0;
    for (const char* c = value; *c != '\0'; ++c) {
        const int entry = SymbolEntryOf(*c);
        if (entry == 0 || seen[entry]) return Reject(at, invalid);
        seen[entry] = true;
        taken[count++] = static_cast<char>('a' + entry - 1);
    }
    std::memcpy(letters, taken, sizeof taken);
    return 0;
}

int TakeRoutePoints(const char* value, WayFileLine& at, Settings& settings) {
    if (!ReadInt(value, settings.RoutePoints)) return Reject(at, "Oops, directive value not found");
    if (settings.RoutePoints < kRoutePointsMin || settings.RoutePoints > kRoutePointsMax) {
        return Reject(at, "Oops, invalid ROUTE_POINTS (may be 2-10000)");
    }
    return 0;
}

// Page directives that change how many rows fit in a column.
int RecomputeRowsIfTaken(int result, Settings& settings) {
    if (result == 0) settings.RowsPerColumn = RowsPerColumnOf(settings, settings.Bands);
    return result;
}

}  // namespace

int ParseDirective(char* line, WayFileLine& at, Settings& settings, SymbolTable& symbols) {
    const char* name = SkipBlanks(line + 1);
    char* equals = FindCharOrEnd(line, '=');
    char* value = *equals ? SkipBlanks(equals + 1) : equals;

    for (const NumberDirective& directive : kNumberDirectives) {
        if (DirectiveNameIs(name, directive.name, kNameOnly) == 0) {
            int result = TakeNumber(directive, value, at, settings);
            return directive.changesRows ? RecomputeRowsIfTaken(result, settings) : result;
        }
    }
    if (DirectiveNameIs(name, "SYM", kNameOrLetter) == 0) return TakeSym(name + 3, value, at, symbols);
    if (DirectiveNameIs(name, "SYM_RULE", kNameOrLetter) == 0) return TakeSymRule(name + 8, value, at, symbols);
    if (DirectiveNameIs(name, "PATH", kNameOrLetter) == 0) return TakePath(name + 4, value, at, symbols);
    if (DirectiveNameIs(name, "MAX_ID", kNameOnly) == 0) return TakeMaxId(value, at, settings);
    if (DirectiveNameIs(name, "DISTANCE_UNITS", kNameOnly) == 0) {
        return TakeKeyword(value, settings.DistanceUnits, "miles", kUnitsMiles, "km", kUnitsKm, at,
                           "Oops, unknown distance units");
    }
    if (DirectiveNameIs(name, "TITLE", kNameOnly) == 0) return TakeTitle(value, at, settings);
    if (DirectiveNameIs(name, "GRID", kNameOnly) == 0) {
        return TakeKeyword(value, settings.GridSystem, "osgb", kGridOsgb, "irish", kGridIrish, at,
                           "Oops, unknown GRID units");
    }
    if (DirectiveNameIs(name, "ELEVATION", kNameOnly) == 0) {
        return TakeKeyword(value, settings.ElevationUnits, "meters", kElevationMeters, "feet", kElevationFeet, at,
                           "Oops, unknown elevation units");
    }
    if (DirectiveNameIs(name, "SHEETSIZE", kNameOnly) == 0) {
        return RecomputeRowsIfTaken(TakeSheetSize(value, at, settings), settings);
    }
    if (DirectiveNameIs(name, "SPLITSHEET", kNameOnly) == 0) {
        return RecomputeRowsIfTaken(TakeSplitSheet(value, at, settings), settings);
    }
    if (DirectiveNameIs(name, "BLANK_LINE", kNameOnly) == 0) return TakeBlankLine(value, at, settings);
    if (DirectiveNameIs(name, "NEW_COLUMN", kEndOnly) == 0) {
        settings.NewColumnRequest = 1;
        return 0;
    }
    if (DirectiveNameIs(name, "ROUTE_CARD", kEndOnly) == 0) {
        settings.RouteCard = 1;
        return 0;
    }
    if (DirectiveNameIs(name, "START_TIME", kNameOnly) == 0) return TakeStartTime(value, at, settings);
    if (DirectiveNameIs(name, "MAGNETIC", kNameOnly) == 0) return TakeMagnetic(value, at, settings);
    if (DirectiveNameIs(name, "VIA", kNameOnly) == 0) {
        if (!StartsWith(LowerCaseInPlace(value), "undescribed")) return Reject(at, "Oops, unknown VIA points");
        settings.ViaUndescribed = 1;
        settings.ViaRequest = 1;
        return 0;
    }
    if (DirectiveNameIs(name, "STAGE", kNameOnly) == 0) return TakeStage(value, at, settings);
    if (DirectiveNameIs(name, "PLAN", kEndOnly) == 0) return TakePlan(at, settings);
    if (DirectiveNameIs(name, "GPX_ROUTE", kNameOnly) == 0) {
        return TakeLetters(value, settings.GpxRouteLetters, at,
                           "Oops, invalid GPX_ROUTE (may be letters A-Z, each once)");
    }
    if (DirectiveNameIs(name, "GPX_TRACK", kNameOnly) == 0) {
        return TakeLetters(value, settings.GpxTrackLetters, at,
                           "Oops, invalid GPX_TRACK (may be letters A-Z, each once)");
    }
    if (DirectiveNameIs(name, "ROUTE_POINTS", kNameOnly) == 0) return TakeRoutePoints(value, at, settings);
    return Reject(at, "Oops, unknown directive");
}
