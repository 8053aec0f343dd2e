#include "platform/AppleEventMessage.h"
#include "platform/BigEndian.h"
#include "platform/EventDirectory.h"
#include "platform/EventSocket.h"
#include "platform/FileDescriptor.h"
#include "platform/FourCharCode.h"
#include "platform/ProcessManager.h"
#include "platform/WaitFor.h"
#include "platform/WriteWhole.h"
#include "platform/standin/StandinServer.h"
#include "tests/support/BlockingSend.h"
#include "tests/support/Patience.h"
#include "tests/support/RunScriptMessage.h"
#include "tests/support/StandinProcess.h"
#include "tests/support/TemporaryRuntimeDirectory.h"
#include "tests/support/WholeAppleEvent.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace fw::platform;
using namespace std::chrono_literals;
using namespace std::string_literals;

namespace {

const uint32_t ide = fourCC("RBv2");

// An event's header before `body`, whatever the body holds.
std::string framed(const std::string& body)
{
    return "AEVT" + bigEndian32String(static_cast<uint32_t>(body.size())) + body;
}

bool exists(const std::string& path)
{
    struct stat status;
    return lstat(path.c_str(), &status) == 0;
}

// A client of the IDE's socket; not valid when it cannot connect. Its sends give up after 10 s, so
// that a server that stops reading fails the test instead of stalling it.
FileDescriptor connectClient()
{
    std::optional<std::string> path = eventSocketPath(ide, false);
    sockaddr_un address;
    if (!path || !makeSocketAddress(*path, address))
        return {};
    FileDescriptor client(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    const timeval limit { 10, 0 };
    if (::setsockopt(client.get(), SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit) != 0
        || ::connect(client.get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        return {};
    return client;
}

// Sends `count` bytes of filler after `head`, until the server stops taking them; the bytes sent.
size_t stream(int client, const std::string& head, size_t count)
{
    if (::send(client, head.data(), head.size(), MSG_NOSIGNAL) != ssize_t(head.size()))
        return 0;
    const std::string chunk(1 << 20, 'x');
    size_t sent = 0;
    while (sent < count) {
        ssize_t done = ::send(client, chunk.data(), std::min(chunk.size(), count - sent), MSG_NOSIGNAL);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            break;
        sent += static_cast<size_t>(done);
    }
    return sent;
}

// The status that the server answers on `client`; nothing when none comes.
std::optional<int32_t> readStatus(int client)
{
    char status[4];
    size_t have = 0;
    const Deadline deadline = deadlineAfter(patience);
    while (have < 4 && waitFor(client, POLLIN, deadline) == WaitResult::Ready) {
        ssize_t got = ::recv(client, status + have, 4 - have, 0);
        if (got <= 0)
            return std::nullopt;
        have += static_cast<size_t>(got);
    }
    if (have < 4)
        return std::nullopt;
    return static_cast<int32_t>(readBigEndian32({ status, sizeof status }));
}

// Writes `bytes` to the IDE's socket as they are and gives the status that comes back.
std::optional<int32_t> exchange(const std::string& bytes)
{
    FileDescriptor client = connectClient();
    if (!client.valid() || !writeWhole(client.get(), bytes))
        return std::nullopt;
    ::shutdown(client.get(), SHUT_WR);
    return readStatus(client.get());
}

const std::string payloads[] = {
    "MsgBox \"hi\"\r\n",
    "a\0b\0"s,
    "\xff\xfe\xc3(\xe2\x28\xa1",
    "",
    "cr\rlf\ncrlf\r\n",
    std::string(1 << 20, '\0') + "end",
};

class IdeStandin : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(exists(standinPath())) << standinPath() << " is not built"; }

    std::string socketPath() const { return m_runtime.eventDirectory() + "/RBv2.sock"; }

    TemporaryRuntimeDirectory m_runtime;
};

TEST_F(IdeStandin, WritesEachScriptToStandardOutputUnchanged)
{
    StandinProcess standin({ "serve" });
    ASSERT_TRUE(standin.waitUntilListening()) << standin.errors();
    std::string expected;
    for (const std::string& payload : payloads) {
        EXPECT_TRUE(sendAppleEvent(runScript(payload))) << payload.size();
        expected += payload;
    }
    EXPECT_EQ(standin.stop(SIGTERM), 0) << standin.errors();
    EXPECT_TRUE(standin.output() == expected)
        << standin.output().size() << " of " << expected.size() << " bytes";
    EXPECT_FALSE(exists(socketPath())) << "the socket goes with the server";
}

TEST_F(IdeStandin, RecordsEachScriptInItsOwnFile)
{
    const std::string record = m_runtime.path() + "/record";
    ASSERT_EQ(mkdir(record.c_str(), 0700), 0);
    ASSERT_TRUE(writeFile(record + "/000002", "taken"));
    StandinProcess standin({ "serve", "--record", record });
    ASSERT_TRUE(standin.waitUntilListening()) << standin.errors();
    for (const std::string& payload : payloads)
        ASSERT_TRUE(sendAppleEvent(runScript(payload)));
    // The answer comes once the file is in place, so it can be checked at once.
    const char* names[] = { "000001", "000003", "000004", "000005", "000006", "000007" };
    for (size_t i = 0; i < std::size(payloads); ++i)
        EXPECT_TRUE(readFile(record + "/" + names[i]) == payloads[i]) << names[i];
    EXPECT_EQ(readFile(record + "/000002"), "taken");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(record), {}), 7)
        << "no temporary file is left";
    EXPECT_EQ(standin.stop(SIGINT), 0);
    EXPECT_EQ(standin.output(), "");
}

