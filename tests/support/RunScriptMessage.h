#pragma once

#include "platform/AppleEventMessage.h"
#include "platform/FourCharCode.h"

#include <cstdint>
#include <string_view>

// The run-script event with the text as its one parameter, as the palette sends it, to the IDE or
// to the creator given.
inline fw::platform::AppleEventMessage runScript(
    std::string_view script, uint32_t target = fw::platform::fourCC("RBv2"))
{
    using fw::platform::fourCC;
    return { fourCC("RBae"), fourCC("scpt"), target, { { fourCC("----"), fourCC("TEXT"), script } } };
}
