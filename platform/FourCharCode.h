#pragma once

#include "platform/BigEndian.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace fw::platform {

// A four-character code packs its characters first-to-last from the high byte down, so "RBv2" is
// 0x52427632 whatever the host's byte order.
constexpr uint32_t fourCC(std::string_view code)
{
    // Anything but four bytes names no code; 0 is a code no application uses.
    return code.size() == 4 ? readBigEndian32(code) : 0;
}

inline std::string fourCCString(uint32_t code)
{
    return bigEndian32String(code);
}

} // namespace fw::platform
