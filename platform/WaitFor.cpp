#include "platform/WaitFor.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <poll.h>

namespace fw::platform {

WaitResult waitFor(int fd, short events, Deadline deadline, int wakeFd)
{
    pollfd fds[2] = { { fd, events, 0 }, { wakeFd, POLLIN, 0 } };
    nfds_t count = wakeFd >= 0 ? 2 : 1;
    for (;;) {
        int timeout = -1;
        if (deadline != noDeadline) {
            // Whole milliseconds, rounded down so that the wait never ends after the deadline; the
            // last fraction of a millisecond is spent in waits of 0.
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            timeout = static_cast<int>(std::clamp<long long>(left.count(), 0, INT_MAX));
        }
        int ready = ::poll(fds, count, timeout);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            return WaitResult::Failed;
        }
        if (ready == 0) {
            if (deadline == noDeadline || std::chrono::steady_clock::now() >= deadline)
                return WaitResult::TimedOut;
            continue;
        }
        if (count == 2 && fds[1].revents)
            return WaitResult::Woken;
        // Hang-ups and errors count as ready: the next read or write reports them.
        return WaitResult::Ready;
    }
}

} // namespace fw::platform
