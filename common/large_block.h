// Large zero-filled blocks straight from the kernel, for the records and
// texts that grow with the number of waypoints. Each block asks to be backed
// by 2 MiB pages: a million waypoints then cost a few hundred page faults
// instead of some forty thousand, which takes a third off reading and
// checking them (bench/frontend).
#pragma once

#include <cstddef>
#include <memory>

constexpr size_t kHugePageBytes = size_t{2} << 20;  // x86-64 transparent huge page

// A zero-filled block of bytes, rounded up to whole huge pages, aligned to a
// huge page. Like operator new, calls the new handler while memory is
// exhausted (cairnlog's ends the run with its message) and aborts without one.
void* AllocateLargeBlock(size_t bytes);

// Returns a block of AllocateLargeBlock(bytes) to the kernel.
void FreeLargeBlock(void* block, size_t bytes);

// Owns one block and gives it back when it goes.
struct LargeBlockRelease {
    size_t bytes;
    void operator()(char* block) const { FreeLargeBlock(block, bytes); }
};
using LargeBlock = std::unique_ptr<char[], LargeBlockRelease>;

inline LargeBlock MakeLargeBlock(size_t bytes) {
    return LargeBlock(static_cast<char*>(AllocateLargeBlock(bytes)), LargeBlockRelease{bytes});
}
