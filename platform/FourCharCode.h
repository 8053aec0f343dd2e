#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fw::platform {

// A four-character code packs its characters first-to-last from the high byte down, so "RBv2" is
// 0x52427632 whatever the host's byte order.
constexpr uint32_t fourCC(std::string_view code)
{
    // Anything but four bytes names no code; 0 is a code no application uses.
    if (code.size() != 4)
        return 0;
    uint32_t value = 0;
    for (char c : code)
        value = (value << 8) | static_cast<unsigned char>(c);
    return value;
}

std::string fourCCString(uint32_t code);

} // namespace fw::platform
