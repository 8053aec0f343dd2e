#pragma once

// Where the sending and the receiving end of the event transport meet: the socket of an application.

#include <cstdint>
#include <optional>
#include <string>

struct sockaddr_un;

namespace fw::platform {

// A creator code as socket names and messages give it: its four characters when they are all
// printable ASCII other than '/', else "0x" and eight lower-case hex digits.
std::string creatorName(uint32_t creator);

// The name of the socket on which the application with this creator code receives events: its
// creatorName and ".sock".
std::string eventSocketName(uint32_t creator);

// The socket's full path in the event directory, or nothing when that directory is missing or
// refused; for a refusal, the reason goes to `refusal` when given (eventDirectory).
std::optional<std::string> eventSocketPath(
    uint32_t creator, bool createDirectory, std::string* refusal = nullptr);

// Fills `address`; false when the path does not fit.
bool makeSocketAddress(const std::string& path, sockaddr_un& address);

// The end of the transport that wants a socket's address: each names a path that does not fit in
// its own words.
enum class SocketEnd { Sending, Listening };

// makeSocketAddress for the socket of `creator` at `path`, as `end` needs it. A path that does not
// fit is told on standard error in one line that names it, "cannot reach RBv2: the socket's path is
// too long for a Unix socket address (120 bytes, at most 107): <path>" ("cannot listen as RBv2: ..."
// for the listening end), and not again until a path has fitted in between.
bool makeEventSocketAddress(uint32_t creator, SocketEnd end, const std::string& path, sockaddr_un& address);

} // namespace fw::platform
