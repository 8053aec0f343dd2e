#include "platform/AtomicReplace.h"

#include "platform/FileDescriptor.h"
#include "platform/WriteWhole.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace fw::platform {

bool atomicReplace(const std::string& path, std::string_view bytes)
{
    const size_t slash = path.rfind('/');
    const size_t nameAt = slash == std::string::npos ? 0 : slash + 1;
    std::string temporary = path.substr(0, nameAt) + "." + path.substr(nameAt) + "-XXXXXX";
    FileDescriptor file(mkostemp(temporary.data(), O_CLOEXEC));
    if (!file.valid())
        return false;
    const bool written = writeWhole(file.get(), bytes);
    const bool closed = ::close(file.release()) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        errno = error;
        return false;
    }
    return true;
}

} // namespace fw::platform
