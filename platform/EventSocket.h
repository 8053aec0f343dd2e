#pragma once

// Where the sending and the receiving end of the event transport meet: the socket of an application.

#include <cstdint>
#include <optional>
#include <string>

struct sockaddr_un;

namespace fw::platform {

// The name of the socket on which the application with this creator code receives events: the four
// characters and ".sock" when they are all printable ASCII other than '/', else "0x" and eight
// lower-case hex digits.
std::string eventSocketName(uint32_t creator);

// The socket's full path in the event directory, or nothing when that directory is refused.
std::optional<std::string> eventSocketPath(uint32_t creator, bool createDirectory);

// Fills `address`; false when the path does not fit.
bool makeSocketAddress(const std::string& path, sockaddr_un& address);

} // namespace fw::platform
