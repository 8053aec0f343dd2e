#include "platform/AppleEventReceiver.h"
#include "platform/AppleEventTransport.h"
#include "platform/EventDirectory.h"
#include "platform/EventSocket.h"
#include "platform/FileDescriptor.h"
#include "platform/FourCharCode.h"
#include "platform/WaitFor.h"
#include "tests/support/BlockingSend.h"
#include "tests/support/Patience.h"
#include "tests/support/RunScriptMessage.h"
#include "tests/support/TemporaryRuntimeDirectory.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <future>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

using namespace fw::platform;
using namespace std::chrono_literals;
using namespace std::string_literals;

namespace {

const uint32_t ide = fourCC("RBv2");

// A receiver on its own thread that takes one connection and treats it as the test says.
class ReceiverThread {
public:
    using Behaviour = std::function<void(AppleEventConnection&)>;

    explicit ReceiverThread(Behaviour behaviour)
        : m_receiver(AppleEventReceiver::listen(ide))
    {
        if (!m_receiver)
            return;
        m_thread = std::thread([this, behaviour = std::move(behaviour)] {
            std::unique_ptr<AppleEventConnection> connection = m_receiver->accept(deadlineAfter(patience));
            m_accepted = connection != nullptr;
            if (connection)
                behaviour(*connection);
        });
    }
    ~ReceiverThread() { join(); }

