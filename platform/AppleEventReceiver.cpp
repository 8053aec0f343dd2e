#include "platform/AppleEventReceiver.h"

#include "platform/EventSocket.h"
#include "platform/WaitFor.h"

#include <cerrno>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace fw::platform {

AppleEventReceiver::AppleEventReceiver(FileDescriptor socket, std::string path, dev_t device, ino_t inode)
    : m_socket(std::move(socket))
    , m_path(std::move(path))
    , m_device(device)
    , m_inode(inode)
{
}

AppleEventReceiver::~AppleEventReceiver()
{
    struct stat status;
    if (lstat(m_path.c_str(), &status) == 0 && status.st_dev == m_device && status.st_ino == m_inode)
        unlink(m_path.c_str());
}

// Whether a receiver answers on the socket file at `address`: a connect that is refused means that
// its owner is gone.
static AppleEventReceiver::ListenError probeExisting(const std::string& path, const sockaddr_un& address)
{
    using ListenError = AppleEventReceiver::ListenError;
    struct stat status;
    if (lstat(path.c_str(), &status) != 0)
        return errno == ENOENT ? ListenError::None : ListenError::Failed;
    if (!S_ISSOCK(status.st_mode))
        return ListenError::NotASocket;
    FileDescriptor probe(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!probe.valid())
        return ListenError::Failed;
    int connected;
    do
        connected = ::connect(probe.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address);
    while (connected != 0 && errno == EINTR);
    // EAGAIN: the backlog is full, so someone is listening.
    if (connected == 0 || errno == EAGAIN)
        return ListenError::InUse;
    if (errno != ECONNREFUSED)
        return ListenError::Failed;
    if (unlink(path.c_str()) != 0 && errno != ENOENT)
        return ListenError::Failed;
    return ListenError::None;
}

std::unique_ptr<AppleEventReceiver> AppleEventReceiver::listen(uint32_t creator, ListenError* error)
{
    ListenError ignored;
    ListenError& outcome = error ? *error : ignored;
    std::string refusal;
    std::optional<std::string> path = eventSocketPath(creator, true, &refusal);
    if (!path) {
        outcome = refusal.empty() ? ListenError::DirectoryMissing : ListenError::DirectoryRefused;
        return nullptr;
    }
    sockaddr_un address;
    if (!makeEventSocketAddress(creator, SocketEnd::Listening, *path, address)) {
        outcome = ListenError::PathTooLong;
        return nullptr;
    }
    outcome = probeExisting(*path, address);
    if (outcome != ListenError::None)
        return nullptr;
    FileDescriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!socket.valid()) {
        outcome = ListenError::Failed;
        return nullptr;
    }
    if (::bind(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        // Someone bound it between the probe and now.
        outcome = errno == EADDRINUSE ? ListenError::InUse : ListenError::Failed;
        return nullptr;
    }
    struct stat status;
    if (lstat(path->c_str(), &status) != 0 || ::listen(socket.get(), SOMAXCONN) != 0) {
        unlink(path->c_str());
        outcome = ListenError::Failed;
        return nullptr;
    }
    outcome = ListenError::None;
    return std::unique_ptr<AppleEventReceiver>(
        new AppleEventReceiver(std::move(socket), std::move(*path), status.st_dev, status.st_ino));
}

std::unique_ptr<AppleEventConnection> AppleEventReceiver::accept(Deadline deadline, int wakeFd)
{
    for (;;) {
        if (waitFor(m_socket.get(), POLLIN, deadline, wakeFd) != WaitResult::Ready)
            return nullptr;
        int client = ::accept4(m_socket.get(), nullptr, nullptr, SOCK_CLOEXEC);
        if (client >= 0)
            return std::make_unique<AppleEventConnection>(FileDescriptor(client));
        // The client may have gone again before we took it; wait for the next.
        if (errno != EINTR && errno != EAGAIN && errno != EWOULDBLOCK && errno != ECONNABORTED)
            return nullptr;
    }
}

} // namespace fw::platform
