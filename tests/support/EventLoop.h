#pragma once

#include "platform/CarbonEvents.h"
#include "tests/support/Patience.h"

#include <QCoreApplication>

#include <chrono>
#include <functional>
#include <poll.h>

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

// Runs the event loop until the front-switch watch has read every notice that the kernel holds for it.
// The kernel queues a notice as the change is made, so all that was done to the folders before has
// then been heard and handled, and what did not happen by then does not happen.
inline bool everyFrontNoticeHeard()
{
    return processEventsUntil([] {
        pollfd watch { fw::platform::frontSwitchDescriptor(), POLLIN, 0 };
        return poll(&watch, 1, 0) == 0;
    });
}
