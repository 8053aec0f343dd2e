#pragma once

// Pieces shared by the sending and the receiving end of the event transport.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct sockaddr_un;

namespace fw::platform {

using Deadline = std::chrono::steady_clock::time_point;
inline constexpr Deadline noDeadline = Deadline::max();
inline Deadline deadlineAfter(std::chrono::milliseconds timeout)
{
    return std::chrono::steady_clock::now() + timeout;
}

// Owns one file descriptor and closes it.
class FileDescriptor {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    {
    }
    FileDescriptor(FileDescriptor&& other) noexcept
        : m_fd(other.release())
    {
    }
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { reset(); }

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    int release();
    void reset(int fd = -1);

private:
    int m_fd = -1;
};

// The name of the socket on which the application with this creator code receives events: the four
// characters and ".sock" when they are all printable ASCII other than '/', else "0x" and eight
// lower-case hex digits.
std::string eventSocketName(uint32_t creator);

// The socket's full path in the event directory, or nothing when that directory is refused.
std::optional<std::string> eventSocketPath(uint32_t creator, bool createDirectory);

// Fills `address`; false when the path does not fit.
bool makeSocketAddress(const std::string& path, sockaddr_un& address);

// Writes all of `bytes` to a blocking descriptor, going on after signals; false on an error.
bool writeWhole(int fd, std::string_view bytes);

enum class WaitResult { Ready, TimedOut, Woken, Failed };

// Waits until `fd` has one of `events`, the deadline passes, or `wakeFd` (when not -1) is readable.
// Signals do not cut the wait short; it goes on with the time that is left.
WaitResult waitFor(int fd, short events, Deadline deadline, int wakeFd = -1);

} // namespace fw::platform
