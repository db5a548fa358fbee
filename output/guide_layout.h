// The Take-Along Guide's page geometry: bands, columns, rows, text lines and
// field anchors, derived once from the page settings. Lengths are in points
// (72 to the inch); x grows from the page's left edge, y from its bottom edge.
//
// Every quantity is computed left to right as its formula reads, in double,
// so that the two-decimal numbers of the page content come out the same on
// every compiler (LeftMargin with the defaults is 28.79999999999999).
#pragma once

#include <cstdint>

#include "settings.h"

constexpr double kPointsPerInch = 72.0;
constexpr double kGuideTextPad = 1.5;          // points between a field edge and its text
constexpr double kGuideCreditIndent = 2.0;     // points from the column's left edge
constexpr double kGuideLineDrop = 0.4;         // points from the row top to the upper line's cap
constexpr double kGuideLineSpacing = 1.05;     // baseline distance in font sizes
constexpr double kGuideThinLineWidth = 0.5;    // points: rules and field separators
constexpr double kGuideThinLineGray = 0.7;
constexpr double kGuideHeavyLineWidth = 1.0;   // points: top and header rules
constexpr double kGuideHeavyLineGray = 0.0;

// The maker's web domain: the credit under every column and the PDF author.
constexpr const char* kGuideMakerDomain = "www.tessaron.example";

struct GuideLayout {
    int Bands = 0;                 // bands of columns down a page
    int RowsPerColumn = 0;         // waypoint rows under each column's header
    int ColumnsAcross = 0;         // columns in one band
    std::int32_t PageWidth = 0;    // whole points
    std::int32_t PageHeight = 0;
    double RowHeight = 0;
    double ColumnWidth = 0;
    double GutterWidth = 0;
    double BorderWidth = 0;
    double ColumnHeight = 0;       // header row and waypoint rows
    double LeftMargin = 0;         // left edge of the leftmost column
    double TopBandTop = 0;         // (SheetHeight - Borders) x 72, BandTop of band 0
    double UpperLine = 0;          // baselines above a row's bottom edge
    double LowerLine = 0;
    double MiddleLine = 0;
    double DescLimit = 0;          // widest description line that fits

    // Anchors: offsets from the column's left edge.
    double WaypointAnchor = 0;     // centre of the waypoint field
    double GridValueAnchor = 0;    // right end of the grid values
    double GridHeaderAnchor = 0;   // centre of the grid field
    double ElevAnchor = 0;         // centre of the elevation field
    double LegAnchor = 0;          // centre of the route card's bearing and time field
    double DescAnchor = 0;         // left end of the description
    double MarkerAnchor = 0;       // right end of the column label
    double WaypointEdge = 0;       // right edges of the first three fields
    double GridEdge = 0;
    double ElevEdge = 0;
    double LegEdge = 0;            // the card's field; the same as ElevEdge without it
    double CutMarkOffset = 0;      // middle of the gutter to the column's right

    double FontSize = 0;           // points
    int GridSystem = 0;            // of the grid references in the rows
    int RouteCard = 0;             // the card's field stands between elevation and description
    int StartMinutes = -1;         // the card's clock times, as Settings has them
    const char* UnitsLabel = "";   // "Miles" or "KM"
    const char* GridLabel = "";    // "OSGB", "IRISH" or "GRID"
};

// trunc((SheetHeight - (bands + 1) x Borders) / (bands x FieldHeight) - 1):
// 24 with the defaults and 2 bands. 0 when the settings give no number in
// int's range. The front end's layout bookkeeping counts rows with it too
// (with Settings::Bands, the bands of the last accepted SPLITSHEET), so
// blank rows and new columns land where the guide draws them.
int RowsPerColumnOf(const Settings& settings, int bands);

// RowsPerColumnOf the final settings, with SplitSheet + 1 bands.
int GuideRowsPerColumn(const Settings& settings);

// Fills layout from the final settings; with the route card a fifth field,
// FieldWidthLeg wide, stands between elevation and description. A layout with ColumnsAcross or
// RowsPerColumn below 1 leaves no room for the guide; the caller refuses it.
void ComputeGuideLayout(const Settings& settings, GuideLayout& layout);

// Left edge of the column at position p of a band (0 is the leftmost).
double GuideColumnLeft(const GuideLayout& layout, int position);

// Top edge of band b (0 is the top band).
double GuideBandTop(const GuideLayout& layout, int band);
