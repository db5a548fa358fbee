// Pages: starting an empty page, the three-part footer, and ending a page
// by writing its content as a Flate-compressed stream object.
#pragma once

#include "pdf_writer.h"

// Draws the footer, writes the page's content stream object (compressed
// with zlib when flate is 1, else as it stands) and starts the next page
// empty: font, text grey and line style must be selected again.
// Returns PDF_OK; PDF_ERROR_NOT_OPEN when no document is open; else the
// document's failure, from this page (the file refused its content bytes,
// PDF_ERROR_CONTENT_WRITE, or another write; memory for compression ran
// out; zlib failed) or from drawing it: the caller then calls PdfClose and
// prints the message.
PdfError PdfShowPage(PdfWriter& pdf, int flate);

// Empties the content buffer, sets the text and line state to zero (no
// font, nothing written) and the clip box to the page.
void PdfResetPage(PdfWriter& pdf);

// Sets the footer drawn by every later PdfShowPage: up to three parts
// separated by tabs, the first ending 72 points from the left edge, the
// second centred, the third beginning 72 points from the right edge, on a
// baseline 36 points up. Each part may hold one "%d" (or "%u", "%ld",
// "%lu") for the page number and "%%" for a percent sign; any other
// character after "%" stands as it is. Null, or an empty text, draws none.
// At most 127 characters are kept.
void PdfSetFooter(PdfWriter& pdf, const char* text);

// Selects the footer's font (a base font name, marked used) and size in
// points.
void PdfSetFooterFont(PdfWriter& pdf, const char* name, int size);
