#include "platform/EventSocket.h"

#include "platform/EventDirectory.h"
#include "platform/FourCharCode.h"

#include <cstdio>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>

namespace fw::platform {

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

} // namespace fw::platform
