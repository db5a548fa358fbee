#include "help_text.h"

namespace {

// Lines that both tables print.
constexpr const char* kUsageLine = "Usage: cairnlog [options] WayFile";
constexpr const char* kOptionsHeading = "  Options:";
constexpr const char* kHelpOption = "      -? - Extended help";
constexpr const char* kGpxOption = "  -g[=f] - Output GPX to file 'f' or WayFile.gpx if 'f' not given";
constexpr const char* kPdfOption =
    "  -p[=f] - Output PDF guide to file 'f' or WayFileGuide.pdf if 'f' not given";
constexpr const char* kReportOption =
    "  -r[=f] - Output tabbed report file 'f' or WayFileReport.txt if 'f' not given";
constexpr const char* kVersion = "Version " CAIRNLOG_VERSION;  // the project's version, from CMake
constexpr const char* kMaker = "Tessaron Engineering - https://www.tessaron.example";

}  // namespace

const char* const UsageText[] = {
    kUsageLine,
    "Creates a WayFile.gpx file (with the -g option) for use with a GPS and/or a PDF Guide "
    "WayFile.pdf file (with the -p option) and/or a report WayFile.rpt file (with the -r "
    "option) from a text WayFile.  The input file may contain numerous directives.  Use "
    "extended help for more information.",
    kOptionsHeading,
    kHelpOption,
    kGpxOption,
    kPdfOption,
    kReportOption,
    kVersion,
    kMaker,
    "",
};