TEST_F(IdeStandin, AppendsToTheOutputFile)
{
    const std::string output = m_runtime.path() + "/scripts.txt";
    ASSERT_TRUE(writeFile(output, "before\n"));
    StandinProcess standin({ "serve", "--output", output });
    ASSERT_TRUE(standin.waitUntilListening()) << standin.errors();
    ASSERT_TRUE(sendAppleEvent(runScript("one\0"s)));
    ASSERT_TRUE(sendAppleEvent(runScript("two\r\n")));
    EXPECT_EQ(readFile(output), "before\none\0two\r\n"s);
    EXPECT_EQ(standin.stop(), 0);
}

TEST_F(IdeStandin, MalformedEventsAreRefusedAndWriteNothing)
{
    StandinProcess standin({ "serve" });
    ASSERT_TRUE(standin.waitUntilListening()) << standin.errors();
    const std::string head = "RBae"
                             "scpt"
                             "RBv2";
    const std::string direct = "----"
                               "TEXT"s
        + bigEndian32String(2) + "hi";
    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        { "not an event", "GET / HTTP/1.0\r\n\r\n" },
        { "no body", "AEVT"s + bigEndian32String(0) },
        { "count past the bytes", framed(head + bigEndian32String(2) + direct) },
        { "trailing bytes", framed(head + bigEndian32String(1) + direct + "!") },
        { "other class",
            framed("RBaX"
                   "scpt"
                   "RBv2"
                + bigEndian32String(1) + direct) },
        { "other id",
            framed("RBae"
                   "open"
                   "RBv2"
                + bigEndian32String(1) + direct) },
        { "addressed to another creator",
            framed("RBae"
                   "scpt"
                   "Fndr"
                + bigEndian32String(1) + direct) },
        { "no direct object",
            framed(head + bigEndian32String(1)
                + "kwd1"
                  "TEXT"
                + bigEndian32String(2) + "hi") },
        { "direct object not text",
            framed(head + bigEndian32String(1)
                + "----"
                  "utf8"
                + bigEndian32String(2) + "hi") },
        { "two direct objects", framed(head + bigEndian32String(2) + direct + direct) },
    };
    for (const Case& c : cases) {
        std::optional<int32_t> status = exchange(c.bytes);
        ASSERT_TRUE(status) << c.name << ": no answer";
        EXPECT_NE(*status, 0) << c.name;
    }
    // Other parameters beside the direct object are fine, and the server still serves.
    EXPECT_EQ(exchange(framed(head + bigEndian32String(2)
                  + "kwd1"
                    "long"
                  + bigEndian32String(1) + "z" + direct)),
        0);
    EXPECT_EQ(standin.stop(), 0);
    EXPECT_EQ(standin.output(), "hi");
}

