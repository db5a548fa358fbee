#include "pdf_output.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

#include "pdf_errors.h"
#include "pdf_format.h"

int PdfReserveContent(PdfWriter& pdf, std::size_t need) {
    if (pdf.content == nullptr || pdf.failure.error != PDF_OK) return 1;  // nothing more is drawn
    if (pdf.contentLength + need <= pdf.contentCapacity) return 0;
    if (pdf.contentLength + need > PDF_CONTENT_LIMIT) {
        PdfFail(pdf.failure, PDF_ERROR_CONTENT_OVERFLOW);
        return 1;
    }
    std::size_t capacity = pdf.contentCapacity;
    while (capacity < pdf.contentLength + need) capacity *= 2;
    void* grown = std::realloc(pdf.content, capacity + PDF_CONTENT_MARGIN);
    if (grown == nullptr) {
        PdfFail(pdf.failure, PDF_ERROR_CONTENT_MEMORY, capacity);
        return 1;
    }
    pdf.content = static_cast<char*>(grown);
    pdf.contentCapacity = capacity;
    return 0;
}

void PdfEmit(PdfWriter& pdf, const char* format, ...) {
    if (PdfReserveContent(pdf, PDF_EMIT_ROOM) != 0) return;
    std::va_list args;
    va_start(args, format);
    int count = PdfFormatV(pdf.content + pdf.contentLength, format, args);
    va_end(args);
    pdf.contentLength += static_cast<std::size_t>(count);
}

void PdfPrint(PdfWriter& pdf, const char* format, ...) {
    if (pdf.failure.error != PDF_OK) return;
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
