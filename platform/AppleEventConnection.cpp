#include "platform/AppleEventConnection.h"

#include "platform/BigEndian.h"
#include "platform/WaitFor.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <unistd.h>

namespace fw::platform {

// Pages are made usable this many bytes at a time: few calls for a large body, little set aside
// beyond what came for a small one.
static constexpr size_t usableStep = 256 * 1024;

static size_t pageRounded(size_t size)
{
    static const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    return (size + page - 1) / page * page;
}

bool MessageBuffer::reserve(size_t capacity)
{
    release();
    if (capacity == 0)
        return true;
    const size_t mapped = pageRounded(capacity);
    // No access yet: pages that are never made usable are neither counted against memory nor backed.
    void* data = ::mmap(nullptr, mapped, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (data == MAP_FAILED)
        return false;
    m_data = static_cast<char*>(data);
    m_capacity = capacity;
    m_mapped = mapped;
    return true;
}

char* MessageBuffer::makeRoom(size_t& room)
{
    room = 0;
    if (m_size >= m_capacity)
        return nullptr;
    if (m_size == m_usable) {
        const size_t usable = std::min(m_mapped, pageRounded(m_size + usableStep));
        if (::mprotect(m_data + m_usable, usable - m_usable, PROT_READ | PROT_WRITE) != 0)
            return nullptr;
        m_usable = usable;
    }
    room = std::min(m_usable, m_capacity) - m_size;
    return m_data + m_size;
}

void MessageBuffer::release()
{
    if (m_data)
        ::munmap(m_data, m_mapped);
    m_data = nullptr;
    m_size = m_capacity = m_usable = m_mapped = 0;
}

AppleEventConnection::AppleEventConnection(FileDescriptor socket)
    : m_socket(std::move(socket))
{
}

AppleEventConnection::ReadResult AppleEventConnection::end(ReadResult result)
{
    m_ended = result;
    return result;
}

AppleEventConnection::ReadResult AppleEventConnection::broken(ReadResult result)
{
    m_body.release();
    return end(result);
}

AppleEventConnection::ReadResult AppleEventConnection::readSome()
{
    if (m_ended != ReadResult::Pending)
        return m_ended;
    const bool inHeader = m_headerHave < sizeof m_header;
    char* into = m_header + m_headerHave;
    size_t room = sizeof m_header - m_headerHave;
    if (!inHeader) {
        // Never past the announced end: what follows is not this message's.
        into = m_body.makeRoom(room);
        if (!into)
            return broken(ReadResult::Failed);
    }
    ssize_t got;
    do
        got = ::recv(m_socket.get(), into, room, MSG_DONTWAIT);
    while (got < 0 && errno == EINTR);
    if (got == 0)
        return broken(ReadResult::Closed);
    if (got < 0) {
        if (errno == EAGAIN || errno == EWOULDBLOCK)
            return ReadResult::Pending;
        return broken(errno == ECONNRESET ? ReadResult::Closed : ReadResult::Failed);
    }
    if (!inHeader) {
        m_body.added(static_cast<size_t>(got));
        return m_body.size() == m_announced ? end(ReadResult::Message) : ReadResult::Pending;
    }
    m_headerHave += static_cast<size_t>(got);
    if (m_headerHave < sizeof m_header)
        return ReadResult::Pending;
    std::optional<uint32_t> length = decodeAppleEventHeader(std::string_view(m_header, sizeof m_header));
    if (!length)
        return end(ReadResult::NotAnEvent);
    m_announced = *length;
    // Refused before any room is set aside for it: no sender of ours makes such an event.
    if (m_announced > appleEventLargestBody)
        return end(ReadResult::TooLarge);
    if (!m_body.reserve(m_announced))
        return broken(ReadResult::Failed);
    return m_announced == 0 ? end(ReadResult::Message) : ReadResult::Pending;
}

AppleEventConnection::ReadResult AppleEventConnection::readMessage(Deadline deadline, int wakeFd)
{
    for (;;) {
        ReadResult result = readSome();
        if (result != ReadResult::Pending)
            return result;
        switch (waitFor(m_socket.get(), POLLIN, deadline, wakeFd)) {
        case WaitResult::Ready:
            break;
        case WaitResult::TimedOut:
            return broken(ReadResult::TimedOut);
        case WaitResult::Woken:
            return broken(ReadResult::Woken);
        case WaitResult::Failed:
            return broken(ReadResult::Failed);
        }
    }
}

std::string AppleEventConnection::takeBody()
{
    std::string body(m_body.view());
    m_body.release();
    return body;
}

bool AppleEventConnection::reply(int32_t status)
{
    const std::array<char, 4> bytes = bigEndian32(static_cast<uint32_t>(status));
    size_t sent = 0;
    while (sent < bytes.size()) {
        ssize_t count
            = ::send(m_socket.get(), bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        sent += static_cast<size_t>(count);
    }
    return true;
}

} // namespace fw::platform
