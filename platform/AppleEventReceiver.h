#pragma once

#include "platform/AppleEventConnection.h"
#include "platform/Deadline.h"
#include "platform/FileDescriptor.h"

#include <cstdint>
#include <memory>
#include <string>
#include <sys/types.h>

namespace fw::platform {

// Receives events for one creator code on its socket in the event directory.
class AppleEventReceiver {
public:
    enum class ListenError {
        None,
        // These two have been told on standard error, in one line that names the folder or the path.
        DirectoryRefused, // the event directory is unsafe, or cannot be looked at or made
        PathTooLong, // the socket's path does not fit in a socket address
        DirectoryMissing, // the folder that is to hold the event directory is missing
        InUse, // a live receiver answers on the socket
        NotASocket, // something else has the socket's name; it is left alone
        Failed,
    };

    // Listens as `creator`. A socket file that nobody answers on is left over from a receiver that
    // died, and is replaced; one that a live receiver holds is not.
    static std::unique_ptr<AppleEventReceiver> listen(uint32_t creator, ListenError* error = nullptr);

    // Removes the socket file, unless another receiver has replaced it since.
    ~AppleEventReceiver();

    const std::string& socketPath() const { return m_path; }
    // The listening socket, for a loop that waits on many descriptors at once.
    int socket() const { return m_socket.get(); }

    // The next client; nothing when the deadline passes, `wakeFd` becomes readable, or accept fails.
    std::unique_ptr<AppleEventConnection> accept(Deadline deadline, int wakeFd = -1);

private:
    AppleEventReceiver(FileDescriptor socket, std::string path, dev_t device, ino_t inode);

    FileDescriptor m_socket;
    std::string m_path;
    dev_t m_device;
    ino_t m_inode;
};

} // namespace fw::platform
