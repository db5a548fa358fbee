// The frame of one guide page: for every column its credit line, header
// (field names, title and column label), field separators and cut marks,
// and the heavy and thin rules across every band.
#pragma once

#include <cstddef>

#include "Pdf.h"
#include "guide_layout.h"
#include "settings.h"

constexpr int kGuideLabelTextSize = 32;  // bytes: "-", a long long, "-" and a NUL

// Most page content bytes one rule across one column draws: a move, a line
// and the stroke.
constexpr std::size_t kGuideRuleContentMax = 2 * PDF_PATH_STEP_MAX + PDF_STROKE_MAX;

// Most page content bytes one column's frame draws besides the rule under
// each of its rows: nine texts (credit, header and label; none longer than
// a label) escaped into at most twice their bytes, five vertical lines
// (three separators, two cut marks) and their stroke, and the two heavy
// rules above the rows.
constexpr std::size_t kGuideColumnFrameContentMax = 9 * (PDF_TEXT_FIXED_MAX + 2 * (kGuideLabelTextSize - 1)) +
                                                    10 * PDF_PATH_STEP_MAX + PDF_STROKE_MAX +
                                                    2 * kGuideRuleContentMax;

// What the route card adds to a column's frame: two header texts and the
// separator of its field.
constexpr std::size_t kGuideCardFrameContentMax = 2 * (PDF_TEXT_FIXED_MAX + 2 * (kGuideLabelTextSize - 1)) +
                                                  2 * PDF_PATH_STEP_MAX;

struct GuideColumns;
struct RouteCard;

// Draws the frames of all ColumnsAcross x Bands columns of the page whose
// first column is k, filled or empty, labelled with their column numbers.
// With card (and the columns found for it), a column of a named stage is
// headed by the stage's name instead of the title.
void DrawGuideFrame(PdfWriter& pdf, const GuideLayout& layout, const Settings& settings, long long firstColumn,
                    const GuideColumns* columns = nullptr, const RouteCard* card = nullptr);
