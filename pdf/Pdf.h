// A small writer of PDF 1.5 files: text in the standard Type 1 fonts and
// clipped lines, drawn into a page content buffer and written page by page
// as Flate-compressed streams, with a classic cross-reference table.
//
//     PdfWriter pdf;                       // no document open
//     PdfError error = PdfOpen(pdf, "walkGuide.pdf", nullptr, author, "cairnlog",
//                              nullptr, nullptr, capacity, 612, 792);
//     if (error != PDF_OK) { fputs(PdfErrorMessage(error, pdf.failure.size, pdf.path).c_str(), stderr); return 1; }
//     PdfSetFont(pdf, "Helvetica", 6);     // every page selects its font,
//     PdfSetTextAlign(pdf, PDF_ALIGN_CENTER | PDF_VALIGN_BASELINE, 0);
//     PdfSetTextGray(pdf, 0);              // text grey and line style afresh
//     PdfText(pdf, 100, 700, "WP");
//     PdfSetLineWidth(pdf, 0.5); PdfSetLineGray(pdf, 0.7);
//     PdfMoveTo(pdf, 10, 10); PdfLineTo(pdf, 10, 100); PdfStroke(pdf);
//     PdfShowPage(pdf, 1);                 // stops at the document's failure
//     error = PdfClose(pdf);               // closes the file; removes it if failed
//     if (error != PDF_OK) { fputs(PdfErrorMessage(error, pdf.failure.size, pdf.path).c_str(), stderr); return 1; }
//
// Failures are values (pdf_errors.h): the writer prints nothing and never
// ends the program. A document keeps its first failure (a refused write,
// exhausted memory, a zlib failure, a page past the content limit); later
// drawing does nothing, PdfShowPage returns it, and PdfClose closes and
// removes the file and returns it. One document is open per PdfWriter at a
// time.
#pragma once

#include "pdf_document.h"
#include "pdf_errors.h"
#include "pdf_fonts.h"
#include "pdf_format.h"
#include "pdf_lines.h"
#include "pdf_page.h"
#include "pdf_text.h"
#include "pdf_winansi.h"
#include "pdf_writer.h"
