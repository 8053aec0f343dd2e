#pragma once

// What a program started by startup_bench tells it on its standard output, in one line: the time from
// the moment the benchmark spawned it (passed as its first argument, in nanoseconds of the monotonic
// clock, which all processes share) to the end of its window's first paint, whether its window shows,
// and its peak resident memory after it has idled.

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace bench {

// The steady clock is the system's monotonic clock, whose readings hold across processes.
inline int64_t monotonicNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The spawn time from the arguments; without one, now, so that a run by hand still reports.
inline int64_t spawnedAt(int argc, char** argv)
{
    return argc > 1 ? std::strtoll(argv[1], nullptr, 10) : monotonicNanoseconds();
}

// A field of /proc/self/status in KiB (VmHWM, the peak resident memory; VmRSS, the resident now); -1
// when it cannot be read.
inline long statusKiB(const char* field)
{
    FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return -1;
    char line[256];
    long value = -1;
    const size_t length = std::strlen(field);
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, field, length) == 0 && line[length] == ':')
            value = std::strtol(line + length + 1, nullptr, 10);
    }
    std::fclose(status);
    return value;
}

inline long peakResidentKiB()
{
    return statusKiB("VmHWM");
}

// Sets the peak back to what is resident now, so that the next reading of the peak covers what follows.
inline bool resetPeakResident()
{
    FILE* clear = std::fopen("/proc/self/clear_refs", "w");
    if (!clear)
        return false;
    const bool written = std::fputs("5", clear) >= 0;
    return std::fclose(clear) == 0 && written;
}

// How long both programs idle in their event loop after the first paint before the peak is read.
inline constexpr int idleMilliseconds = 200;
// How long a program waits for its first paint before it gives up and reports none.
inline constexpr int paintDeadlineMilliseconds = 10000;

// `painted` is 0 when no paint came.
inline void printReport(int64_t spawned, int64_t painted, bool shown, long peakKiB)
{
    std::printf("paint_us=%lld shown=%d vmhwm_kib=%ld\n",
        static_cast<long long>(painted > 0 ? (painted - spawned) / 1000 : -1), shown ? 1 : 0, peakKiB);
    std::fflush(stdout);
}

} // namespace bench
