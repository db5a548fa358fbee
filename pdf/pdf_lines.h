// Lines on the page: paths of moves and lines clipped to the page box, and
// the stroke with its width and grey, written only when they change.
#pragma once

#include <cstddef>

#include "pdf_format.h"
#include "pdf_writer.h"

// Most bytes one PdfMoveTo or PdfLineTo adds to the page: a move and a line
// ("x y m", "x y l" with CR LF).
constexpr std::size_t PDF_PATH_STEP_MAX = 2 * (2 * PDF_NUMBER_MAX + 5);

// Most bytes one PdfStroke adds: the width ("w"), the grey ("G") or colour
// ("RG") and "S", every line with CR LF.
constexpr std::size_t PDF_STROKE_MAX = (PDF_NUMBER_MAX + 4) + (PDF_NUMBER_MAX + 4) + (3 * PDF_NUMBER_MAX + 7) + 3;

// Outcode bits of a point against the clip box; points on an edge are inside.
constexpr int PDF_OUT_RIGHT = 0x1;   // x > xmax
constexpr int PDF_OUT_LEFT = 0x2;    // x < xmin
constexpr int PDF_OUT_TOP = 0x4;     // y > ymax
constexpr int PDF_OUT_BOTTOM = 0x8;  // y < ymin

// Sets the line width in points for the next stroke.
int PdfSetLineWidth(PdfWriter& pdf, double width);

// Sets the stroke grey, 0 black to 1 white; a value outside gives black.
int PdfSetLineGray(PdfWriter& pdf, double gray);

// Makes (x, y) the current point; a move to a point inside the page box is
// written, one outside is only remembered.
int PdfMoveTo(PdfWriter& pdf, double x, double y);

// Adds a line from the current point to (x, y), clipped to the page box:
// the part inside is drawn (with a move to where it enters), a line wholly
// outside draws nothing. (x, y) becomes the current point.
int PdfLineTo(PdfWriter& pdf, double x, double y);

// Strokes the path with the line width and grey in force now.
int PdfStroke(PdfWriter& pdf);

// Writes the line width and stroke grey when not yet written on this page.
int PdfEmitStrokeState(PdfWriter& pdf);

// The PDF_OUT_* bits of (x, y) against the clip box.
int PdfOutcode(const PdfWriter& pdf, double x, double y);
