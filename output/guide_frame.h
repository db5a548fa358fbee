// The frame of one guide page: for every column its credit line, header
// (field names, title and column label), field separators and cut marks,
// and the heavy and thin rules across every band.
#pragma once

#include "Pdf.h"
#include "guide_layout.h"
#include "settings.h"

// Draws the frames of all ColumnsAcross x Bands columns of the page whose
// first column is k, filled or empty, labelled with their column numbers.
void DrawGuideFrame(PdfWriter& pdf, const GuideLayout& layout, const Settings& settings, long long firstColumn);
