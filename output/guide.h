// The Take-Along Guide: the PDF file of narrow waypoint columns that is
// printed double-sided, laminated and cut into slices for the walk. Writes
// the pages in pairs, front then back, each sheet's back page holding the
// columns that belong behind its front page's.
#pragma once

#include "Pdf.h"
#include "file_names.h"
#include "guide_layout.h"
#include "route_card.h"
#include "settings.h"
#include "waypoint.h"

// Most content bytes one page of the layout can take: every column's frame
// and every row with the rule under it, each at its most. The guide refuses
// a layout whose pages could pass what the PDF writer takes.
double GuidePageContentMax(const GuideLayout& layout);

// Writes the guide of list with settings to files.PdfFilename with pdf, a
// writer with no document open (tests fix its clock first); messages about a
// waypoint name its line of files.WayFilename. Returns 0 when the guide was
// written; 1 after the message when the settings leave no room for a column
// or a row ("Oops, page settings leave no room for the guide (...)") or
// could put more on a page than the writer takes ("Oops, page settings put
// too many rows on a guide page (...)"), both before anything is opened; 1
// after the writer's message when the file cannot be created or the writer
// fails (the file is closed and removed).
// With card, each row shows its leg's bearing and time in a fifth field,
// via points have no row, every stage ends with its totals row and its
// name heads its columns. With card and PLAN the plan pages follow on a
// sheet of their own; "Oops, page settings leave no room for the plan (...)"
// refuses a page too small for them, before anything is opened.
int WriteGuide(const WaypointList& list, const Settings& settings, const FileNames& files, PdfWriter& pdf,
               const RouteCard* card = nullptr);

// The same with a writer of its own, reading the clock.
int WriteGuide(const WaypointList& list, const Settings& settings, const FileNames& files,
               const RouteCard* card = nullptr);
