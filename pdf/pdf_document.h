// Document structure: opening and closing a document, the object table and
// object numbering, the objects written at close (fonts, graphics state,
// halftone, resources, Info, page tree, catalog), the cross-reference table
// and the trailer with its /ID.
//
// Numbering for P shown pages and F used fonts: content streams 1..P (one
// per PdfShowPage), fonts P+1..P+F, ExtGState, Halftone, Resources, Info,
// Pages, the P Page objects, Catalog; /Size is 2P+F+7. The object table
// grows, so every page is in the file whatever the page count.
#pragma once

#include <cstdint>

#include "pdf_writer.h"

// Opens a document at path, with its first page empty. title, author,
// creator and producer are the Info strings (at most 127 characters kept);
// null selects path, "Tessaron Engineering", "Unknown" and "Pdf". footer is
// the footer text of PdfSetFooter, or null. capacity is the starting size in
// bytes of the page content buffer (0 selects 65536); it grows when a page
// needs more. width and height are the page size in points.
// Returns 0, or 1 after printing the message when a document is already
// open (no file is created then) or the file cannot be created. Ends the
// program with status 1 when the buffers cannot be allocated.
int PdfOpen(PdfWriter& pdf, const char* path, const char* title, const char* author,
            const char* creator, const char* producer, const char* footer,
            std::int32_t capacity, std::int32_t width, std::int32_t height);

// Writes the rest of the document (fonts, resources, Info, page tree,
// catalog, cross-reference table, trailer), closes the file and releases
// the buffers, leaving no document open. Anything drawn after the last
// PdfShowPage is dropped. Returns 0; returns 1 when a write or the close
// failed, after printing "Oops, can't write <path>" (or when PdfShowPage
// has already reported a failed write): the caller then ends the run with
// status 1. Returns 0 when no document is open.
int PdfClose(PdfWriter& pdf);

// Gives the next object number to an object of the given kind, recording
// the file position where its text starts. Returns the number, or 0 when no
// document is open.
std::int32_t PdfRecordObject(PdfWriter& pdf, PdfObjectKind kind, std::int32_t fontIndex = 0);

// The object writers PdfClose calls in this order. Each returns the number
// of the object it wrote (PdfWriteFonts the last Font object's), or 0 when
// no document is open.
std::int32_t PdfWriteFonts(PdfWriter& pdf);
std::int32_t PdfWriteExtGState(PdfWriter& pdf);
std::int32_t PdfWriteHalftone(PdfWriter& pdf);
std::int32_t PdfWriteResources(PdfWriter& pdf);
std::int32_t PdfWriteInfo(PdfWriter& pdf);
std::int32_t PdfWritePageTree(PdfWriter& pdf, std::int32_t resources);  // returns the Pages number
std::int32_t PdfWriteCatalog(PdfWriter& pdf, std::int32_t pages);
