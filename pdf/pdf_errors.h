// The writer's failures as values: each operation that can fail returns a
// PdfError, the document keeps its first failure in a PdfFailure, and the
// caller prints the one message that PdfErrorMessage gives. Nothing in the
// writer prints or ends the program.
#pragma once

#include <cstdint>
#include <string>

enum PdfError : std::int32_t {
    PDF_OK = 0,
    PDF_ERROR_NOT_OPEN = 1,        // no document is open
    PDF_ERROR_ALREADY_OPEN,        // PdfOpen with a document open; it stays whole
    PDF_ERROR_CREATE,              // the file cannot be created
    PDF_ERROR_CONTENT_MEMORY,      // no memory for the page content buffer
    PDF_ERROR_CONTENT_OVERFLOW,    // a page passed PDF_CONTENT_LIMIT
    PDF_ERROR_OBJECT_MEMORY,       // no memory to grow the object table
    PDF_ERROR_SCRATCH_MEMORY,      // no memory for a compressed page
    PDF_ERROR_COMPRESS,            // zlib refused a page
    PDF_ERROR_CONTENT_WRITE,       // the file refused a page's content bytes
    PDF_ERROR_WRITE,               // the file refused any other write, or its close
};

// A document's first failure; once set, it stops all output.
struct PdfFailure {
    PdfError error = PDF_OK;
    std::uint64_t size = 0;  // bytes or entries a failed allocation asked for
};

// Records error as the document's failure unless it has one already, with
// size (bytes or entries) for the message. Returns error.
PdfError PdfFail(PdfFailure& failure, PdfError error, std::uint64_t size = 0);

// The one-line message for error, ending in a line feed, naming path (the
// file of the last PdfOpen) or size (what a failed allocation asked for).
std::string PdfErrorMessage(PdfError error, std::uint64_t size, const char* path);
