#pragma once

#include "platform/CarbonEvents.h"
#include "tests/support/Patience.h"

#include <gtest/gtest.h>

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
// The kernel queues a notice as a change to the watched folders is made, so every change made before
// the call has then been read, and the switches among them have been handed to the handlers; only
// when this runs inside a handler's round, those are handed over once that round ends. Changes made
// later, and the tries again that the watch asks of the loop, are not waited for. A watch without a
// descriptor has nothing to read, and hearing nothing from it would prove nothing: that is a failure.
[[nodiscard]] inline testing::AssertionResult everyFrontNoticeHeard()
{
    bool watched = true;
    const bool quiet = processEventsUntil([&watched] {
        const int descriptor = fw::platform::frontSwitchDescriptor();
        watched = descriptor >= 0;
        pollfd watch { descriptor, POLLIN, 0 };
        return !watched || poll(&watch, 1, 0) == 0;
    });
    if (!watched)
        return testing::AssertionFailure() << "the front-switch watch has no descriptor to read";
    if (!quiet)
        return testing::AssertionFailure() << "notices were still unread when time ran out";
    return testing::AssertionSuccess();
}