TEST_F(IdeStandin, AnswersTheStatusItIsGiven)
{
    StandinProcess standin({ "serve", "--status", "-1708" });
    ASSERT_TRUE(standin.waitUntilListening()) << standin.errors();
    EXPECT_EQ(exchange(*encodeAppleEvent(runScript("x"))), -1708);
    EXPECT_FALSE(sendAppleEvent(runScript("y")));
    EXPECT_EQ(standin.stop(), 0);
}

TEST_F(IdeStandin, WithoutRepliesASendTimesOut)
{
    StandinProcess standin({ "serve", "--no-reply" });
    ASSERT_TRUE(standin.waitUntilListening()) << standin.errors();
    SendTimeoutSeam::Scoped timeout(300ms);
    EXPECT_FALSE(sendAppleEvent(runScript("x")));
    EXPECT_FALSE(sendAppleEvent(runScript("y")));
    EXPECT_EQ(standin.stop(), 0);
    EXPECT_EQ(standin.output(), "xy") << "the events were read all the same";
}

// Clients that connect and say nothing, or stop partway through an event, each wait out their own
// time limit; scripts sent meanwhile are taken at once. Served in turn, the ten silent clients would
// hold them up for 100 seconds, past the sends' limit.
TEST_F(IdeStandin, SilentClientsNeverHoldUpAScript)
{
    StandinProcess standin({ "serve" });
    ASSERT_TRUE(standin.waitUntilListening()) << standin.errors();
    const std::string partial[]
        = { "", "", "", "", "", "", "", "", "AEV", "AEVT" + bigEndian32String(100) + "abc" };
    std::vector<FileDescriptor> silent;
    for (const std::string& bytes : partial) {
        silent.push_back(connectClient());
        ASSERT_TRUE(silent.back().valid());
        ASSERT_TRUE(writeWhole(silent.back().get(), bytes));
    }
    SendTimeoutSeam::Scoped timeout(patience);
    EXPECT_TRUE(sendAppleEvent(runScript("first ")));
    EXPECT_TRUE(sendAppleEvent(runScript("second")));
    EXPECT_EQ(standin.stop(), 0);
    EXPECT_EQ(standin.output(), "first second");
}

// A client that says nothing, or stops partway through an event, is dropped once its time limit has
// passed: its connection closes with no answer, and the stand-in serves on. The stand-in runs in a
// child of the test, so that the test can shorten the limit.
TEST_F(IdeStandin, DropsAClientThatStaysSilentPastItsTimeLimit)
{
    const std::string output = m_runtime.path() + "/scripts";
    const pid_t server = ::fork();
    ASSERT_GE(server, 0);
    if (server == 0) {
        StandinClientTimeLimitSeam::Scoped limit(200ms);
        StandinServer::Options options;
        options.creator = ide;
        options.outputFile = output;
        const int quiet = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        ::dup2(quiet, STDERR_FILENO);
        ::_exit(StandinServer(options).run());
    }
    struct Stop {
        pid_t pid;
        int status = -1;
        int operator()()
        {
            if (pid > 0 && ::kill(pid, SIGTERM) == 0 && ::waitpid(pid, &status, 0) == pid)
                pid = -1;
            return status;
        }
        ~Stop() { (*this)(); }
    } stop { server };

    std::vector<FileDescriptor> silent;
    for (const std::string& bytes : { ""s, "AEVT" + bigEndian32String(100) + "abc" }) {
        FileDescriptor client;
        ASSERT_TRUE(waitUntil([&] { return (client = connectClient()).valid(); }))
            << "the stand-in never listened";
        ASSERT_TRUE(writeWhole(client.get(), bytes));
        silent.push_back(std::move(client));
    }
    for (const FileDescriptor& client : silent) {
        // Dropped: the end of the connection, with nothing before it.
        ASSERT_EQ(waitFor(client.get(), POLLIN, deadlineAfter(patience)), WaitResult::Ready);
        char answer[4];
        EXPECT_EQ(::recv(client.get(), answer, sizeof answer, 0), 0);
    }
    EXPECT_TRUE(sendAppleEvent(runScript("still served")));
    const int status = stop();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    std::ifstream written(output, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(written), {}), "still served");
}