const char* const HelpText[] = {
    kUsageLine,
    kOptionsHeading,
    kHelpOption,
    kGpxOption,
    kPdfOption,
    kReportOption,
    " ",
    "Utility cairnlog.exe creates a GPS (*.gpx) waypoint file from a text WayFile of "
    "repeated lines of <<<ID Lat Long Elev Desc>>>, where:",
    " ",
    "<<<ID>>> is a unique ID of the form a AlphaCharacter followed by a number (which may "
    "contain a decimal point). The letter groups waypoints that share a GPS symbol and a "
    "distance rule: for example C001, C002 ... C057 for the main path, A001 and B001 for "
    "alternate paths, and P001 for points of interest.",
    "<<<Lat Long>>>> is WGS-84 latitude and longitude of waypoint.",
    "<<<Elev>>> is the waypoint elevation in meters - this field is optional.",
    "<<<Desc>>> is short description, generally nor more than 30 characters.",
    " ",
    "The program also writes two supplemental files on request, a Report file and a "
    "Take-Along Guide file. Both work best when the WayFile holds directives (see below).",
    " ",
    "The Report file is a tab-delimited, text file (suitable for import to Microsoft Excel) "
    "which lists lines of:",
    "<<<Item# WP-ID WGS-Lat WGS-Lon Elev OSGB-Grid Miles Grade Description>>>",
    " ",
    "The Take-Along Guide is a PDF table of 2-inch-wide columns of waypoints, meant to be "
    "printed double-sided, laminated and cut into slices that are carried on the walk. With "
    "the default settings each slice is about 2 by 5 inches, and up to 16 slices fit on one "
    "double-sided 8-1/2x11 inch sheet.",
    " ",
    "Directives stand at the top of the WayFile and must begin in column 1 with the # "
    "character. A directive that is not given keeps its default. A vertical bar | anywhere "
    "in a line starts a comment that runs to the end of the line.",
    " ",
    "Directives include:",
    " ",
    "<<<#SYM.?=>>> Correlates a symbol ID prefix (the ? in #SYM.?) with a ",
    "GPS symbol name. For example <#SYM.C=Flag, Red> gives every waypoint whose ID begins "
    "with C or c the symbol Flag, Red, and <#SYM=Pin> sets the symbol of IDs that do not "
    "begin with a letter. The symbol names are those your GPS knows; without a directive "
    "every waypoint gets Waypoint.",
    " ",
    "<<<#SYM_RULE=>>> Instructs how to calculate accumulated distance for an explicit "
    "#SYM.? symbol ID prefix. RULE_ALL accumulates the distance over every waypoint of the "
    "prefix in the file, however far apart; RULE_CONTINUOUS starts again at zero wherever "
    "the prefix follows a waypoint of another measured prefix; RULE_NONE, the default, "
    "accumulates nothing. A prefix with RULE_ALL or RULE_CONTINUOUS shows its accumulated "
    "Miles and %-Grade in the report and the guide.",
    " ",
    "<<<#DISTANCE_TWEAK=>>> A tweak factor to make total accumulated distance fit to "
    "expected, defaults to 1. Straight lines between waypoints fall short of the path on "
    "the ground: if the waypoints of a walk add up to 173.55 miles where the guidebook says "
    "190, #DISTANCE_TWEAK=1.0947854 (190 divided by 173.55) scales every distance to fit.",
    " ",
    "<<<#TITLE=>>> Descriptive name of take-along guide, defaults to file basename.",
    "<<<#MAX_ID=>>> Maximum characters in a waypoint ID, defaults to 14.",
    "<<<#DISTANCE_UNITS=>>> Miles or KM, defaults to Miles.",
    "<<<#GRID=>>> OSGB or IRISH, defaults to OSGB",
    "<<<#ELEVATION=>>>METERS or FEET, defaults to METERS",
    "<<<#FIELDWIDTH_WP=>>> Width (inches) of waypoint field, default = 0.25.",
    "<<<#FIELDWIDTH_GRID=>>> Width (inches) of grid field, default = 0.35.",
    "<<<#FIELDWIDTH_ELEV=>>> Width (inches) of elevation field, default = 0.25.",
    "<<<#FIELDWIDTH_DESC=>>> Width (inches) of description field, default = 1.0.",
    "<<<#FIELDHEIGHT=>>> Height (inches) of one waypoint entry, default = 0.2.",
    "<<<#GUTTER=>>> Space between waypoint columns on an output page, default = 0.1.",
    "<<<#BORDERS=>>> Size (inches) of output page perimeter border, default = 0.25.",
    "<<<#FONTSIZE=>>> Size (points) of Helvetica font, default = 6.0.",
    "<<<#SHEETSIZE=>>> Size (inches WIDTHxHEIGHT) of output page, default = 8.5x11.",
    "<<<#SPLITSHEET=>>> Number times sheet height is split, default = 1.0.",
    " ",
    "The width of a slice is the sum of the #FIELDWIDTHs, and its height is about "
    "#SHEETSIZE.HEIGHT divided by 1+#SPLITSHEET.",
    " ",
    "Usually the minimum directives needed are #SYM.?, #SYM_RULE and DISTANCE_TWEAK; the "
    "others can keep their defaults.",
    " ",
    "The following page formatting directives may be used to control the PDF Take-Along "
    "Guide file:",
    "<<<#BLANK_LINE=>>> Number blank lines to insert, default = 1 if value omitted.",
    "<<<#NEW_COLUMN>>> Inserts blank lines so next waypoint starts new column.",
    " ",
    "For the Coast to Coast Path, use directives:",
    "#SYM.P = Pin, Green                | Points of Interest",
    "#SYM.A = Flag, Green               | Alternate path A",
    "#SYM.B = Flag, Blue                | Alternate path B",
    "#SYM.C = Flag, Red                 | Main/primary path",
    "#SYM_RULE.P = RULE_NONE            | Don't accumulate distance",
    "#SYM_RULE.A = RULE_CONTINUOUS      | Accumulate distance within A-path",
    "#SYM_RULE.B = RULE_CONTINUOUS      | Accumulate distance within B-path",
    "#SYM_RULE.C = RULE_ALL             | Accumulate all C-path distance",
    "#DISTANCE_TWEAK=1.0947854          | Tweaks C2C total distance to 190 miles",
    "#GRID=OSGB                         | England's OSGB grid system",
    "#TITLE=Coast to Coast",
    " ",
    kVersion,
    kMaker,
    "",
};
