// One script run, from RunRbsFile to the IDE's acknowledgement, against a plain read of the file and a
// plain write of the same event to the same receiver, which answers with one word.

#include "bench/support/Palette.h"
#include "bench/support/Summary.h"
#include "bench/support/TemporaryFolder.h"
#include "platform/AppleEventMessage.h"
#include "platform/AppleEventReceiver.h"
#include "platform/EventSocket.h"
#include "platform/FourCharCode.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

namespace {

using namespace fw::platform;
using Clock = std::chrono::steady_clock;

double secondsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double>(to - from).count();
}

constexpr uint32_t ide = fourCC("RBv2");

// The IDE's end, on a thread of this process: it reads each event whole, answers 0 to a run-script
// event whose direct object has the length expected, and -1 to anything else.
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
        m_receiver = AppleEventReceiver::listen(ide);
        if (m_receiver)
            m_thread = std::thread([this] { serve(); });
    }
    ~Acknowledger()
    {
        if (m_thread.joinable()) {
            (void)::write(m_wakeWrite.get(), "x", 1);
            m_thread.join();
        }
    }

    bool listening() const { return m_receiver != nullptr; }
    std::atomic<size_t> expectedLength { 0 };
    std::atomic<int> accepted { 0 };
    std::atomic<int> refused { 0 };

private:
    void serve()
    {
        while (
            std::unique_ptr<AppleEventConnection> client = m_receiver->accept(noDeadline, m_wakeRead.get())) {
            const AppleEventConnection::ReadResult result = client->readMessage(noDeadline, m_wakeRead.get());
            if (result == AppleEventConnection::ReadResult::Woken)
                return;
            std::optional<AppleEventMessage> message;
            if (result == AppleEventConnection::ReadResult::Message)
                message = decodeAppleEventBody(client->body());
            const bool good = message && message->eventClass == fourCC("RBae")
                && message->eventID == fourCC("scpt") && message->parameters.size() == 1
                && message->parameters[0].keyword == fourCC("----")
                && message->parameters[0].data.size() == expectedLength;
            ++(good ? accepted : refused);
            client->reply(good ? 0 : -1);
        }
    }

    TemporaryFolder m_runtime;
    FileDescriptor m_wakeRead;
    FileDescriptor m_wakeWrite;
    std::unique_ptr<AppleEventReceiver> m_receiver;
    std::thread m_thread;
};

// What a run must at least do: read the file whole with one plain read loop into a buffer, write the
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
    std::string framing = "AEVT";
    auto append = [&framing](uint32_t value) {
        for (int shift = 24; shift >= 0; shift -= 8)
            framing.push_back(static_cast<char>(value >> shift));
    };
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
    unsigned char answer[4];
    size_t got = 0;
    while (got < sizeof answer) {
        const ssize_t n = ::read(socket.get(), answer + got, sizeof answer - got);
        if (n <= 0)
            return false;
        got += static_cast<size_t>(n);
    }
    return answer[0] == 0 && answer[1] == 0 && answer[2] == 0 && answer[3] == 0;
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
    const char* name;
    const char* file;
    double limit; // the most the run may cost against the floor, or 0
    double ceilingMicroseconds; // the most the run may take, or 0
};

void BM_RunRbsFile(benchmark::State& state)
{
    static const Sized sizes[] = {
        { "1 KiB", "script-1k", 0, 100 },
        { "1 MiB", "script-1m", 0, 0 },
        { "64 MiB", "script-64m", 1.3, 0 },
    };
    const size_t bytes = static_cast<size_t>(state.range(0));
    const Sized& sized = sizes[bytes <= 1024 ? 0 : bytes <= (1 << 20) ? 1 : 2];

    Acknowledger ide;
    TemporaryFolder folder("ide-script-scripts");
    folder.write(std::string(sized.file) + ".rbs", scriptText(bytes));
    fw::Ref<Window1> window = bench::palette();
    bench::ApplicationFolder programFolder(folder.path());
    if (!ide.listening()) {
        state.SkipWithError("the receiver could not listen");
        return;
    }
    ide.expectedLength = bytes;
    const std::string fileName = std::string(sized.file) + ".rbs";

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
        std::snprintf(target, sizeof target, "<= %.1fx floor", sized.limit);
        bench::record(name, { run, "us" }, bench::Figure { floor, "us" }, target, run <= sized.limit * floor);
    } else if (sized.ceilingMicroseconds > 0) {
        bench::record(name, { run, "us" }, bench::Figure { floor, "us" },
            "< " + std::to_string(int(sized.ceilingMicroseconds)) + " us", run < sized.ceilingMicroseconds);
    } else {
        bench::note(name, { run, "us" }, bench::Figure { floor, "us" }, "no target");
    }
}

BENCHMARK(BM_RunRbsFile)
    ->Arg(1024)
    ->Arg(1 << 20)
    ->Arg(64 << 20)
    ->MinTime(2.0)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace
