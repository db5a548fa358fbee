// The plan pages that follow the guide's sheets with #PLAN: the walk's
// title, a table of the stages (name, first and last waypoint, distance,
// ascent, descent, time, and the walk's totals) and a height profile of
// every stage's paths, as many to a page as fit, continuing on further
// pages of the guide's page size.
#pragma once

#include "Pdf.h"
#include "guide_layout.h"
#include "route_card.h"
#include "settings.h"
#include "waypoint.h"

constexpr double kPlanMarginPt = 36.0;        // half an inch round the page, as printers need
constexpr double kPlanProfileHeightPt = 108.0;  // 1.5 inches: the height of a profile's plot

// 1 when the page leaves room for the table's columns and one profile.
int PlanFitsPage(const GuideLayout& layout);

// Draws and shows the plan pages of list, whose card holds its stages and
// their totals.
void DrawPlanPages(PdfWriter& pdf, const GuideLayout& layout, const Settings& settings, const WaypointList& list,
                   const RouteCard& card);
