#include "platform/AppleEventTransport.h"

#include "platform/BigEndian.h"
#include "platform/EventSocket.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <poll.h>
#include <sys/socket.h>
#include <sys/uio.h>
#include <sys/un.h>
#include <vector>

namespace fw::platform {

static constexpr std::chrono::milliseconds defaultSendTimeout { 60000 };

std::chrono::milliseconds sendTimeout()
{
    return SendTimeoutSeam::replacement().value_or(defaultSendTimeout);
}

// A receiver whose queue of connections is full is tried again this often; nothing tells when it
// has room.
static constexpr std::chrono::milliseconds connectRetry { 10 };

AppleEventSend::AppleEventSend(const AppleEventMessage& message)
    : m_deadline(deadlineAfter(sendTimeout()))
    , m_nextTry(std::chrono::steady_clock::now())
{
    std::optional<std::string> framing = encodeAppleEventFraming(message);
    std::optional<std::string> path = eventSocketPath(message.target, false);
    if (!framing || !path || !makeEventSocketAddress(message.target, SocketEnd::Sending, *path, m_address)) {
        fail();
        return;
    }
    m_framing = std::move(*framing);
    m_pieces = appleEventPieces(message, m_framing);
    m_socket.reset(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!m_socket.valid()) {
        fail();
        return;
    }
    // A larger buffer lets a long script go out in fewer rounds; the kernel caps what it grants.
    int bufferSize = 4 << 20;
    setsockopt(m_socket.get(), SOL_SOCKET, SO_SNDBUF, &bufferSize, sizeof bufferSize);
    connect();
}

short AppleEventSend::events() const
{
    switch (m_state) {
    case State::Writing:
        return POLLOUT;
    case State::Reading:
        return POLLIN;
    default:
        return 0;
    }
}

Deadline AppleEventSend::nextTry() const
{
    return m_state == State::Connecting ? std::min(m_nextTry, m_deadline) : m_deadline;
}

void AppleEventSend::step()
{
    switch (m_state) {
    case State::Connecting:
        if (std::chrono::steady_clock::now() >= m_nextTry)
            connect();
        break;
    case State::Writing:
        write();
        break;
    case State::Reading:
        read();
        break;
    case State::Sent:
    case State::Failed:
        return;
    }
    // Only after the progress: an answer that came in time counts, however late it is looked at.
    if (!finished() && std::chrono::steady_clock::now() >= m_deadline)
        fail();
}

void AppleEventSend::fail()
{
    m_state = State::Failed;
}

void AppleEventSend::connect()
{
    for (;;) {
        if (::connect(m_socket.get(), reinterpret_cast<const sockaddr*>(&m_address), sizeof m_address) == 0
            || errno == EINPROGRESS) {
            m_state = State::Writing;
            write();
            return;
        }
        if (errno == EINTR)
            continue;
        if (errno == EAGAIN) {
            m_nextTry = deadlineAfter(connectRetry);
            return;
        }
        fail();
        return;
    }
}

void AppleEventSend::write()
{
    std::vector<iovec> vectors;
    while (m_nextPiece < m_pieces.size()) {
        vectors.clear();
        for (size_t i = m_nextPiece; i < m_pieces.size() && vectors.size() < IOV_MAX; ++i)
            vectors.push_back({ const_cast<char*>(m_pieces[i].data()), m_pieces[i].size() });
        msghdr header {};
        header.msg_iov = vectors.data();
        header.msg_iovlen = vectors.size();
        ssize_t written = ::sendmsg(m_socket.get(), &header, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK)
                return;
            fail();
            return;
        }
        auto left = static_cast<size_t>(written);
        while (m_nextPiece < m_pieces.size() && left >= m_pieces[m_nextPiece].size())
            left -= m_pieces[m_nextPiece++].size();
        if (left > 0)
            m_pieces[m_nextPiece].remove_prefix(left);
    }
    m_state = State::Reading;
    read();
}

void AppleEventSend::read()
{
    while (m_answered < sizeof m_answer) {
        ssize_t got
            = ::recv(m_socket.get(), m_answer + m_answered, sizeof m_answer - m_answered, MSG_DONTWAIT);
        if (got == 0) {
            fail();
            return;
        }
        if (got < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK)
                return;
            fail();
            return;
        }
        m_answered += static_cast<size_t>(got);
    }
    const uint32_t status = readBigEndian32({ m_answer, sizeof m_answer });
    m_state = status == 0 ? State::Sent : State::Failed;
}

} // namespace fw::platform
