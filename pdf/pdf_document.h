// Document structure: opening and closing a document, the objects written
// at close (fonts, graphics state, halftone, resources, Info, page tree,
// catalog) and the trailer with its /ID. The fonts name WinAnsiEncoding
// when the document draws a code above ASCII, and only then.
//
// Numbering for P shown pages and F used fonts: content streams 1..P (one
// per PdfShowPage), fonts P+1..P+F, ExtGState, Halftone, Resources, Info,
// Pages, the P Page objects, Catalog; /Size is 2P+F+7.
#pragma once

#include <cstdint>

#include "pdf_writer.h"

// Opens a document at path, with its first page empty. title, author,
// creator and producer are the Info strings, UTF-8 (at most 127 bytes kept,
// cut between characters; written as UTF-16 when beyond ASCII); null
// selects path, "Tessaron Engineering", "Unknown" and "Pdf". footer is
// the footer text of PdfSetFooter, or null. capacity is the starting size in
// bytes of the page content buffer (0 selects 65536); it grows when a page
// needs more. width and height are the page size in points.
// Returns PDF_OK; PDF_ERROR_ALREADY_OPEN when a document is open (no file
// is created and the open document stays whole); else the failure, with no
// document open: the file cannot be created, or memory ran out (then no
// file is created).
PdfError PdfOpen(PdfWriter& pdf, const char* path, const char* title, const char* author,
                 const char* creator, const char* producer, const char* footer,
                 std::int32_t capacity, std::int32_t width, std::int32_t height);

// Writes the rest of the document (fonts, resources, Info, page tree,
// catalog, cross-reference table, trailer), closes the file and releases
// the buffers, leaving no document open: the one way every document ends,
// failed or not. Anything drawn after the last PdfShowPage is dropped.
// After a failure the file is only closed, and removed as incomplete.
// Returns the document's first failure (PDF_ERROR_WRITE when a write or
// the close failed), or PDF_OK; PDF_OK too when no document is open.
PdfError PdfClose(PdfWriter& pdf);

// The object writers PdfClose calls in this order. Each returns the number
// of the object it wrote (PdfWriteFonts the last Font object's), or 0 when
// no document is open or the object table cannot grow.
std::int32_t PdfWriteFonts(PdfWriter& pdf);
std::int32_t PdfWriteExtGState(PdfWriter& pdf);
std::int32_t PdfWriteHalftone(PdfWriter& pdf);
std::int32_t PdfWriteResources(PdfWriter& pdf);
std::int32_t PdfWriteInfo(PdfWriter& pdf);
std::int32_t PdfWritePageTree(PdfWriter& pdf, std::int32_t resources);  // returns the Pages number
std::int32_t PdfWriteCatalog(PdfWriter& pdf, std::int32_t pages);
