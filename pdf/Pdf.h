// A small writer of PDF 1.5 files: text in the standard Type 1 fonts and
// clipped lines, drawn into a page content buffer and written page by page
// as Flate-compressed streams, with a classic cross-reference table.
//
//     PdfWriter pdf;                       // no document open
//     if (PdfOpen(pdf, "walkGuide.pdf", nullptr, author, "cairnlog", nullptr,
//                 nullptr, capacity, 612, 792) != 0) return 1;
//     PdfSetFont(pdf, "Helvetica", 6);     // every page selects its font,
//     PdfSetTextAlign(pdf, PDF_ALIGN_CENTER | PDF_VALIGN_BASELINE, 0);
//     PdfSetTextGray(pdf, 0);              // text grey and line style afresh
//     PdfText(pdf, 100, 700, "WP");
//     PdfSetLineWidth(pdf, 0.5); PdfSetLineGray(pdf, 0.7);
//     PdfMoveTo(pdf, 10, 10); PdfLineTo(pdf, 10, 100); PdfStroke(pdf);
//     if (PdfShowPage(pdf, 1) != 0) { PdfClose(pdf); return 1; }
//     return PdfClose(pdf);                // 1 when the file could not be written
//
// Failures: PdfOpen prints its message and returns 1; PdfShowPage and
// PdfClose print "Oops, can't write ..." and return 1 when the file refuses
// a write, and the caller ends the run with status 1. Exhausted memory and
// a zlib failure end the program at once with status 1 and their message.
// One document is open per PdfWriter at a time.
#pragma once

#include "pdf_document.h"
#include "pdf_fonts.h"
#include "pdf_format.h"
#include "pdf_lines.h"
#include "pdf_page.h"
#include "pdf_text.h"
#include "pdf_writer.h"
