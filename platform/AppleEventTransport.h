#pragma once

#include "platform/AppleEventMessage.h"
#include "platform/Deadline.h"
#include "platform/FileDescriptor.h"
#include "platform/Seam.h"

#include <chrono>
#include <string>
#include <string_view>
#include <sys/un.h>
#include <vector>

namespace fw::platform {

// One event on its way to the application named by its target, driven without blocking: the
// caller waits for what it wants (its descriptor readable or writable, or only the time of its next
// try) in whatever way it likes, and calls step() when that has come. It connects, writes the whole
// message and reads the 4-byte answer. It is sent only when the receiver answered 0 before the
// deadline; every other outcome (no receiver, a refused event directory, a socket path too long for an
// address, a connection that closes or stalls, a non-zero answer, the deadline) is a failure. The
// parameters' bytes are written from their owners' buffers, which must outlive the send.
class AppleEventSend {
public:
    explicit AppleEventSend(const AppleEventMessage& message);
    // Its pieces point into its own framing: it stays where it was made.
    AppleEventSend(const AppleEventSend&) = delete;
    AppleEventSend& operator=(const AppleEventSend&) = delete;

    enum class State { Connecting, Writing, Reading, Sent, Failed };
    State state() const { return m_state; }
    bool finished() const { return m_state == State::Sent || m_state == State::Failed; }
    bool sent() const { return m_state == State::Sent; }

    // What it waits for: its descriptor (open until the send goes, so that a watcher of it never sees
    // it closed under it) with these poll events (POLLOUT while it writes, POLLIN while
    // it waits for the answer), or no events at all while it waits only for the time of its next try
    // (a receiver whose queue of connections is full). It gives up at its deadline.
    int descriptor() const { return m_socket.get(); }
    short events() const;
    Deadline nextTry() const;
    Deadline deadline() const { return m_deadline; }

    // Goes as far as it can without blocking; at or past the deadline, an unfinished send fails. Called
    // at any other time it does no harm.
    void step();

private:
    void connect();
    void write();
    void read();
    void fail();

    Deadline m_deadline;
    Deadline m_nextTry;
    State m_state = State::Connecting;
    sockaddr_un m_address {};
    FileDescriptor m_socket;
    std::string m_framing;
    std::vector<std::string_view> m_pieces;
    size_t m_nextPiece = 0;
    char m_answer[4] = {};
    size_t m_answered = 0;
};

// The send timeout is 60 seconds. Tests shorten it; the program never changes it.
struct SendTimeoutSeam : Seam<SendTimeoutSeam, std::chrono::milliseconds> { };
std::chrono::milliseconds sendTimeout();

} // namespace fw::platform