// A header that announces more than the palette can ever send is refused as it comes, while its
// client is still streaming: the stand-in stops taking bytes and keeps none of them.
TEST_F(IdeStandin, RefusesAnOversizedEventAtOnceWithoutBufferingIt)
{
    StandinProcess standin({ "serve" });
    ASSERT_TRUE(standin.waitUntilListening()) << standin.errors();
    const long before = standin.memoryKiB("VmHWM");
    ASSERT_GT(before, 0);
    constexpr size_t offered = size_t { 256 } << 20;
    for (uint32_t announced : { appleEventLargestBody + 1, uint32_t { 0xFFFFFFFF } }) {
        SCOPED_TRACE(announced);
        FileDescriptor client = connectClient();
        ASSERT_TRUE(client.valid());
        const size_t sent = stream(client.get(), "AEVT" + bigEndian32String(announced), offered);
        EXPECT_LT(sent, offered / 4) << "the stand-in went on reading";
        EXPECT_EQ(readStatus(client.get()), -1);
        EXPECT_TRUE(standin.waitForErrors("refused a message of " + std::to_string(announced) + " bytes"))
            << standin.errors();
    }
    EXPECT_LT(standin.memoryKiB("VmHWM") - before, 16 * 1024) << "KiB more at the peak";
    EXPECT_TRUE(sendAppleEvent(runScript("still serving")));
    EXPECT_EQ(standin.stop(), 0);
    EXPECT_EQ(standin.output(), "still serving");
}

// While a large event comes in, the stand-in holds about the bytes that came, not room doubled ahead
// of them, and gives them back when the client leaves halfway.
TEST_F(IdeStandin, HoldsNoMoreThanTheBytesReceived)
{
    StandinProcess standin({ "serve" });
    ASSERT_TRUE(standin.waitUntilListening()) << standin.errors();
    const long before = standin.memoryKiB("VmRSS");
    const long peakBefore = standin.memoryKiB("VmHWM");
    ASSERT_GT(before, 0);
    // Just past a power of two, where room doubled ahead would be largest.
    constexpr size_t streamed = size_t { 129 } << 20;
    constexpr long streamedKiB = streamed / 1024;
    // Room for the program's own small allocations and a sanitizer's shadow of the bytes.
    constexpr long slackKiB = 32 * 1024;
    FileDescriptor client = connectClient();
    ASSERT_TRUE(client.valid());
    ASSERT_EQ(stream(client.get(), "AEVT" + bigEndian32String(appleEventLargestBody), streamed), streamed);
    // The socket holds the last few hundred KiB until the stand-in takes them.
    waitUntil([&] { return standin.memoryKiB("VmRSS") - before >= streamedKiB - 2048; }, patience, 10ms);
    EXPECT_GE(standin.memoryKiB("VmRSS") - before, streamedKiB - 2048) << "the bytes were not kept";
    EXPECT_LT(standin.memoryKiB("VmHWM") - peakBefore, streamedKiB + slackKiB) << "KiB more at the peak";

    client.reset();
    waitUntil([&] { return standin.memoryKiB("VmRSS") - before <= slackKiB; }, patience, 10ms);
    EXPECT_LT(standin.memoryKiB("VmRSS") - before, slackKiB) << "KiB still held after the client left";
    EXPECT_EQ(standin.stop(), 0);
    EXPECT_EQ(standin.output(), "");
}

