#pragma once

#include <cstdint>

namespace fw {

// A 24-bit colour packed as 0x00RRGGBB.
struct Color {
    uint32_t value = 0;

    constexpr uint8_t red() const { return (value >> 16) & 0xFF; }
    constexpr uint8_t green() const { return (value >> 8) & 0xFF; }
    constexpr uint8_t blue() const { return value & 0xFF; }
    friend constexpr bool operator==(Color, Color) = default;
};

// Channels outside 0..255 are clamped, so that every argument gives a defined colour.
constexpr Color RGB(int32_t red, int32_t green, int32_t blue)
{
    auto channel = [](int32_t v) { return static_cast<uint32_t>(v < 0 ? 0 : (v > 255 ? 255 : v)); };
    return Color { (channel(red) << 16) | (channel(green) << 8) | channel(blue) };
}

constexpr Color operator""_rgb(unsigned long long value)
{
    return Color { static_cast<uint32_t>(value & 0xFFFFFF) };
}

} // namespace fw
