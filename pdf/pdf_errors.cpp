#include "pdf_errors.h"

#include <cstdio>
#include <cstring>

namespace {

// Room for the longest message text besides its path: a 20-digit size, and
// the NUL.
constexpr std::size_t kLongestMessage = 96;

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

PdfError PdfFail(PdfFailure& failure, PdfError error, std::uint64_t size) {
    if (failure.error == PDF_OK) {
        failure.error = error;
        failure.size = size;
    }
    return error;
}

std::string PdfErrorMessage(PdfError error, std::uint64_t size, const char* path) {
    if (path == nullptr) path = "";
    std::string message(std::strlen(path) + kLongestMessage, '\0');
    int length;
    if (error == PDF_ERROR_CREATE || error == PDF_ERROR_WRITE)
        length = std::snprintf(&message[0], message.size(), MessageFormat(error), path);
    else
        length = std::snprintf(&message[0], message.size(), MessageFormat(error), static_cast<unsigned long>(size));
    message.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    return message;
}
