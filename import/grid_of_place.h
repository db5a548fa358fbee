// The national grid of the place a WayFile lies in: the Irish grid on the
// island of Ireland, Northern Ireland included, the OSGB grid elsewhere; and
// which points lie outside the grid chosen, where cairnlog gives no grid
// reference.
#pragma once

#include <cstddef>

#include "gpx_reader.h"
#include "path_plan.h"

enum PlaceGrid { kPlaceGridOsgb, kPlaceGridIrish };

// Whether a WGS-84 position lies on the island of Ireland or in the sea
// close round it, against an outline drawn clear of Great Britain's
// islands (Islay, Kintyre, Galloway, the Isle of Man, Scilly).
bool OnIrelandIsland(double latDeg, double lonDeg);

// The Irish grid when most of the path's points (without a path, of the
// places) lie on the island of Ireland; else OSGB.
PlaceGrid GridOfPlace(const GpxData& data, const PathPlan& plan);

// The rows whose position, as the WayFile writes it, lies outside grid.
size_t RowsOutsideGrid(const GpxData& data, const PathPlan& plan, PlaceGrid grid);
