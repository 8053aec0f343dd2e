#pragma once

// What a program started by startup_bench tells it on its standard output, in one line: the time from
// the moment the benchmark spawned it (passed as its first argument, in nanoseconds of the monotonic
// clock, which all processes share) to the first turn of its event loop, whether its window shows,
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

// VmHWM of /proc/self/status, in KiB; -1 when it cannot be read.
inline long peakResidentKiB()
{
    FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return -1;
    char line[256];
    long peak = -1;
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, "VmHWM:", 6) == 0)
            peak = std::strtol(line + 6, nullptr, 10);
    }
    std::fclose(status);
    return peak;
}

// How long both programs idle in their event loop after its first turn before the peak is read: long
// enough for the first paint.
inline constexpr int idleMilliseconds = 200;

inline void printReport(int64_t spawned, int64_t opened, bool shown, long peakKiB)
{
    std::printf("open_us=%lld shown=%d vmhwm_kib=%ld\n", static_cast<long long>((opened - spawned) / 1000),
        shown ? 1 : 0, peakKiB);
    std::fflush(stdout);
}

} // namespace bench
