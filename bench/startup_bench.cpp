// Start-up to the first turn of the event loop, which follows the window's Open, and the peak resident
// memory of the idle palette, each against a minimal Qt Widgets program started the same way. The IDE
// is put in front first, so that the palette shows as it would beside the IDE.

#include "bench/support/ProcessReport.h"
#include "bench/support/Summary.h"
#include "bench/support/TemporaryFolder.h"
#include "platform/FourCharCode.h"
#include "platform/ProcessManager.h"

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
    double openMilliseconds = 0;
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
    int output[2];
    if (pipe2(output, O_CLOEXEC) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDERR_FILENO);
    std::string path = program;
    std::string spawned = std::to_string(bench::monotonicNanoseconds());
    char* argv[] = { path.data(), spawned.data(), nullptr };
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(output[1]);
    std::string text;
    char buffer[4096];
    ssize_t got;
    while (!failed && (got = ::read(output[0], buffer, sizeof buffer)) != 0) {
        if (got > 0)
            text.append(buffer, static_cast<size_t>(got));
        else if (errno != EINTR)
            break;
    }
    ::close(output[0]);
    auto failure = [&] {
        lastFailure = program + ": " + text;
        return std::nullopt;
    };
    int status = -1;
    if (failed || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return failure();
    long long openMicroseconds = -1;
    int shown = 0;
    long peakKiB = -1;
    const size_t line = text.find("open_us=");
    if (line == std::string::npos
        || std::sscanf(text.c_str() + line, "open_us=%lld shown=%d vmhwm_kib=%ld", &openMicroseconds, &shown,
               &peakKiB)
            != 3
        || openMicroseconds < 0 || peakKiB < 0)
        return failure();
    return Start { openMicroseconds / 1000.0, peakKiB / 1024.0, shown == 1 };
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
    TemporaryFolder m_folder;
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
    std::vector<double> paletteOpen, minimalOpen, palettePeak, minimalPeak;
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
        state.SetIterationTime(ours->openMilliseconds / 1000);
        paletteOpen.push_back(ours->openMilliseconds);
        minimalOpen.push_back(base->openMilliseconds);
        palettePeak.push_back(ours->peakMiB);
        minimalPeak.push_back(base->peakMiB);
    }
    const double open = median(paletteOpen);
    const double openFloor = median(minimalOpen);
    const double peak = median(palettePeak);
    const double peakFloor = median(minimalPeak);
    state.counters["open_ms"] = open;
    state.counters["minimal_open_ms"] = openFloor;
    state.counters["peak_MiB"] = peak;
    state.counters["minimal_peak_MiB"] = peakFloor;
    bench::record("Start-up to the first loop turn, median", { open, "ms" },
        bench::Figure { openFloor, "ms" }, "<= 2x minimal Qt", open <= 2 * openFloor);
    bench::record("Peak resident memory, idle, median", { peak, "MiB" }, bench::Figure { peakFloor, "MiB" },
        "<= 2x minimal Qt", peak <= 2 * peakFloor);
}

BENCHMARK(BM_StartUp)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
