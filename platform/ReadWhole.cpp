#include "platform/ReadWhole.h"

#include <cerrno>
#include <unistd.h>

namespace fw::platform {

bool readWhole(int fd, char* into, size_t count, size_t& got)
{
    got = 0;
    while (got < count) {
        const ssize_t n = ::read(fd, into + got, count - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0)
            break;
        got += static_cast<size_t>(n);
    }
    return true;
}

} // namespace fw::platform
