#include "guide_layout.h"

#include <cmath>

namespace {

// Truncates toward zero; 0 for a value outside int's range or not a number,
// which only absurd page settings give and which the guide then refuses.
int TruncToInt(double value) {
    if (!(std::fabs(value) < 2147483647.0)) return 0;
    return static_cast<int>(value);
}

}  // namespace

int RowsPerColumnOf(const Settings& settings, int bands) {
    return TruncToInt((settings.SheetHeight - (bands + 1) * settings.Borders) /
                          (bands * settings.FieldHeight) -
                      1);
}

int GuideRowsPerColumn(const Settings& settings) { return RowsPerColumnOf(settings, settings.SplitSheet + 1); }

void ComputeGuideLayout(const Settings& settings, GuideLayout& layout) {
    const double wp = settings.FieldWidthWp;
    const double grid = settings.FieldWidthGrid;
    const double elev = settings.FieldWidthElev;
    const double desc = settings.FieldWidthDesc;
    // Without the card the field is no width, and adding 0 changes no sum.
    const double leg = settings.RouteCard ? settings.FieldWidthLeg : 0.0;

    layout = GuideLayout{};
    layout.Bands = settings.SplitSheet + 1;
    layout.RowsPerColumn = GuideRowsPerColumn(settings);
    // The divisor is the field widths alone, without the gutter.
    layout.ColumnsAcross = TruncToInt((settings.SheetWidth - 2 * settings.Borders + settings.Gutter) /
                                      (wp + grid + elev + leg + desc));
    layout.PageWidth = TruncToInt(settings.SheetWidth * kPointsPerInch);
    layout.PageHeight = TruncToInt(settings.SheetHeight * kPointsPerInch);

    layout.RowHeight = settings.FieldHeight * kPointsPerInch;
    layout.ColumnWidth = (wp + grid + elev + leg + desc) * kPointsPerInch;
    layout.GutterWidth = settings.Gutter * kPointsPerInch;
    layout.BorderWidth = settings.Borders * kPointsPerInch;
    layout.ColumnHeight = (layout.RowsPerColumn + 1) * layout.RowHeight;
    layout.LeftMargin = (settings.SheetWidth * kPointsPerInch -
                         (layout.GutterWidth + layout.ColumnWidth) * layout.ColumnsAcross + layout.GutterWidth) /
                        2;
    layout.TopBandTop = (settings.SheetHeight - settings.Borders) * kPointsPerInch;

    layout.UpperLine = layout.RowHeight - settings.FontSize - kGuideLineDrop;
    layout.LowerLine = layout.UpperLine - kGuideLineSpacing * settings.FontSize;
    layout.MiddleLine = (layout.UpperLine + layout.LowerLine) / 2;
    layout.DescLimit = desc * kPointsPerInch - kGuideTextPad;

    layout.WaypointAnchor = wp * kPointsPerInch / 2;
    layout.GridValueAnchor = (wp + grid) * kPointsPerInch - kGuideTextPad;
    layout.GridHeaderAnchor = (wp + grid / 2) * kPointsPerInch;
    layout.ElevAnchor = (wp + grid + elev / 2) * kPointsPerInch;
    layout.LegAnchor = (wp + grid + elev + leg / 2) * kPointsPerInch;
    layout.DescAnchor = (wp + grid + elev + leg) * kPointsPerInch + kGuideTextPad;
    layout.MarkerAnchor = layout.ColumnWidth - kGuideTextPad;
    layout.WaypointEdge = wp * kPointsPerInch;
    layout.GridEdge = (wp + grid) * kPointsPerInch;
    layout.ElevEdge = (wp + grid + elev) * kPointsPerInch;
    layout.LegEdge = (wp + grid + elev + leg) * kPointsPerInch;
    layout.CutMarkOffset = layout.ColumnWidth + layout.GutterWidth / 2;

    layout.FontSize = settings.FontSize;
    layout.GridSystem = settings.GridSystem;
    layout.RouteCard = settings.RouteCard;
    layout.StartMinutes = settings.StartMinutes;
    layout.UnitsLabel = settings.DistanceUnits == kUnitsKm ? "KM" : "Miles";
    layout.GridLabel = settings.GridSystem == kGridOsgb    ? "OSGB"
                       : settings.GridSystem == kGridIrish ? "IRISH"
                                                           : "GRID";
}

double GuideColumnLeft(const GuideLayout& layout, int position) {
    return layout.LeftMargin + position * (layout.ColumnWidth + layout.GutterWidth);
}

double GuideBandTop(const GuideLayout& layout, int band) {
    return layout.TopBandTop - band * (layout.ColumnHeight + layout.BorderWidth);
}
