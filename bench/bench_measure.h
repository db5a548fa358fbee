// Wall time and peak memory as the benchmark programs print them.
#pragma once

#include <sys/resource.h>

#include <chrono>

inline double Seconds(std::chrono::steady_clock::duration elapsed) {
    return std::chrono::duration<double>(elapsed).count();
}

// The process's peak resident size so far, in KiB (Linux's ru_maxrss unit).
inline long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
