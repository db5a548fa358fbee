#include "pdf_output.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

#include "pdf_format.h"

void PdfFatal(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    std::exit(1);
}

void PdfReserveContent(PdfWriter& pdf, std::size_t need) {
    if (pdf.content == nullptr) return;  // no document open: nothing is drawn
    if (pdf.contentLength + need <= pdf.contentCapacity) return;
    if (pdf.contentLength + need > PDF_CONTENT_LIMIT)
        PdfFatal("Oops, PDF content buffer overflow, aborting\n");
    std::size_t capacity = pdf.contentCapacity;
    while (capacity < pdf.contentLength + need) capacity *= 2;
    void* grown = std::realloc(pdf.content, capacity + PDF_CONTENT_MARGIN);
    if (grown == nullptr)
        PdfFatal("Can't create a PDF 0x%lX content buffer\n", static_cast<unsigned long>(capacity));
    pdf.content = static_cast<char*>(grown);
    pdf.contentCapacity = capacity;
}

void PdfEmit(PdfWriter& pdf, const char* format, ...) {
    if (pdf.content == nullptr) return;
    PdfReserveContent(pdf, PDF_EMIT_ROOM);
    std::va_list args;
    va_start(args, format);
    int count = PdfFormatV(pdf.content + pdf.contentLength, format, args);
    va_end(args);
    pdf.contentLength += static_cast<std::size_t>(count);
}

void PdfPrint(PdfWriter& pdf, const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    int count = std::vfprintf(pdf.file, format, args);
    va_end(args);
    if (count > 0) pdf.fileOffset += static_cast<std::uint64_t>(count);
}

int PdfWriteBlock(PdfWriter& pdf, const void* data, std::size_t size) {
    std::size_t written = size == 0 ? 0 : std::fwrite(data, 1, size, pdf.file);
    pdf.fileOffset += written;
    return written == size ? 0 : 1;
}
