#include "pdf_errors.h"

#include <cstdio>

#include "pdf_writer.h"

namespace {

// Each failure's message. A "%s" takes the path of the last PdfOpen; a
// "%lX" or "%lu" the size that a failed allocation asked for.
const char* MessageFormat(PdfError error) {
    switch (error) {
    case PDF_OK: return "";
    case PDF_ERROR_NOT_OPEN: return "Oops, no PDF document is open\n";
    case PDF_ERROR_ALREADY_OPEN: return "Oops, PDF content buffer already open\n";
    case PDF_ERROR_CREATE: return "Can't open PDF file <%s>, aborting\n";
    case PDF_ERROR_CONTENT_MEMORY: return "Can't create a PDF 0x%lX content buffer\n";
    case PDF_ERROR_CONTENT_OVERFLOW: return "Oops, PDF content buffer overflow, aborting\n";
    case PDF_ERROR_OBJECT_MEMORY: return "Oops, can't grow the PDF object table to %lu objects\n";
    case PDF_ERROR_SCRATCH_MEMORY: return "can't malloc in PdfShowPage\n";
    case PDF_ERROR_COMPRESS: return "can't Flate compress showpage stream\n";
    case PDF_ERROR_CONTENT_WRITE: return "Oops, can't write PDF content block\n";
    case PDF_ERROR_WRITE: return "Oops, can't write %s\n";
    }
    return "";
}

}  // namespace

PdfError PdfFail(PdfWriter& pdf, PdfError error, std::uint64_t size) {
    if (pdf.error == PDF_OK) {
        pdf.error = error;
        pdf.errorSize = size;
    }
    return error;
}

std::string PdfErrorMessage(const PdfWriter& pdf, PdfError error) {
    char message[PDF_PATH_SIZE + 64];  // the path and the longest text around it
    if (error == PDF_ERROR_CREATE || error == PDF_ERROR_WRITE)
        std::snprintf(message, sizeof message, MessageFormat(error), pdf.path);
    else
        std::snprintf(message, sizeof message, MessageFormat(error), static_cast<unsigned long>(pdf.errorSize));
    return message;
}
