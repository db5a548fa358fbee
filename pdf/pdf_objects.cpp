#include "pdf_objects.h"

#include <cstdlib>

namespace {

constexpr std::int32_t kFirstObjectTable = 256;   // entries; doubles when full
constexpr std::uint32_t kFreeGeneration = 65535;  // object 0, head of the free list

int GrowObjectTable(PdfObjectTable& table, PdfFailure& failure, std::int32_t entries) {
    void* grown = std::realloc(table.entries, sizeof(PdfObjectEntry) * static_cast<std::size_t>(entries));
    if (grown == nullptr) {
        PdfFail(failure, PDF_ERROR_OBJECT_MEMORY, static_cast<std::uint64_t>(entries));
        return 1;
    }
    table.entries = static_cast<PdfObjectEntry*>(grown);
    for (std::int32_t i = table.capacity; i < entries; ++i) table.entries[i] = PdfObjectEntry{};
    table.capacity = entries;
    return 0;
}

}  // namespace

int PdfStartObjectTable(PdfObjectTable& table, PdfFailure& failure) {
    if (table.capacity < kFirstObjectTable && GrowObjectTable(table, failure, kFirstObjectTable) != 0) return 1;
    table.entries[0] = PdfObjectEntry{0, kFreeGeneration, PDF_KIND_FREE, 0, 'f'};
    table.nextNumber = 1;
    return 0;
}

void PdfReleaseObjectTable(PdfObjectTable& table) {
    std::free(table.entries);
    table = PdfObjectTable{};
}

std::int32_t PdfRecordObject(PdfObjectTable& table, PdfFailure& failure, std::uint64_t offset,
                             PdfObjectKind kind, std::int32_t fontIndex) {
    if (table.entries == nullptr) return 0;
    std::int32_t number = table.nextNumber;
    if (number >= table.capacity && GrowObjectTable(table, failure, table.capacity * 2) != 0) return 0;
    table.entries[number] = PdfObjectEntry{offset, 0, kind, fontIndex, 'n'};
    table.nextNumber = number + 1;
    return number;
}

std::int32_t PdfFirstObjectOfKind(const PdfObjectTable& table, PdfObjectKind kind) {
    for (std::int32_t i = 0; i < table.nextNumber; ++i)
        if (table.entries[i].kind == kind) return i;
    return 0;
}
