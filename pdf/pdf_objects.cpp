#include "pdf_objects.h"

#include <cstdlib>

#include "pdf_errors.h"
#include "pdf_output.h"
#include "pdf_writer.h"

namespace {

constexpr std::int32_t kFirstObjectTable = 256;   // entries; doubles when full
constexpr std::uint32_t kFreeGeneration = 65535;  // object 0, head of the free list

int GrowObjectTable(PdfWriter& pdf, std::int32_t entries) {
    void* grown = std::realloc(pdf.objects, sizeof(PdfObjectEntry) * static_cast<std::size_t>(entries));
    if (grown == nullptr) {
        PdfFail(pdf, PDF_ERROR_OBJECT_MEMORY, static_cast<std::uint64_t>(entries));
        return 1;
    }
    pdf.objects = static_cast<PdfObjectEntry*>(grown);
    for (std::int32_t i = pdf.objectCapacity; i < entries; ++i) pdf.objects[i] = PdfObjectEntry{};
    pdf.objectCapacity = entries;
    return 0;
}

}  // namespace

int PdfStartObjectTable(PdfWriter& pdf) {
    if (pdf.objectCapacity < kFirstObjectTable && GrowObjectTable(pdf, kFirstObjectTable) != 0) return 1;
    pdf.objects[0] = PdfObjectEntry{0, kFreeGeneration, PDF_KIND_FREE, 0, 'f'};
    pdf.nextObject = 1;
    return 0;
}

void PdfReleaseObjectTable(PdfWriter& pdf) {
    std::free(pdf.objects);
    pdf.objects = nullptr;
    pdf.objectCapacity = 0;
}

std::int32_t PdfRecordObject(PdfWriter& pdf, PdfObjectKind kind, std::int32_t fontIndex) {
    if (pdf.file == nullptr) return 0;
    std::int32_t number = pdf.nextObject;
    if (number >= pdf.objectCapacity && GrowObjectTable(pdf, pdf.objectCapacity * 2) != 0) return 0;
    pdf.objects[number] = PdfObjectEntry{pdf.fileOffset, 0, kind, fontIndex, 'n'};
    pdf.nextObject = number + 1;
    return number;
}

std::int32_t PdfFirstObjectOfKind(const PdfWriter& pdf, PdfObjectKind kind) {
    for (std::int32_t i = 0; i < pdf.nextObject; ++i)
        if (pdf.objects[i].kind == kind) return i;
    return 0;
}

void PdfWriteCrossReference(PdfWriter& pdf) {
    PdfPrint(pdf, "xref\r\n0 %d\r\n", pdf.nextObject);
    for (std::int32_t i = 0; i < pdf.nextObject; ++i) {
        const PdfObjectEntry& entry = pdf.objects[i];
        PdfPrint(pdf, "%010lu %05u %c\r\n", static_cast<unsigned long>(entry.offset),
                 static_cast<unsigned>(entry.generation & 0xFFFF), entry.inUse);
    }
}
