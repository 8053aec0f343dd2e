#pragma once

#include "platform/AppleEventMessage.h"

#include <optional>
#include <string>

// The whole message on the wire as one string, its framing and its parameters' bytes in order; nothing
// when a length does not fit in its 32 bits. The palette writes the pieces without joining them.
inline std::optional<std::string> encodeAppleEvent(const fw::platform::AppleEventMessage& message)
{
    std::optional<std::string> framing = fw::platform::encodeAppleEventFraming(message);
    if (!framing)
        return std::nullopt;
    std::string whole;
    for (std::string_view piece : fw::platform::appleEventPieces(message, *framing))
        whole.append(piece);
    return whole;
}
