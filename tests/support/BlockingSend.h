#pragma once

#include "platform/AppleEventMessage.h"
#include "platform/AppleEventTransport.h"
#include "platform/WaitFor.h"

// Sends one event and waits for it, blocking the thread: true only when it was sent. The palette's
// own send runs the event loop while it waits; tests that have no loop to run, or that stand for
// another application, send this way.
inline bool sendAppleEvent(const fw::platform::AppleEventMessage& message)
{
    fw::platform::AppleEventSend send(message);
    while (!send.finished()) {
        // With no events asked for, the descriptor is left out and the wait is only for the time.
        fw::platform::waitFor(send.events() ? send.descriptor() : -1, send.events(), send.nextTry());
        send.step();
    }
    return send.sent();
}
