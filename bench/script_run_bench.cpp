// One script run, from RunRbsFile to the IDE's acknowledgement, against the least a run must do: a plain
// read of the file into a buffer sized once, and a plain write of the same event, with the same socket
// buffer as the program, to the same receiver, which answers with one word. For the largest script, the
// peak resident memory of a palette process during one run, beside the script's own size.

#include "bench/support/Palette.h"
#include "bench/support/ProcessReport.h"
#include "bench/support/RunProgram.h"
#include "bench/support/Summary.h"
#include "platform/AppleEventMessage.h"
#include "platform/BigEndian.h"
#include "platform/EventSocket.h"
#include "platform/FileDescriptor.h"
#include "platform/FourCharCode.h"
#include "platform/ReadWhole.h"
#include "platform/WriteWhole.h"
#include "tests/support/TemporaryFolder.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using namespace fw::platform;
using Clock = std::chrono::steady_clock;

double secondsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double>(to - from).count();
}

constexpr uint32_t ide = fourCC("RBv2");
// What the program's sender asks of the kernel for its socket; the floor asks the same.
constexpr int socketBuffer = 4 << 20;

bool readExactly(int fd, char* into, size_t size)
{
    size_t have = 0;
    return readWhole(fd, into, size, have) && have == size;
}

// The IDE's end, on a thread of this process, as lean as a receiver can be, so that it weighs as little
// as it can on both sides: it sizes its buffer once from the length the header announces, reads the body
// into it, and answers 0 to a run-script event whose direct object has the length expected, -1 to
// anything else.
class Acknowledger {
public:
    Acknowledger()
        : m_runtime("ide-script-runtime")
    {
        setenv("XDG_RUNTIME_DIR", m_runtime.path().c_str(), 1);
        int wake[2];
        if (pipe2(wake, O_CLOEXEC) != 0)
            return;
        m_wakeRead.reset(wake[0]);
        m_wakeWrite.reset(wake[1]);
        const std::optional<std::string> path = eventSocketPath(ide, true);
        sockaddr_un address;
        if (!path || !makeSocketAddress(*path, address))
            return;
        FileDescriptor listening(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
        if (::bind(listening.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0
            || ::listen(listening.get(), 16) != 0)
            return;
        m_listening = std::move(listening);
        m_thread = std::thread([this] { serve(); });
    }
    ~Acknowledger()
    {
        if (m_thread.joinable()) {
            (void)::write(m_wakeWrite.get(), "x", 1);
            m_thread.join();
        }
    }

    bool listening() const { return m_listening.valid(); }
    std::atomic<size_t> expectedLength { 0 };
    std::atomic<int> accepted { 0 };
    std::atomic<int> refused { 0 };

private:
    void serve()
    {
        for (;;) {
            pollfd waits[] = { { m_listening.get(), POLLIN, 0 }, { m_wakeRead.get(), POLLIN, 0 } };
            if (::poll(waits, 2, -1) < 0 && errno != EINTR)
                return;
            if (waits[1].revents)
                return;
            if (waits[0].revents) {
                FileDescriptor client(::accept4(m_listening.get(), nullptr, nullptr, SOCK_CLOEXEC));
                if (client.valid())
                    answer(client.get());
            }
        }
    }

    void answer(int client)
    {
        char header[appleEventHeaderSize];
        bool good = false;
        if (readExactly(client, header, sizeof header)) {
            if (const std::optional<uint32_t> length = decodeAppleEventHeader({ header, sizeof header })) {
                std::unique_ptr<char[]> body(new char[*length]);
                if (readExactly(client, body.get(), *length)) {
                    const std::optional<AppleEventMessage> message
                        = decodeAppleEventBody({ body.get(), *length });
                    good = message && message->eventClass == fourCC("RBae")
                        && message->eventID == fourCC("scpt") && message->parameters.size() == 1
                        && message->parameters[0].keyword == fourCC("----")
                        && message->parameters[0].data.size() == expectedLength;
                }
            }
        }
        ++(good ? accepted : refused);
        const char code = good ? 0 : -1;
        const char status[4] = { code, code, code, code };
        (void)writeWhole(client, { status, sizeof status });
    }

    TemporaryFolder m_runtime { "ide-script-bench" };
    FileDescriptor m_wakeRead;
    FileDescriptor m_wakeWrite;
    FileDescriptor m_listening;
    std::thread m_thread;
};

// What a run must at least do: read the file whole into a buffer sized once from its length, write the
// event's 36 bytes of framing and the text to the IDE's socket, and read the one-word answer. True when
// the answer is 0.
bool floorRun(const std::string& path)
{
    const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat status;
    if (file < 0 || ::fstat(file, &status) != 0) {
        if (file >= 0)
            ::close(file);
        return false;
    }
    const auto length = static_cast<size_t>(status.st_size);
    std::unique_ptr<char[]> text(new char[length]);
    size_t have = 0;
    while (have < length) {
        const ssize_t n = ::read(file, text.get() + have, length - have);
        if (n <= 0)
            break;
        have += static_cast<size_t>(n);
    }
    ::close(file);

    std::optional<std::string> socketPath = eventSocketPath(ide, false);
    sockaddr_un address;
    if (!socketPath || !makeSocketAddress(*socketPath, address))
        return false;
    FileDescriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (::connect(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return false;
    ::setsockopt(socket.get(), SOL_SOCKET, SO_SNDBUF, &socketBuffer, sizeof socketBuffer);
    std::string framing = "AEVT";
    auto append = [&framing](uint32_t value) { appendBigEndian32(framing, value); };
    append(static_cast<uint32_t>(16 + 12 + have));
    append(fourCC("RBae"));
    append(fourCC("scpt"));
    append(ide);
    append(1);
    append(fourCC("----"));
    append(fourCC("TEXT"));
    append(static_cast<uint32_t>(have));
    if (!writeWhole(socket.get(), framing) || !writeWhole(socket.get(), std::string_view(text.get(), have)))
        return false;
    char answer[4];
    return readExactly(socket.get(), answer, sizeof answer) && answer[0] == 0 && answer[1] == 0
        && answer[2] == 0 && answer[3] == 0;
}

// A script of `size` bytes of plain text lines.
std::string scriptText(size_t size)
{
    const std::string line = "MsgBox \"The quick brown fox jumps over the lazy dog\" ' 0123456789\n";
    std::string text;
    text.reserve(size);
    while (text.size() < size)
        text.append(line, 0, std::min(line.size(), size - text.size()));
    return text;
}

struct Sized {
    size_t bytes;
    const char* name;
    const char* file;
    double limit; // the most the run may cost against the floor, or 0
    double ceilingMicroseconds; // the most the run may take, or 0
};

constexpr Sized sizes[] = {
    { 1 << 10, "1 KiB", "script-1k", 0, 100 },
    { 1 << 20, "1 MiB", "script-1m", 0, 0 },
    { 64 << 20, "64 MiB", "script-64m", 1.15, 0 },
    { size_t { 512 } << 20, "512 MiB", "script-512m", 1.15, 0 },
};

const Sized& sizedFor(size_t bytes)
{
    return *std::find_if(
        std::begin(sizes), std::end(sizes), [bytes](const Sized& s) { return s.bytes == bytes; });
}

void BM_RunRbsFile(benchmark::State& state)
{
    const Sized& sized = sizedFor(static_cast<size_t>(state.range(0)));
    Acknowledger ide;
    TemporaryFolder folder("ide-script-scripts");
    const std::string fileName = std::string(sized.file) + ".rbs";
    folder.write(fileName, scriptText(sized.bytes));
    fw::Ref<Window1> window = bench::palette();
    bench::ApplicationFolder programFolder(folder.path());
    if (!ide.listening()) {
        state.SkipWithError("the receiver could not listen");
        return;
    }
    ide.expectedLength = sized.bytes;

    double runSeconds = 0;
    double floorSeconds = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        window->RunRbsFile(fw::String(std::string_view(fileName)));
        const Clock::time_point acknowledged = Clock::now();
        state.SetIterationTime(secondsBetween(start, acknowledged));
        runSeconds += secondsBetween(start, acknowledged);

        const Clock::time_point floorStart = Clock::now();
        const bool floorDone = floorRun(folder.pathOf(fileName));
        floorSeconds += secondsBetween(floorStart, Clock::now());
        if (!floorDone || ide.refused > 0 || !bench::messageBoxes().empty()) {
            state.SkipWithError("a run was not acknowledged");
            return;
        }
    }
    if (ide.accepted != 2 * state.iterations()) {
        state.SkipWithError("the receiver did not see every run");
        return;
    }
    const double iterations = static_cast<double>(state.iterations());
    const double run = runSeconds / iterations * 1e6;
    const double floor = floorSeconds / iterations * 1e6;
    state.counters["run_us"] = run;
    state.counters["floor_us"] = floor;
    state.counters["x_floor"] = run / floor;
    const std::string name = std::string("RunRbsFile ") + sized.name;
    if (sized.limit > 0) {
        char target[32];
        std::snprintf(target, sizeof target, "<= %.2fx floor", sized.limit);
        bench::record(name, { run, "us" }, bench::Figure { floor, "us" }, target, run <= sized.limit * floor);
    } else if (sized.ceilingMicroseconds > 0) {
        bench::record(name, { run, "us" }, bench::Figure { floor, "us" },
            "< " + std::to_string(int(sized.ceilingMicroseconds)) + " us", run < sized.ceilingMicroseconds);
    } else {
        bench::note(name, { run, "us" }, bench::Figure { floor, "us" }, "no target");
    }
}

BENCHMARK(BM_RunRbsFile)
    ->Arg(1 << 10)
    ->Arg(1 << 20)
    ->Arg(64 << 20)
    ->Arg(int64_t { 512 } << 20)
    ->MinTime(2.0)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

std::string besideThisProgram(const std::string& name)
{
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / name).string();
}

// Runs `bench-run-script` on the script in `folder` and reads what it reports: its resident memory
// before the run and its peak during it, in KiB. Nothing when it fails or reports nothing.
std::optional<std::pair<long, long>> peakOfOneRun(const std::string& folder, const std::string& fileName)
{
    const std::optional<std::string> text
        = bench::runProgram({ besideThisProgram("bench-run-script"), folder, fileName });
    if (!text)
        return std::nullopt;
    long before = -1;
    long peak = -1;
    const size_t line = text->find("before_kib=");
    if (line == std::string::npos
        || std::sscanf(text->c_str() + line, "before_kib=%ld peak_kib=%ld", &before, &peak) != 2 || before < 0
        || peak < before)
        return std::nullopt;
    return std::pair { before, peak };
}

// The peak resident memory of a palette process during one 512 MiB run, above what it held before the
// run: the script read once, and whatever the send adds. Median of three processes.
void BM_RunRbsFilePeakMemory(benchmark::State& state)
{
    const Sized& sized = sizes[3];
    Acknowledger ide;
    TemporaryFolder folder("ide-script-scripts");
    const std::string fileName = std::string(sized.file) + ".rbs";
    folder.write(fileName, scriptText(sized.bytes));
    if (!ide.listening()) {
        state.SkipWithError("the receiver could not listen");
        return;
    }
    ide.expectedLength = sized.bytes;
    std::vector<double> grownMiB;
    for (auto _ : state) {
        const std::optional<std::pair<long, long>> report = peakOfOneRun(folder.path(), fileName);
        if (!report || ide.refused > 0) {
            state.SkipWithError("the run in its own process failed or was not acknowledged");
            return;
        }
        grownMiB.push_back((report->second - report->first) / 1024.0);
    }
    if (ide.accepted != state.iterations()) {
        state.SkipWithError("the receiver did not see every run");
        return;
    }
    std::sort(grownMiB.begin(), grownMiB.end());
    const double grown = grownMiB[grownMiB.size() / 2];
    const double script = static_cast<double>(sized.bytes) / (1 << 20);
    state.counters["peak_growth_MiB"] = grown;
    state.counters["script_MiB"] = script;
    bench::record("RunRbsFile 512 MiB, peak resident memory above the idle palette", { grown, "MiB" },
        bench::Figure { script, "MiB" }, "<= the script + 32 MiB", grown <= script + 32);
}

BENCHMARK(BM_RunRbsFilePeakMemory)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