TEST_F(IdeStandin, ReplacesAStaleSocketButNotALiveOne)
{
    ASSERT_TRUE(eventDirectory(true));
    {
        // A socket file whose owner is gone.
        FileDescriptor stale(::socket(AF_UNIX, SOCK_STREAM, 0));
        sockaddr_un address;
        ASSERT_TRUE(makeSocketAddress(socketPath(), address));
        ASSERT_EQ(::bind(stale.get(), reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    }
    StandinProcess first({ "serve" });
    ASSERT_TRUE(first.waitUntilListening()) << first.errors();

    StandinProcess second({ "serve" });
    EXPECT_EQ(second.wait(), 1);
    EXPECT_NE(second.errors().find("another receiver"), std::string::npos) << second.errors();
    EXPECT_TRUE(sendAppleEvent(runScript("still here"))) << "the second one left the first one's socket";
    EXPECT_EQ(first.stop(), 0);
    EXPECT_EQ(first.output(), "still here");
}

TEST_F(IdeStandin, RefusedDirectoryStopsIt)
{
    ASSERT_EQ(mkdir(m_runtime.eventDirectory().c_str(), 0770), 0);
    ASSERT_EQ(chmod(m_runtime.eventDirectory().c_str(), 0770), 0);
    EXPECT_EQ(runStandin({ "serve" }), 1);
    EXPECT_EQ(runStandin({ "front" }), 1);
    EXPECT_FALSE(exists(socketPath()));
    EXPECT_FALSE(exists(m_runtime.eventDirectory() + "/front"));
}

TEST_F(IdeStandin, ASocketPathTooLongIsNamedInOneLine)
{
    TemporaryRuntimeDirectory deep(sizeof(sockaddr_un::sun_path));
    const std::string path = deep.eventDirectory() + "/RBv2.sock";
    StandinProcess standin({ "serve" });
    EXPECT_EQ(standin.wait(), 1);
    EXPECT_EQ(standin.errors(),
        "ide-standin: cannot listen as RBv2: the socket's path is too long for a Unix socket address ("
            + std::to_string(path.size()) + " bytes, at most 107): " + path + "\n");
}

TEST_F(IdeStandin, ServesAnotherCreatorAndComesToTheFront)
{
    StandinProcess standin({ "serve", "--front", "--creator", "0x00000001" });
    ASSERT_TRUE(standin.waitUntilListening()) << standin.errors();
    EXPECT_TRUE(exists(m_runtime.eventDirectory() + "/0x00000001.sock"));
    EXPECT_EQ(frontCreator(), 1u);
    EXPECT_TRUE(sendAppleEvent(runScript("one", 1)));
    EXPECT_FALSE(sendAppleEvent(runScript("to the IDE")));
    EXPECT_EQ(standin.stop(), 0);
    EXPECT_EQ(standin.output(), "one");
}

TEST_F(IdeStandin, FrontAndBackSwitchTheFrontApplication)
{
    struct Case {
        std::vector<std::string> arguments;
        const char* front;
    } cases[] = {
        { { "front" }, "RBv2" },
        { { "back" }, "Fndr" },
        { { "front", "MACS" }, "MACS" },
        { { "back", "0x2f2f2f2f" }, "////" },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(runStandin(c.arguments), 0) << c.arguments[0];
        EXPECT_EQ(readFile(m_runtime.eventDirectory() + "/front"), c.front);
    }
}

TEST_F(IdeStandin, ExplainsItsUse)
{
    std::string output;
    EXPECT_EQ(runStandin({ "--help" }, &output), 0);
    EXPECT_NE(output.find("usage: ide-standin serve"), std::string::npos) << output;
    const std::vector<std::string> wrong[] = {
        {},
        { "launch" },
        { "front", "RBv" },
        { "front", "RBv2", "more" },
        { "serve", "--status" },
        { "serve", "--status", "12x" },
        { "serve", "--creator", "0x1234567g" },
        { "serve", "--output", "a", "--record", "b" },
    };
    for (const std::vector<std::string>& arguments : wrong)
        EXPECT_EQ(runStandin(arguments), 2) << (arguments.empty() ? "" : arguments.back());
    EXPECT_FALSE(exists(m_runtime.eventDirectory() + "/front"));
}

} // namespace
