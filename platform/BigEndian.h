#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// 32-bit numbers on the wire and in records go high byte first, whatever the host's byte order.
namespace fw::platform {

constexpr std::array<char, 4> bigEndian32(uint32_t value)
{
    return { char(value >> 24), char(value >> 16), char(value >> 8), char(value) };
}

inline std::string bigEndian32String(uint32_t value)
{
    const std::array<char, 4> bytes = bigEndian32(value);
    return { bytes.data(), bytes.size() };
}

inline void appendBigEndian32(std::string& out, uint32_t value)
{
    const std::array<char, 4> bytes = bigEndian32(value);
    out.append(bytes.data(), bytes.size());
}

// The number in the four bytes at `offset`; the caller has made sure that they are there.
constexpr uint32_t readBigEndian32(std::string_view bytes, size_t offset = 0)
{
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

} // namespace fw::platform
