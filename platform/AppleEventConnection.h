#pragma once

#include "platform/AppleEventMessage.h"
#include "platform/Deadline.h"
#include "platform/FileDescriptor.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace fw::platform {

// Room for one message's body: address space for the whole announced length is set aside at once,
// but pages are made usable, and so cost memory, only as bytes arrive, so what it holds is what came.
class MessageBuffer {
public:
    MessageBuffer() = default;
    MessageBuffer(const MessageBuffer&) = delete;
    MessageBuffer& operator=(const MessageBuffer&) = delete;
    ~MessageBuffer() { release(); }

    // Sets aside room for `capacity` bytes, dropping what was held; false when that fails.
    bool reserve(size_t capacity);
    // Where the next bytes go, and how many may go there now; nothing when the room is full or the
    // memory for them cannot be had.
    char* makeRoom(size_t& room);
    // Counts `count` bytes written at the place that makeRoom gave.
    void added(size_t count) { m_size += count; }

    size_t size() const { return m_size; }
    size_t capacity() const { return m_capacity; }
    std::string_view view() const { return { m_data, m_size }; }
    void release();

private:
    char* m_data = nullptr;
    size_t m_size = 0;
    size_t m_capacity = 0;
    size_t m_usable = 0; // from m_data, rounded up to pages
    size_t m_mapped = 0;
};

// One client of an AppleEventReceiver: reads the one message it sends and answers it with a status.
class AppleEventConnection {
public:
    explicit AppleEventConnection(FileDescriptor socket);

    enum class ReadResult {
        Message, // body() holds the whole body that the header announced
        NotAnEvent, // the first bytes are not an event's header
        TooLarge, // the header announces more than the largest event; none of the body is read
        Closed, // the client left before the whole message came
        TimedOut,
        Woken, // the wake descriptor became readable
        Failed,
        Pending, // readSome only: the message is not whole yet
    };

    // Reads the header, then the body, waiting for them until the deadline.
    ReadResult readMessage(Deadline deadline, int wakeFd = -1);
    // Takes what one read of the socket gives, without waiting, so that one loop can serve many
    // connections; Pending until the message is whole.
    ReadResult readSome();

    std::string_view body() const { return m_body.view(); }
    // The body as a string, leaving the connection without it.
    std::string takeBody();
    void dropBody() { m_body.release(); }
    // The body length that the header announced, once the header is in.
    uint32_t announcedLength() const { return m_announced; }

    int socket() const { return m_socket.get(); }

    // Sends the 32-bit big-endian status; false when it could not be written whole.
    bool reply(int32_t status);

private:
    // Ends the reading with `result`: every later read gives it again.
    ReadResult end(ReadResult result);
    // Ends it, dropping what came of the body.
    ReadResult broken(ReadResult result);

    FileDescriptor m_socket;
    char m_header[appleEventHeaderSize] = {};
    size_t m_headerHave = 0;
    uint32_t m_announced = 0;
    MessageBuffer m_body;
    ReadResult m_ended = ReadResult::Pending;
};

} // namespace fw::platform
