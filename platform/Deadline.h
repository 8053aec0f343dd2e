#pragma once

#include <chrono>

namespace fw::platform {

// The moment by which a wait must end, on the clock that no change of the system time moves.
using Deadline = std::chrono::steady_clock::time_point;
inline constexpr Deadline noDeadline = Deadline::max();
inline Deadline deadlineAfter(std::chrono::milliseconds timeout)
{
    return std::chrono::steady_clock::now() + timeout;
}

} // namespace fw::platform
