#include "platform/FourCharCode.h"

namespace fw::platform {

std::string fourCCString(uint32_t code)
{
    std::string text(4, '\0');
    for (int i = 0; i < 4; ++i)
        text[i] = static_cast<char>((code >> (24 - 8 * i)) & 0xFF);
    return text;
}

} // namespace fw::platform
