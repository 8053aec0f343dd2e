#pragma once

#include <chrono>
#include <functional>
#include <thread>

// How long a test waits for what should come promptly before it calls it lost. A passing test never
// waits it out, so it can be long enough for a sanitizer build on a machine busy with other work; it
// stays well short of the send's 60 seconds, so that a send that gives up only then is told apart.
inline constexpr std::chrono::seconds patience { 30 };

// Checks `done` until it holds, pausing between the checks; false when time ran out first.
inline bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = patience,
    std::chrono::milliseconds pause = std::chrono::milliseconds(1))
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        // Others share the machine: a waiting test need not spin.
        std::this_thread::sleep_for(pause);
    }
    return true;
}
