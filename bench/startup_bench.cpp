// Start-up to the end of the window's first paint, and the peak resident memory of the idle palette,
// each against a minimal Qt Widgets program whose window draws a line of text, started and watched the
// same way. The IDE is put in front first, so that the palette shows as it would beside the IDE.

#include "bench/support/ProcessReport.h"
#include "bench/support/RunProgram.h"
#include "bench/support/Summary.h"
#include "platform/FourCharCode.h"
#include "platform/ProcessManager.h"
#include "tests/support/TemporaryFolder.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Start {
    double paintMilliseconds = 0;
    double peakMiB = 0;
    bool shown = false;
};

std::string besideThisProgram(const std::string& relative)
{
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / relative).string();
}

// What the last program that failed wrote, for the error message.
std::string lastFailure;

// Runs `program` to its end and reads its report; nothing when it fails or reports nothing. Its
// standard error is taken with its output, so that the platform's notices do not clutter the report.
std::optional<Start> run(const std::string& program)
{
    std::string text;
    auto failure = [&] {
        lastFailure = program + ": " + text;
        return std::nullopt;
    };
    if (!bench::runProgram({ program, std::to_string(bench::monotonicNanoseconds()) }, &text))
        return failure();
    long long paintMicroseconds = -1;
    int shown = 0;
    long peakKiB = -1;
    const size_t line = text.find("paint_us=");
    if (line == std::string::npos
        || std::sscanf(text.c_str() + line, "paint_us=%lld shown=%d vmhwm_kib=%ld", &paintMicroseconds,
               &shown, &peakKiB)
            != 3
        || paintMicroseconds < 0 || peakKiB < 0)
        return failure();
    return Start { paintMicroseconds / 1000.0, peakKiB / 1024.0, shown == 1 };
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// An event directory of its own, with the IDE in front, for this program and the ones it starts.
class IdeInFront {
public:
    IdeInFront()
        : m_folder("ide-script-runtime")
    {
        setenv("XDG_RUNTIME_DIR", m_folder.path().c_str(), 1);
        ready = fw::platform::bringToFront(fw::platform::fourCC("RBv2"));
    }
    bool ready = false;

private:
    TemporaryFolder m_folder { "ide-script-bench" };
};

// Each iteration starts both programs, in turns, so that a slow moment of the machine falls on both.
void BM_StartUp(benchmark::State& state)
{
    IdeInFront front;
    const std::string palette = besideThisProgram("palette/bench-palette-start");
    const std::string minimal = besideThisProgram("bench-minimal-qt");
    // The first start of each reads the libraries from disk; that is not what is measured.
    if (!front.ready || !run(palette) || !run(minimal)) {
        lastFailure = "a program did not start, or the IDE could not be put in front: " + lastFailure;
        state.SkipWithError(lastFailure.c_str());
        return;
    }
    std::vector<double> palettePaint, minimalPaint, palettePeak, minimalPeak;
    for (auto _ : state) {
        const bool paletteFirst = state.iterations() % 2 == 0;
        std::optional<Start> first = run(paletteFirst ? palette : minimal);
        std::optional<Start> second = run(paletteFirst ? minimal : palette);
        std::optional<Start>& ours = paletteFirst ? first : second;
        std::optional<Start>& base = paletteFirst ? second : first;
        if (!ours || !base || !ours->shown || !base->shown) {
            lastFailure = "a program failed, reported nothing, or did not show its window: " + lastFailure;
            state.SkipWithError(lastFailure.c_str());
            return;
        }
        state.SetIterationTime(ours->paintMilliseconds / 1000);
        palettePaint.push_back(ours->paintMilliseconds);
        minimalPaint.push_back(base->paintMilliseconds);
        palettePeak.push_back(ours->peakMiB);
        minimalPeak.push_back(base->peakMiB);
    }
    const double paint = median(palettePaint);
    const double paintFloor = median(minimalPaint);
    const double peak = median(palettePeak);
    const double peakFloor = median(minimalPeak);
    state.counters["paint_ms"] = paint;
    state.counters["minimal_paint_ms"] = paintFloor;
    state.counters["peak_MiB"] = peak;
    state.counters["minimal_peak_MiB"] = peakFloor;
    bench::record("Start-up to the first paint, median", { paint, "ms" }, bench::Figure { paintFloor, "ms" },
        "<= 1.1x text window", paint <= 1.1 * paintFloor);
    bench::record("Peak resident memory, idle, median", { peak, "MiB" }, bench::Figure { peakFloor, "MiB" },
        "<= 1.1x text window", peak <= 1.1 * peakFloor);
}

BENCHMARK(BM_StartUp)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
