#include "large_block.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <new>

namespace {

size_t WholeHugePages(size_t bytes) { return (bytes + kHugePageBytes - 1) / kHugePageBytes * kHugePageBytes; }

// Maps bytes plus one huge page and unmaps the ragged ends, so that the block
// starts on a huge page boundary and every huge page of it can be whole.
void* MapAligned(size_t bytes) {
    const size_t mapped = bytes + kHugePageBytes;
    void* start = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (start == MAP_FAILED) return nullptr;
    const uintptr_t address = reinterpret_cast<uintptr_t>(start);
    const uintptr_t aligned = (address + kHugePageBytes - 1) & ~(uintptr_t{kHugePageBytes} - 1);
    const size_t head = aligned - address;
    if (head > 0) munmap(start, head);
    if (mapped - head > bytes) munmap(reinterpret_cast<void*>(aligned + bytes), mapped - head - bytes);
    return reinterpret_cast<void*>(aligned);
}

}  // namespace

void* AllocateLargeBlock(size_t bytes) {
    const size_t size = WholeHugePages(bytes);
    void* block = MapAligned(size);
    while (block == nullptr) {
        std::new_handler handler = std::get_new_handler();
        if (handler == nullptr) std::abort();
        handler();
        block = MapAligned(size);
    }
    madvise(block, size, MADV_HUGEPAGE);  // a hint: without huge pages the block works all the same
    return block;
}

void FreeLargeBlock(void* block, size_t bytes) {
    if (block != nullptr) munmap(block, WholeHugePages(bytes));
}
