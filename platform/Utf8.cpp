#include "platform/Utf8.h"

namespace fw::platform {

size_t decodeUtf8(std::string_view bytes, size_t at, char32_t& codePoint)
{
    const auto lead = static_cast<unsigned char>(bytes[at]);
    size_t length;
    char32_t value;
    char32_t minimum;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (bytes.size() - at < length)
        return 0;
    for (size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[at + i]);
        if ((next & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    codePoint = value;
    return length;
}

bool isValidUtf8(std::string_view bytes)
{
    for (size_t at = 0; at < bytes.size();) {
        char32_t codePoint;
        const size_t length = decodeUtf8(bytes, at, codePoint);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

} // namespace fw::platform
