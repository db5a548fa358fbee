// The object table: one entry per object number, holding where the object
// starts in the file, its kind and, for a font, which one. Every object is
// recorded here as it is written, and the cross-reference table is made
// from the entries. The table grows, so every page fits whatever the page
// count. Both the document and the page files build on this one.
#pragma once

#include <cstdint>

#include "pdf_errors.h"

enum PdfObjectKind : std::int32_t {
    PDF_KIND_FREE = 0,
    PDF_KIND_FONT = 1,
    PDF_KIND_EXTGSTATE = 2,
    PDF_KIND_PAGE = 3,
    PDF_KIND_INFO = 4,
    PDF_KIND_PAGES = 5,
    PDF_KIND_RESOURCES = 6,
    PDF_KIND_HALFTONE = 7,
    PDF_KIND_CATALOG = 8,
    PDF_KIND_CONTENT = 9,
};

// One cross-reference entry, indexed by object number.
struct PdfObjectEntry {
    std::uint64_t offset = 0;      // bytes from the start of the file to "n 0 obj"
    std::uint32_t generation = 0;  // 65535 for object 0, else 0; written as 16 bits
    PdfObjectKind kind = PDF_KIND_FREE;
    std::int32_t fontIndex = 0;    // Font objects: index into kPdfFonts
    char inUse = 0;                // 'f' for object 0, 'n' for the others
};

// The table of one document; a value-initialised table is not started.
struct PdfObjectTable {
    PdfObjectEntry* entries = nullptr;  // null until started and once released
    std::int32_t capacity = 0;          // entries allocated; grows as needed
    std::int32_t nextNumber = 0;        // number the next recorded object gets
};

// Starts the table of a new document: entry 0, the head of the free list,
// and object number 1 next. Returns 0, or 1 when memory runs out (the
// failure is recorded).
int PdfStartObjectTable(PdfObjectTable& table, PdfFailure& failure);

// Frees the table, leaving it not started.
void PdfReleaseObjectTable(PdfObjectTable& table);

// Gives the next object number to an object of the given kind whose text
// starts offset bytes into the file. Returns the number, or 0 when the
// table is not started or cannot grow (the failure is recorded).
std::int32_t PdfRecordObject(PdfObjectTable& table, PdfFailure& failure, std::uint64_t offset,
                             PdfObjectKind kind, std::int32_t fontIndex = 0);

// The lowest object number of that kind, or 0 when there is none.
std::int32_t PdfFirstObjectOfKind(const PdfObjectTable& table, PdfObjectKind kind);
