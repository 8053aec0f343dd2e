#include "platform/AppleEventTransport.h"

#include "platform/EventSocket.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/uio.h>
#include <sys/un.h>
#include <vector>

namespace fw::platform {

static constexpr std::chrono::milliseconds defaultSendTimeout { 60000 };
static std::atomic<long long> sendTimeoutMilliseconds { defaultSendTimeout.count() };

void setSendTimeoutForTesting(std::chrono::milliseconds timeout)
{
    sendTimeoutMilliseconds = timeout.count();
}

std::chrono::milliseconds sendTimeout()
{
    return std::chrono::milliseconds(sendTimeoutMilliseconds.load());
}

static timeval timevalUntil(Deadline deadline)
{
    auto left
        = std::chrono::duration_cast<std::chrono::microseconds>(deadline - std::chrono::steady_clock::now());
    // A zero timeout would mean "wait for ever"; an expired deadline waits the shortest time instead.
    if (left.count() < 1) left = std::chrono::microseconds(1);
    return { static_cast<time_t>(left.count() / 1000000), static_cast<suseconds_t>(left.count() % 1000000) };
}

// A blocking connect waits while the receiver's backlog is full; the send timeout bounds that wait.
static bool connectBefore(int fd, const sockaddr_un& address, Deadline deadline)
{
    for (;;) {
        timeval timeout = timevalUntil(deadline);
        if (setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout) != 0) return false;
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) return true;
        if (errno != EINTR || std::chrono::steady_clock::now() >= deadline) return false;
    }
}

static bool writeAll(int fd, const std::vector<std::string_view>& pieces, Deadline deadline)
{
    std::vector<iovec> vectors;
    vectors.reserve(pieces.size());
    for (std::string_view piece : pieces)
        vectors.push_back({ const_cast<char*>(piece.data()), piece.size() });
    size_t next = 0;
    while (next < vectors.size()) {
        if (waitFor(fd, POLLOUT, deadline) != WaitResult::Ready) return false;
        msghdr header {};
        header.msg_iov = &vectors[next];
        header.msg_iovlen = std::min<size_t>(vectors.size() - next, IOV_MAX);
        ssize_t written = ::sendmsg(fd, &header, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (written < 0) {
            if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK) continue;
            return false;
        }
        auto left = static_cast<size_t>(written);
        while (next < vectors.size() && left >= vectors[next].iov_len)
            left -= vectors[next++].iov_len;
        if (left > 0) {
            vectors[next].iov_base = static_cast<char*>(vectors[next].iov_base) + left;
            vectors[next].iov_len -= left;
        }
    }
    return true;
}

static std::optional<int32_t> readStatus(int fd, Deadline deadline)
{
    unsigned char bytes[4];
    size_t have = 0;
    while (have < sizeof bytes) {
        if (waitFor(fd, POLLIN, deadline) != WaitResult::Ready) return std::nullopt;
        ssize_t got = ::recv(fd, bytes + have, sizeof bytes - have, MSG_DONTWAIT);
        if (got == 0) return std::nullopt;
        if (got < 0) {
            if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK) continue;
            return std::nullopt;
        }
        have += static_cast<size_t>(got);
    }
    uint32_t value
        = (uint32_t(bytes[0]) << 24) | (uint32_t(bytes[1]) << 16) | (uint32_t(bytes[2]) << 8) | bytes[3];
    return static_cast<int32_t>(value);
}

bool sendAppleEvent(const AppleEventMessage& message)
{
    Deadline deadline = deadlineAfter(sendTimeout());
    std::optional<std::string> framing = encodeAppleEventFraming(message);
    if (!framing) return false;
    std::optional<std::string> path = eventSocketPath(message.target, false);
    sockaddr_un address;
    if (!path || !makeSocketAddress(*path, address)) return false;
    FileDescriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!socket.valid() || !connectBefore(socket.get(), address, deadline)) return false;
    // A larger buffer lets a long script go out in fewer rounds; the kernel caps what it grants.
    int bufferSize = 4 << 20;
    setsockopt(socket.get(), SOL_SOCKET, SO_SNDBUF, &bufferSize, sizeof bufferSize);
    int flags = fcntl(socket.get(), F_GETFL);
    if (flags < 0 || fcntl(socket.get(), F_SETFL, flags | O_NONBLOCK) != 0) return false;
    if (!writeAll(socket.get(), appleEventPieces(message, *framing), deadline)) return false;
    std::optional<int32_t> status = readStatus(socket.get(), deadline);
    return status && *status == 0;
}

} // namespace fw::platform
