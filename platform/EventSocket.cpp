#include "platform/EventSocket.h"

#include "platform/EventDirectory.h"
#include "platform/FaultReport.h"
#include "platform/FourCharCode.h"

#include <cstdio>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>

namespace fw::platform {

std::string creatorName(uint32_t creator)
{
    std::string code = fourCCString(creator);
    bool plain = true;
    for (char c : code)
        plain = plain && c >= 0x20 && c <= 0x7E && c != '/';
    if (plain)
        return code;
    char hex[11];
    std::snprintf(hex, sizeof hex, "0x%08x", creator);
    return hex;
}

std::string eventSocketName(uint32_t creator)
{
    return creatorName(creator) + ".sock";
}

std::optional<std::string> eventSocketPath(uint32_t creator, bool createDirectory, std::string* refusal)
{
    std::optional<std::string> directory = eventDirectory(createDirectory, refusal);
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

bool makeEventSocketAddress(uint32_t creator, SocketEnd end, const std::string& path, sockaddr_un& address)
{
    // One report for each end: a process that both sends and listens tells each its own fault.
    static FaultReport sendingFaults;
    static FaultReport listeningFaults;
    FaultReport& faults = end == SocketEnd::Sending ? sendingFaults : listeningFaults;
    if (makeSocketAddress(path, address)) {
        faults.gone();
        return true;
    }
    const char* doing = end == SocketEnd::Sending ? "cannot reach " : "cannot listen as ";
    faults.tell(doing + creatorName(creator),
        "the socket's path is too long for a Unix socket address (" + std::to_string(path.size())
            + " bytes, at most " + std::to_string(sizeof address.sun_path - 1) + "): " + path);
    return false;
}

} // namespace fw::platform
