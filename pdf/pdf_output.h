// Where the writer's bytes go: the page content buffer, which grows as a
// page needs it, and the output file, whose byte count places every object
// in the cross-reference table.
#pragma once

#include <cstddef>

#include "pdf_writer.h"

// Room one formatted operator line may take: six numbers of at most
// PDF_NUMBER_MAX bytes, their blanks, the operator, CR LF and a NUL.
constexpr std::size_t PDF_EMIT_ROOM = 256;

// Largest page content accepted, bytes: far beyond any page a guide draws,
// and small enough that every length in the stream object fits 32 bits.
constexpr std::size_t PDF_CONTENT_LIMIT = std::size_t{1} << 30;

// Makes sure the page content buffer has room for need more bytes, growing
// it when the page has outgrown its capacity. Returns 0; returns 1 when no
// document is open, when it has failed, or (recording the failure) when
// memory runs out or the page would pass PDF_CONTENT_LIMIT.
int PdfReserveContent(PdfWriter& pdf, std::size_t need);

// Appends one PdfFormat line to the page content; does nothing when no
// document is open or it has failed.
void PdfEmit(PdfWriter& pdf, const char* format, ...);

// printf to the output file, counting the bytes so that objects know their
// offsets even on a stream that cannot tell its position. Writes nothing
// once the document has failed. An error shows in ferror(pdf.file).
void PdfPrint(PdfWriter& pdf, const char* format, ...);

// Writes size bytes to the output file in one block. Returns 0 when all of
// them were written.
int PdfWriteBlock(PdfWriter& pdf, const void* data, std::size_t size);
