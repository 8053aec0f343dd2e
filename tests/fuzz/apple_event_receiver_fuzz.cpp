// Gives ide-standin's receiving end any bytes, as a client would send them: the connection reads the
// header and the body that it announces, the body is decoded, and the server decides whether to
// accept the event and which bytes to write out. A broken expectation aborts, like a sanitizer report.
#include "platform/AppleEventConnection.h"
#include "platform/AppleEventMessage.h"
#include "platform/BigEndian.h"
#include "platform/FileDescriptor.h"
#include "platform/FourCharCode.h"
#include "platform/standin/StandinServer.h"
#include "tests/support/WholeAppleEvent.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <sys/socket.h>

using namespace fw::platform;

namespace {

const uint32_t creator = fourCC("RBv2");

void expect(bool holds, const char* what)
{
    if (holds)
        return;
    std::fprintf(stderr, "broken expectation: %s\n", what);
    std::abort();
}

bool within(std::string_view part, std::string_view whole)
{
    return part.empty()
        || (part.data() >= whole.data() && part.data() + part.size() <= whole.data() + whole.size());
}

// How the connection reads a client that sends `bytes` and leaves, and the body it keeps. Nothing
// when the bytes do not fit in the socket's buffer at once (a reader would have to run beside the
// writer), or the socket pair cannot be made.
std::optional<AppleEventConnection::ReadResult> readThroughSocket(std::string_view bytes, std::string& body)
{
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return std::nullopt;
    FileDescriptor client(ends[0]);
    AppleEventConnection connection { FileDescriptor(ends[1]) };
    size_t sent = 0;
    while (sent < bytes.size()) {
        ssize_t count
            = ::send(client.get(), bytes.data() + sent, bytes.size() - sent, MSG_DONTWAIT | MSG_NOSIGNAL);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return std::nullopt;
        sent += static_cast<size_t>(count);
    }
    ::shutdown(client.get(), SHUT_WR);
    AppleEventConnection::ReadResult result = connection.readMessage(deadlineAfter(std::chrono::seconds(10)));
    body = connection.takeBody();
    return result;
}

// What the connection must make of `bytes`: the header's announced length decides how much of the
// rest is the body; the bytes after it are never read. The body, when a whole message came.
std::optional<std::string> checkReading(std::string_view bytes)
{
    std::optional<uint32_t> length;
    if (bytes.size() >= appleEventHeaderSize)
        length = decodeAppleEventHeader(bytes.substr(0, appleEventHeaderSize));
    std::string_view rest = bytes.size() >= appleEventHeaderSize ? bytes.substr(appleEventHeaderSize) : "";
    bool whole = length && *length <= rest.size();
    std::string body;
    std::optional<AppleEventConnection::ReadResult> result = readThroughSocket(bytes, body);
    if (!result) {
        // Not sent through a socket (too long, or no socket pair): take the body as the connection would.
        if (!whole)
            return std::nullopt;
        return std::string(rest.substr(0, *length));
    }
    using ReadResult = AppleEventConnection::ReadResult;
    if (bytes.size() < appleEventHeaderSize) {
        expect(*result == ReadResult::Closed, "a short header is a client that left");
    } else if (!length) {
        expect(*result == ReadResult::NotAnEvent, "a header without the magic is not an event");
    } else if (*length > appleEventLargestBody) {
        expect(*result == ReadResult::TooLarge, "a body longer than the largest event is refused");
        expect(body.empty(), "none of a refused body is kept");
    } else if (!whole) {
        expect(*result == ReadResult::Closed, "a body shorter than announced is a client that left");
        expect(body.empty(), "a broken-off body is not kept");
    } else {
        expect(*result == ReadResult::Message, "a whole message is read");
        expect(body == rest.substr(0, *length), "the body is exactly the announced bytes");
        return body;
    }
    return std::nullopt;
}

// The decoded message stays inside the body and encodes back to the very bytes it came from.
std::optional<AppleEventMessage> checkDecoding(std::string_view body)
{
    std::optional<AppleEventMessage> message = decodeAppleEventBody(body);
    if (!message)
        return message;
    for (const AppleEventParameter& parameter : message->parameters)
        expect(within(parameter.data, body), "a parameter's data lies inside the body");
    std::optional<std::string> encoded = encodeAppleEvent(*message);
    expect(encoded.has_value(), "a decoded message can be encoded");
    std::string framed(appleEventMagic);
    appendBigEndian32(framed, static_cast<uint32_t>(body.size()));
    framed.append(body);
    expect(*encoded == framed, "a decoded message encodes to the same bytes");
    return message;
}

// The server's verdict, against a count of the direct objects; an accepted script is the direct
// object's own bytes, so what is written out is exactly what came.
void checkAcceptance(std::string_view body, const std::optional<AppleEventMessage>& message)
{
    using Refusal = StandinServer::Refusal;
    StandinServer::Acceptance acceptance = StandinServer::accept(body, creator);
    Refusal expected = Refusal::MalformedOrForeign;
    const AppleEventParameter* direct = nullptr;
    if (message && message->eventClass == fourCC("RBae") && message->eventID == fourCC("scpt")
        && message->target == creator) {
        size_t directObjects = 0;
        for (const AppleEventParameter& parameter : message->parameters) {
            if (parameter.keyword == fourCC("----") && directObjects++ == 0)
                direct = &parameter;
        }
        expected = directObjects > 1                   ? Refusal::TwoDirectObjects
            : direct && direct->type == fourCC("TEXT") ? Refusal::None
                                                       : Refusal::NoTextDirectObject;
    }
    expect(acceptance.refusal == expected, "the verdict follows the direct objects");
    if (acceptance.refusal != Refusal::None) {
        expect(acceptance.script.empty(), "a refused event writes nothing");
        return;
    }
    expect(acceptance.script.data() == direct->data.data() && acceptance.script.size() == direct->data.size(),
        "the script written out is the direct object's bytes");
    expect(within(acceptance.script, body), "the script lies inside the body");
    expect(StandinServer::accept(body, creator ^ 1).refusal == Refusal::MalformedOrForeign,
        "an event for another creator is refused");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::optional<std::string> body = checkReading(bytes);
    if (!body)
        return 0;
    std::optional<AppleEventMessage> message = checkDecoding(*body);
    checkAcceptance(*body, message);
    return 0;
}
