#include "framework/BinaryStream.h"

#include "framework/ClassRecord.h"
#include "platform/ReadWhole.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace fw {

const ClassRecord& BinaryStream::__Lookup()
{
    static const ClassRecord& record
        = ClassRecord::define("BinaryStream", &Object::__Lookup(), {}, [](ClassRecord& r) {
              r.methods = { { "Length", "%u8%" }, { "Read", "%s%i4o<TextEncoding>" }, { "Close", "%%" } };
          });
    return record;
}

BinaryStream::~BinaryStream()
{
    Close();
}

bool BinaryStream::openReadOnly(const std::string& path)
{
    Close();
    int fd;
    // Non-blocking, since opening a FIFO for reading would otherwise wait for a writer; a FIFO is then
    // turned away below with every other item that is not a regular file.
    do
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return false;
    m_fd = fd;
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        Close();
        return false;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return true;
}

uint64_t BinaryStream::Length() const
{
    struct stat status;
    if (m_fd < 0 || ::fstat(m_fd, &status) != 0 || status.st_size < 0)
        return 0;
    return static_cast<uint64_t>(status.st_size);
}

namespace {

// Sets `bytes` to `size` bytes and fills them from `fd`, giving how many came; the String keeps only
// those. The new bytes are not zero-filled first: a script of many megabytes is written once, by the
// read. The read stops at the end of the file and at an error: what came before it is the result.
size_t growAndRead(std::string& bytes, size_t size, int fd, size_t wanted)
{
    const size_t had = bytes.size();
    const size_t end = std::min(size, wanted);
    size_t got = 0;
    bytes.resize_and_overwrite(size, [&](char* data, size_t) {
        platform::readWhole(fd, data + had, end - had, got);
        return had + got;
    });
    return had + got;
}

} // namespace

String BinaryStream::Read(int32_t count, Encoding encoding)
{
    std::string bytes;
    if (count < 1 || m_fd < 0)
        return String(std::move(bytes), encoding);

    // The buffer starts at what the file has left, plus one byte so that a read asking for more than
    // that meets the end without growing the buffer. A whole script is read straight into the String.
    const auto wanted = static_cast<size_t>(count);
    constexpr size_t smallestBuffer = 64 * 1024;
    const off_t position = ::lseek(m_fd, 0, SEEK_CUR);
    const uint64_t length = Length();
    const uint64_t left = position >= 0 && static_cast<uint64_t>(position) < length ? length - position : 0;
    size_t size = std::min<uint64_t>(wanted, std::max<uint64_t>(left + 1, smallestBuffer));
    // Grows only when the file grew while it was read and the buffer filled.
    while (growAndRead(bytes, size, m_fd, wanted) == size && size < wanted)
        size = std::min(wanted, size * 2);
    return String(std::move(bytes), encoding);
}

void BinaryStream::Close()
{
    if (m_fd >= 0)
        ::close(std::exchange(m_fd, -1));
}

} // namespace fw
