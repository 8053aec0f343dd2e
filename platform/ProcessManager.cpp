#include "platform/ProcessManager.h"

#include "platform/AtomicReplace.h"
#include "platform/EventDirectory.h"
#include "platform/FileDescriptor.h"
#include "platform/FourCharCode.h"
#include "platform/ReadWhole.h"

#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace fw::platform {

// Serial-number block: a marker that no zeroed block has, then the creator code, both in host order.
static constexpr uint32_t serialNumberMarker = 1;

// Offsets in the process information record.
static constexpr size_t infoLength = 0, infoSerialNumber = 8, infoType = 16, infoSignature = 20,
                        infoMode = 24, infoFileSpec = 56;

bool bringToFront(uint32_t creator)
{
    std::optional<std::string> directory = eventDirectory(true);
    if (!directory)
        return false;
    return atomicReplace(*directory + "/front", fourCCString(creator));
}

std::optional<uint32_t> frontCreator()
{
    std::optional<std::string> directory = eventDirectory(false);
    if (!directory)
        return std::nullopt;
    // O_NONBLOCK: a FIFO in its place must not hang us; only a plain file counts.
    FileDescriptor file(
        ::open((*directory + "/front").c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    struct stat status;
    if (!file.valid() || fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    // One byte more than a code, to tell a longer file from one of exactly four bytes.
    char bytes[5];
    size_t have = 0;
    if (!readWhole(file.get(), bytes, sizeof bytes, have) || have != 4)
        return std::nullopt;
    return fourCC(std::string_view(bytes, 4));
}

int16_t GetFrontProcess(void* psn)
{
    if (!psn)
        return paramErr;
    std::optional<uint32_t> creator = frontCreator();
    if (!creator)
        return procNotFound;
    auto* block = static_cast<unsigned char*>(psn);
    std::memcpy(block, &serialNumberMarker, 4);
    std::memcpy(block + 4, &*creator, 4);
    return noErr;
}

int16_t GetProcessInformation(const void* psn, void* info)
{
    if (!psn || !info)
        return paramErr;
    const auto* serial = static_cast<const unsigned char*>(psn);
    uint32_t marker;
    uint32_t creator;
    std::memcpy(&marker, serial, 4);
    std::memcpy(&creator, serial + 4, 4);
    if (marker != serialNumberMarker)
        return procNotFound;
    auto* record = static_cast<unsigned char*>(info);
    const uint32_t length = processInfoRecSize;
    const uint32_t type = fourCC("APPL");
    std::memcpy(record + infoLength, &length, 4);
    std::memcpy(record + infoSerialNumber, serial, processSerialNumberSize);
    std::memcpy(record + infoType, &type, 4);
    std::memcpy(record + infoSignature, &creator, 4);
    // Mode, location, size, free memory, launcher, launch date and active time are not known here.
    std::memset(record + infoMode, 0, infoFileSpec - infoMode);
    return noErr;
}

} // namespace fw::platform
