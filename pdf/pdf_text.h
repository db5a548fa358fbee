// Text on the page: font, size, alignment, angle and grey, placed with the
// text matrix and measured with the font width tables.
#pragma once

#include <cstddef>

#include "pdf_format.h"
#include "pdf_writer.h"

// Most bytes one PdfText adds to the page besides its text, which it writes
// in at most twice its bytes (escaped): "BT", the font ("/F12 1 Tf"), the
// grey or colour, the graphics state ("/GS1 gs", "0 Tc", "0 Tw"), the text
// matrix's six numbers, "(", ")Tj" and "ET", every line with CR LF.
constexpr std::size_t PDF_TEXT_FIXED_MAX = 4 + 11 + (PDF_NUMBER_MAX + 4) + (3 * PDF_NUMBER_MAX + 7) + 21 +
                                           (6 * PDF_NUMBER_MAX + 10) + 10;

// Selects a standard font by base name ("Helvetica-Bold") and its size in
// points, marking it used; an unknown name selects no font. Resets the
// alignment to left and baseline and the angle to 0, so set them after.
// Returns 1 when no document is open, else 0.
int PdfSetFont(PdfWriter& pdf, const char* name, double size);

// Sets the alignment (PDF_ALIGN_* | PDF_VALIGN_*; 0x20 wins over 0x40 and
// 0x02 over 0x04) and the angle in degrees, counter-clockwise.
int PdfSetTextAlign(PdfWriter& pdf, int align, double angle);

// Sets the text grey, 0 black to 1 white; a value outside gives black.
int PdfSetTextGray(PdfWriter& pdf, double gray);

// Draws text, UTF-8, with its anchor at (x, y) in points, aligned and
// rotated as set, in WinAnsi codes (pdf_winansi.h). Returns 1, drawing
// nothing, when no document is open or no font is selected (a text without
// a font would make the page invalid), else 0.
int PdfText(PdfWriter& pdf, double x, double y, const char* text);

// Advance width of text (UTF-8) in points for the current font and size:
// size x 0.001 x the sum of the widths of the WinAnsi codes that draw it.
// 0 when no font is selected.
double PdfTextWidth(const PdfWriter& pdf, const char* text);
