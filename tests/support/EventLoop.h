#pragma once

#include "tests/support/Patience.h"

#include <QCoreApplication>

#include <chrono>
#include <functional>

// Runs what is pending, so that the repaints asked for have happened.
inline void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// Runs the event loop until `done` holds, for at most the time given; false when time ran out.
inline bool processEventsUntil(
    const std::function<bool()>& done, std::chrono::milliseconds timeout = patience)
{
    return waitUntil(
        [&done] {
            if (done())
                return true;
            QCoreApplication::processEvents();
            return false;
        },
        timeout);
}

// Runs the event loop for a while, to show that nothing more comes.
inline void processEventsFor(std::chrono::milliseconds time)
{
    processEventsUntil([] { return false; }, time);
}
