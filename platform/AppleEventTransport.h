#pragma once

#include "platform/AppleEventMessage.h"

#include <chrono>

namespace fw::platform {

// Sends one event to the application named by its target and waits for the answer. True only when
// the whole message was written and the receiver answered 0 before the send timeout; every other
// outcome (no receiver, a refused event directory, a connection that closes or stalls, a non-zero
// answer) is false. The parameters' bytes are written from their owners' buffers.
bool sendAppleEvent(const AppleEventMessage& message);

// The send timeout is 60 seconds. Tests shorten it; the program never changes it.
void setSendTimeoutForTesting(std::chrono::milliseconds timeout);
std::chrono::milliseconds sendTimeout();

} // namespace fw::platform