    bool listening() const { return m_receiver != nullptr; }
    bool accepted()
    {
        join();
        return m_accepted;
    }
    void join()
    {
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    std::unique_ptr<AppleEventReceiver> m_receiver;
    std::thread m_thread;
    bool m_accepted = false;
};

// Reads the message and answers `status`; the body lands in `body`.
ReceiverThread::Behaviour answering(int32_t status, std::string* body = nullptr)
{
    return [status, body](AppleEventConnection& connection) {
        if (connection.readMessage(deadlineAfter(patience)) != AppleEventConnection::ReadResult::Message)
            return;
        if (body)
            *body = connection.takeBody();
        connection.reply(status);
    };
}

class Transport : public testing::Test {
protected:
    TemporaryRuntimeDirectory m_runtime;
};

TEST_F(Transport, DeliversTheScriptBytesExactly)
{
    const std::string payloads[] = {
        "",
        "MsgBox \"hi\"\r\n",
        "a\0b\0"s,
        "\xff\xfe\xc3(\xe2\x28\xa1",
        "line1\rline2\nline3\r\n",
        std::string(1 << 20, '\0') + "end",
    };
    for (const std::string& payload : payloads) {
        std::string body;
        ReceiverThread receiver(answering(0, &body));
        ASSERT_TRUE(receiver.listening());
        EXPECT_TRUE(sendAppleEvent(runScript(payload)));
        receiver.join();
        std::optional<AppleEventMessage> message = decodeAppleEventBody(body);
        ASSERT_TRUE(message);
        EXPECT_EQ(message->eventClass, fourCC("RBae"));
        EXPECT_EQ(message->eventID, fourCC("scpt"));
        EXPECT_EQ(message->target, ide);
        ASSERT_EQ(message->parameters.size(), 1u);
        EXPECT_EQ(message->parameters[0].keyword, fourCC("----"));
        EXPECT_EQ(message->parameters[0].type, fourCC("TEXT"));
        EXPECT_TRUE(message->parameters[0].data == payload) << payload.size() << " bytes";
    }
}

TEST_F(Transport, DeliversALargeScript)
{
    std::string script(64 << 20, 'x');
    for (size_t i = 0; i < script.size(); i += 4093)
        script[i] = static_cast<char>(i);
    std::string body;
    ReceiverThread receiver(answering(0, &body));
    ASSERT_TRUE(receiver.listening());
    EXPECT_TRUE(sendAppleEvent(runScript(script)));
    receiver.join();
    std::optional<AppleEventMessage> message = decodeAppleEventBody(body);
    ASSERT_TRUE(message && message->parameters.size() == 1);
    EXPECT_TRUE(message->parameters[0].data == script);
}

TEST_F(Transport, NoReceiverIsAFailedSend)
{
    // No event directory at all.
    EXPECT_FALSE(sendAppleEvent(runScript("x")));
    ASSERT_TRUE(eventDirectory(true));
    // A directory, but nobody listens.
    EXPECT_FALSE(sendAppleEvent(runScript("x")));
    // A socket file that its dead owner left behind.
    {
        std::unique_ptr<AppleEventReceiver> gone = AppleEventReceiver::listen(ide);
        ASSERT_TRUE(gone);
        std::string path = gone->socketPath();
        int copy = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address;
        ASSERT_TRUE(makeSocketAddress(path, address));
        gone.reset();
        ASSERT_EQ(::bind(copy, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::close(copy);
    }
    EXPECT_FALSE(sendAppleEvent(runScript("x")));
}

TEST_F(Transport, RefusedDirectoryGetsNothing)
{
    // The receiver takes one connection: once the directory is mended, the next send's.
    std::string body;
    ReceiverThread receiver(answering(0, &body));
    ASSERT_TRUE(receiver.listening());
    ASSERT_EQ(chmod(m_runtime.eventDirectory().c_str(), 0770), 0);
    EXPECT_FALSE(sendAppleEvent(runScript("refused")));
    ASSERT_EQ(chmod(m_runtime.eventDirectory().c_str(), 0700), 0);
    EXPECT_TRUE(sendAppleEvent(runScript("mended")));
    ASSERT_TRUE(receiver.accepted());
    std::optional<AppleEventMessage> message = decodeAppleEventBody(body);
    ASSERT_TRUE(message && message->parameters.size() == 1);
    EXPECT_EQ(message->parameters[0].data, "mended") << "the first connection the receiver took";
}

// A runtime folder so deep that the socket's path does not fit in a socket address: no send can get
// through, and the path is named on standard error once, until a send's path has fitted in between.
TEST_F(Transport, ASocketPathTooLongIsAFailedSendNamedOnce)
{
    TemporaryRuntimeDirectory deep(sizeof(sockaddr_un::sun_path));
    ASSERT_TRUE(eventDirectory(true));
    const std::string path = deep.eventDirectory() + "/RBv2.sock";
    const std::string line = std::string(program_invocation_short_name)
        + ": cannot reach RBv2: the socket's path is too long for a Unix socket address ("
        + std::to_string(path.size()) + " bytes, at most 107): " + path + "\n";
    testing::internal::CaptureStderr();
    EXPECT_FALSE(sendAppleEvent(runScript("x")));
    EXPECT_FALSE(sendAppleEvent(runScript("x")));
    {
        TemporaryRuntimeDirectory shallow;
        ReceiverThread receiver(answering(0));
        ASSERT_TRUE(receiver.listening());
        EXPECT_TRUE(sendAppleEvent(runScript("x")));
    }
    EXPECT_FALSE(sendAppleEvent(runScript("x")));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), line + line);
}

TEST_F(Transport, NonZeroStatusIsAFailedSend)
{
    for (int32_t status : { 1, -1, -1708, INT32_MIN }) {
        ReceiverThread receiver(answering(status));
        ASSERT_TRUE(receiver.listening());
        EXPECT_FALSE(sendAppleEvent(runScript("x"))) << status;
    }
}

// A receiver whose queue of connections is full turns a connect away at once. The send tries again
// until the queue has room, and then arrives whole.
TEST_F(Transport, ASendToAFullListenQueueTriesAgainUntilThereIsRoom)
{
    std::unique_ptr<AppleEventReceiver> receiver = AppleEventReceiver::listen(ide);
    ASSERT_TRUE(receiver);
    ASSERT_EQ(::listen(receiver->socket(), 0), 0); // the shortest queue the system keeps
    sockaddr_un address;
    ASSERT_TRUE(makeSocketAddress(receiver->socketPath(), address));
    std::vector<FileDescriptor> queued;
    for (;;) {
        FileDescriptor client(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
        if (::connect(client.get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
            ASSERT_EQ(errno, EAGAIN);
            break;
        }
        queued.push_back(std::move(client));
        ASSERT_LT(queued.size(), 64u) << "the queue does not fill";
    }

    // Bounded, so that a send that stopped trying fails the test rather than holding it for a minute.
    SendTimeoutSeam::Scoped timeout(patience);
    std::string script(1 << 20, '\0');
    for (size_t i = 0; i < script.size(); ++i)
        script[i] = static_cast<char>((i * 7919) >> 5);
    AppleEventSend send(runScript(script));
    // Its tries while the queue stays full: each is turned away, and the send waits for the next.
    for (int tries = 0; tries < 5; ++tries) {
        ASSERT_EQ(send.state(), AppleEventSend::State::Connecting) << tries;
        EXPECT_EQ(send.events(), 0);
        waitFor(-1, 0, send.nextTry());
        send.step();
    }
    ASSERT_EQ(send.state(), AppleEventSend::State::Connecting);

    // The queue empties, and the next connection the receiver takes is the send's.
    for (size_t i = 0; i < queued.size(); ++i)
        ASSERT_TRUE(receiver->accept(deadlineAfter(patience))) << i;
    std::string body;
    std::thread reader([&] {
        std::unique_ptr<AppleEventConnection> connection = receiver->accept(deadlineAfter(patience));
        if (connection
            && connection->readMessage(deadlineAfter(patience))
                == AppleEventConnection::ReadResult::Message) {
            body = connection->takeBody();
            connection->reply(0);
        }
    });
    while (!send.finished()) {
        waitFor(send.events() ? send.descriptor() : -1, send.events(), send.nextTry());
        send.step();
    }
    reader.join();
    EXPECT_TRUE(send.sent());
    std::optional<AppleEventMessage> message = decodeAppleEventBody(body);
    ASSERT_TRUE(message && message->parameters.size() == 1);
    EXPECT_TRUE(message->parameters[0].data == script);
}

// The program never shortens the send's limit: with no test seam in place, a send gives up a minute
// after it began.
TEST_F(Transport, TheSendLimitIsSixtySeconds)
{
    EXPECT_EQ(sendTimeout(), 60s);
    const Deadline before = std::chrono::steady_clock::now();
    AppleEventSend send(runScript("x"));
    const Deadline after = std::chrono::steady_clock::now();
    EXPECT_GE(send.deadline(), before + 60s);
    EXPECT_LE(send.deadline(), after + 60s);
}

// The receivers below hold the connection until the sender is done: a send that did not give up at its
// own deadline would end only when they let go, twice the wait that the tests allow it.
TEST_F(Transport, NoAnswerTimesOut)
{
    std::promise<void> senderDone;
    std::shared_future<void> done = senderDone.get_future().share();
    ReceiverThread receiver([done](AppleEventConnection& connection) {
        connection.readMessage(deadlineAfter(patience));
        done.wait_for(2 * patience);
    });
    SendTimeoutSeam::Scoped timeout(300ms);
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(sendAppleEvent(runScript("x")));
    auto took = std::chrono::steady_clock::now() - start;
    senderDone.set_value();
    EXPECT_GE(took, 300ms);
    EXPECT_LT(took, patience) << "the send must give up at its deadline";
}

TEST_F(Transport, StalledReaderTimesOutMidMessage)
{
    // The receiver takes nothing, so a large script cannot all be written.
    std::promise<void> senderDone;
    std::shared_future<void> done = senderDone.get_future().share();
    ReceiverThread receiver([done](AppleEventConnection&) { done.wait_for(2 * patience); });
    SendTimeoutSeam::Scoped timeout(300ms);
    std::string script(32 << 20, 's');
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(sendAppleEvent(runScript(script)));
    auto took = std::chrono::steady_clock::now() - start;
    senderDone.set_value();
    EXPECT_LT(took, patience) << "the send must give up at its deadline";
}

TEST_F(Transport, ASendNeverBlocksItsCaller)
{
    // The receiver reads nothing until the step has returned, so most of a large script waits to be
    // written. A send that waited for room would be let go only by the receiver giving up and reading.
    std::promise<void> stepped;
    std::shared_future<void> returned = stepped.get_future().share();
    std::atomic<bool> readToLetItGo = false;
    ReceiverThread receiver([returned, &readToLetItGo](AppleEventConnection& connection) {
        if (returned.wait_for(patience) == std::future_status::ready)
            return;
        readToLetItGo = true;
        connection.readMessage(deadlineAfter(patience));
    });
    const std::string script(32 << 20, 's');
    AppleEventSend send(runScript(script));
    send.step();
    stepped.set_value();
    receiver.join();
    EXPECT_FALSE(readToLetItGo) << "the send waited for the receiver to read";
    EXPECT_EQ(send.state(), AppleEventSend::State::Writing);
    EXPECT_EQ(send.events(), POLLOUT);
    EXPECT_EQ(send.nextTry(), send.deadline());
}

TEST_F(Transport, AStepAtTheDeadlineFailsAnUnfinishedSend)
{
    std::promise<void> senderDone;
    std::shared_future<void> done = senderDone.get_future().share();
    ReceiverThread receiver([done](AppleEventConnection&) { done.wait_for(2 * patience); });
    SendTimeoutSeam::Scoped timeout(300ms);
    const std::string script(32 << 20, 's');
    AppleEventSend send(runScript(script));
    std::this_thread::sleep_until(send.deadline());
    send.step();
    EXPECT_EQ(send.state(), AppleEventSend::State::Failed);
    senderDone.set_value();
}

TEST_F(Transport, AnAnswerThatCameInTimeCountsWhenLookedAtLate)
{
    for (int32_t status : { 0, 1 }) {
        ReceiverThread receiver(answering(status));
        ASSERT_TRUE(receiver.listening());
        SendTimeoutSeam::Scoped timeout(300ms);
        AppleEventSend send(runScript("x"));
        receiver.join(); // answered
        // Past the deadline, as when the caller was held up by other work.
        std::this_thread::sleep_until(send.deadline() + 50ms);
        send.step();
        EXPECT_TRUE(send.finished());
        EXPECT_EQ(send.sent(), status == 0) << status;
    }
}

TEST_F(Transport, ReceiverThatClosesEarlyIsAFailedSend)
{
    const std::string small = "x";
    const std::string large(4 << 20, 'x');
    for (const std::string* script : { &small, &large }) {
        // Closes without reading; then reads the whole message but closes without an answer.
        {
            ReceiverThread closing([](AppleEventConnection&) {});
            ASSERT_TRUE(closing.listening());
            EXPECT_FALSE(sendAppleEvent(runScript(*script))) << script->size();
        }
        ReceiverThread silent(
            [](AppleEventConnection& connection) { connection.readMessage(deadlineAfter(patience)); });
        ASSERT_TRUE(silent.listening());
        EXPECT_FALSE(sendAppleEvent(runScript(*script))) << script->size();
    }
}

TEST_F(Transport, ReceiverDropsAStalledClientAtItsDeadline)
{
    std::unique_ptr<AppleEventReceiver> receiver = AppleEventReceiver::listen(ide);
    ASSERT_TRUE(receiver);
    int client = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address;
    ASSERT_TRUE(makeSocketAddress(receiver->socketPath(), address));
    ASSERT_EQ(::connect(client, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    // A header that promises 100 bytes, and 3 of them.
    const std::string partial = "AEVT\0\0\0\x64"
                                "abc"s;
    ASSERT_EQ(::write(client, partial.data(), partial.size()), ssize_t(partial.size()));
    std::unique_ptr<AppleEventConnection> connection = receiver->accept(deadlineAfter(patience));
    ASSERT_TRUE(connection);
    EXPECT_EQ(connection->readMessage(deadlineAfter(100ms)), AppleEventConnection::ReadResult::TimedOut);
    EXPECT_TRUE(connection->body().empty());
    ::close(client);
}

TEST_F(Transport, ReceiverTellsWhatItRead)
{
    std::unique_ptr<AppleEventReceiver> receiver = AppleEventReceiver::listen(ide);
    ASSERT_TRUE(receiver);
    struct Case {
        const char* name;
        std::string bytes;
        AppleEventConnection::ReadResult result;
    } cases[] = {
        { "not an event", "HELLO, WORLD", AppleEventConnection::ReadResult::NotAnEvent },
        { "header cut short", "AEV", AppleEventConnection::ReadResult::Closed },
        { "body cut short",
            "AEVT\0\0\0\x10"
            "RBae"s,
            AppleEventConnection::ReadResult::Closed },
        // The largest event's length is taken, and the reading waits for its bytes.
        { "largest announced, body cut short", "AEVT\x80\0\0\x1b"s,
            AppleEventConnection::ReadResult::Closed },
        { "more than the largest announced", "AEVT\x80\0\0\x1c"s,
            AppleEventConnection::ReadResult::TooLarge },
        // The framing holds; whether the body means anything is the decoder's business.
        { "whole",
            "AEVT\0\0\0\x02"
            "ok"s,
            AppleEventConnection::ReadResult::Message },
    };
    sockaddr_un address;
    ASSERT_TRUE(makeSocketAddress(receiver->socketPath(), address));
    for (const Case& c : cases) {
        int client = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_EQ(::connect(client, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ASSERT_EQ(::write(client, c.bytes.data(), c.bytes.size()), ssize_t(c.bytes.size()));
        ::shutdown(client, SHUT_WR);
        std::unique_ptr<AppleEventConnection> connection = receiver->accept(deadlineAfter(patience));
        ASSERT_TRUE(connection);
        EXPECT_EQ(connection->readMessage(deadlineAfter(patience)), c.result) << c.name;
        if (c.result == AppleEventConnection::ReadResult::Message) {
            EXPECT_EQ(connection->body(), "ok");
        }
        ::close(client);
    }
}

TEST_F(Transport, ReceiverRemovesItsSocketButNotAReplacement)
{
    std::string path;
    {
        std::unique_ptr<AppleEventReceiver> receiver = AppleEventReceiver::listen(ide);
        ASSERT_TRUE(receiver);
        path = receiver->socketPath();
        EXPECT_EQ(path, m_runtime.eventDirectory() + "/RBv2.sock");
        AppleEventReceiver::ListenError error;
        EXPECT_FALSE(AppleEventReceiver::listen(ide, &error));
        EXPECT_EQ(error, AppleEventReceiver::ListenError::InUse);
    }
    struct stat status;
    EXPECT_NE(lstat(path.c_str(), &status), 0);

    std::unique_ptr<AppleEventReceiver> first = AppleEventReceiver::listen(ide);
    ASSERT_TRUE(first);
    ASSERT_EQ(unlink(path.c_str()), 0);
    std::unique_ptr<AppleEventReceiver> second = AppleEventReceiver::listen(ide);
    ASSERT_TRUE(second);
    first.reset();
    EXPECT_EQ(lstat(path.c_str(), &status), 0) << "the second receiver's socket stays";
}

TEST_F(Transport, ReceiverLeavesOtherFilesAlone)
{
    ASSERT_TRUE(eventDirectory(true));
    const std::string path = m_runtime.eventDirectory() + "/RBv2.sock";
    ASSERT_TRUE(writeFile(path, "mine"));
    AppleEventReceiver::ListenError error;
    EXPECT_FALSE(AppleEventReceiver::listen(ide, &error));
    EXPECT_EQ(error, AppleEventReceiver::ListenError::NotASocket);
    EXPECT_EQ(readFile(path), "mine");
}

} // namespace
