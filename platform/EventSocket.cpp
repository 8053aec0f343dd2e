#include "platform/EventSocket.h"

#include "platform/EventDirectory.h"
#include "platform/FourCharCode.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace fw::platform {

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept
{
    if (this != &other)
        reset(other.release());
    return *this;
}

int FileDescriptor::release()
{
    int fd = m_fd;
    m_fd = -1;
    return fd;
}

void FileDescriptor::reset(int fd)
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = fd;
}

std::string eventSocketName(uint32_t creator)
{
    std::string code = fourCCString(creator);
    bool plain = true;
    for (char c : code)
        plain = plain && c >= 0x20 && c <= 0x7E && c != '/';
    if (plain)
        return code + ".sock";
    char hex[11];
    std::snprintf(hex, sizeof hex, "0x%08x", creator);
    return std::string(hex) + ".sock";
}

std::optional<std::string> eventSocketPath(uint32_t creator, bool createDirectory)
{
    std::optional<std::string> directory = eventDirectory(createDirectory);
    if (!directory)
        return std::nullopt;
    return *directory + "/" + eventSocketName(creator);
}

bool makeSocketAddress(const std::string& path, sockaddr_un& address)
{
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

bool writeWhole(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

WaitResult waitFor(int fd, short events, Deadline deadline, int wakeFd)
{
    pollfd fds[2] = { { fd, events, 0 }, { wakeFd, POLLIN, 0 } };
    nfds_t count = wakeFd >= 0 ? 2 : 1;
    for (;;) {
        int timeout = -1;
        if (deadline != noDeadline) {
            // Whole milliseconds, rounded down so that the wait never ends after the deadline; the
            // last fraction of a millisecond is spent in waits of 0.
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            timeout = static_cast<int>(std::clamp<long long>(left.count(), 0, INT_MAX));
        }
        int ready = ::poll(fds, count, timeout);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            return WaitResult::Failed;
        }
        if (ready == 0) {
            if (deadline == noDeadline || std::chrono::steady_clock::now() >= deadline)
                return WaitResult::TimedOut;
            continue;
        }
        if (count == 2 && fds[1].revents)
            return WaitResult::Woken;
        // Hang-ups and errors count as ready: the next read or write reports them.
        return WaitResult::Ready;
    }
}

} // namespace fw::platform
