#include "platform/AppleEventConnection.h"

#include "platform/AppleEventMessage.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <sys/socket.h>

namespace fw::platform {

static constexpr size_t firstChunk = 64 * 1024;

AppleEventConnection::AppleEventConnection(FileDescriptor socket)
    : m_socket(std::move(socket))
{
}

AppleEventConnection::ReadResult AppleEventConnection::readExactly(
    char* into, size_t size, Deadline deadline, int wakeFd)
{
    size_t have = 0;
    while (have < size) {
        switch (waitFor(m_socket.get(), POLLIN, deadline, wakeFd)) {
        case WaitResult::Ready:
            break;
        case WaitResult::TimedOut:
            return ReadResult::TimedOut;
        case WaitResult::Woken:
            return ReadResult::Woken;
        case WaitResult::Failed:
            return ReadResult::Failed;
        }
        ssize_t got = ::recv(m_socket.get(), into + have, size - have, MSG_DONTWAIT);
        if (got == 0) return ReadResult::Closed;
        if (got < 0) {
            if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK) continue;
            return errno == ECONNRESET ? ReadResult::Closed : ReadResult::Failed;
        }
        have += static_cast<size_t>(got);
    }
    return ReadResult::Message;
}

AppleEventConnection::ReadResult AppleEventConnection::readMessage(Deadline deadline, int wakeFd)
{
    m_body.clear();
    char header[appleEventHeaderSize];
    ReadResult result = readExactly(header, sizeof header, deadline, wakeFd);
    if (result != ReadResult::Message) return result;
    std::optional<uint32_t> length = decodeAppleEventHeader(std::string_view(header, sizeof header));
    if (!length) return ReadResult::NotAnEvent;
    size_t received = 0;
    while (received < *length) {
        if (received == m_body.size())
            m_body.resize(std::min<size_t>(*length, std::max(firstChunk, 2 * m_body.size())));
        size_t room = m_body.size() - received;
        result = readExactly(m_body.data() + received, std::min(room, firstChunk), deadline, wakeFd);
        if (result != ReadResult::Message) {
            m_body.clear();
            return result;
        }
        received += std::min(room, firstChunk);
    }
    return ReadResult::Message;
}

bool AppleEventConnection::reply(int32_t status)
{
    auto value = static_cast<uint32_t>(status);
    const char bytes[4] = { char(value >> 24), char(value >> 16), char(value >> 8), char(value) };
    size_t sent = 0;
    while (sent < sizeof bytes) {
        ssize_t count
            = ::send(m_socket.get(), bytes + sent, sizeof bytes - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (count < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        sent += static_cast<size_t>(count);
    }
    return true;
}

} // namespace fw::platform
