#pragma once

#include "platform/EventSocket.h"

#include <string>
#include <string_view>

namespace fw::platform {

// One client of an AppleEventReceiver: reads the one message it sends and answers it with a status.
class AppleEventConnection {
public:
    explicit AppleEventConnection(FileDescriptor socket);

    enum class ReadResult {
        Message, // body() holds the whole body that the header announced
        NotAnEvent, // the first bytes are not an event's header
        Closed, // the client left before the whole message came
        TimedOut,
        Woken, // the wake descriptor became readable
        Failed,
    };

    // Reads the header, then the body. The buffer grows with the bytes that arrive, never ahead of them
    // by more than it already holds, so a claimed length alone cannot make it allocate.
    ReadResult readMessage(Deadline deadline, int wakeFd = -1);
    std::string_view body() const { return m_body; }
    // Hands the body over, leaving the connection without it.
    std::string takeBody() { return std::move(m_body); }

    // Sends the 32-bit big-endian status; false when it could not be written whole.
    bool reply(int32_t status);

private:
    ReadResult readExactly(char* into, size_t size, Deadline, int wakeFd);

    FileDescriptor m_socket;
    std::string m_body;
};

} // namespace fw::platform
