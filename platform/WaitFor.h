#pragma once

#include "platform/Deadline.h"

namespace fw::platform {

enum class WaitResult { Ready, TimedOut, Woken, Failed };

// Waits until `fd` has one of `events`, the deadline passes, or `wakeFd` (when not -1) is readable.
// Signals do not cut the wait short; it goes on with the time that is left.
WaitResult waitFor(int fd, short events, Deadline deadline, int wakeFd = -1);

} // namespace fw::platform
