#pragma once

#include <QCoreApplication>

#include <chrono>
#include <functional>
#include <thread>

// Runs what is pending, so that the repaints asked for have happened.
inline void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// Runs the event loop until `done` holds, for at most the time given; false when time ran out.
inline bool processEventsUntil(
    const std::function<bool()>& done, std::chrono::milliseconds timeout = std::chrono::seconds(5))
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        QCoreApplication::processEvents();
        // Others share the machine: a waiting test need not spin.
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// Runs the event loop for a while, to show that nothing more comes.
inline void processEventsFor(std::chrono::milliseconds time)
{
    processEventsUntil([] { return false; }, time);
}
