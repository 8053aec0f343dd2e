#pragma once

#include "platform/BigEndian.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// Writes settings records at compile time from readable entries, so that a record in the source reads
// like its table and its bytes still come out exactly as the framework reads them.
namespace fw::settings {

enum class Kind : uint8_t { Int32, Boolean, Color, String };

struct Entry {
    std::string_view name;
    Kind kind;
    int64_t number = 0; // Int32 value, Boolean 0/1, or 0xRRGGBB
    std::string_view text = {};
};

constexpr Entry i4(std::string_view name, int64_t value)
{
    return { name, Kind::Int32, value };
}
constexpr Entry b(std::string_view name, bool value)
{
    return { name, Kind::Boolean, value ? 1 : 0 };
}
constexpr Entry c(std::string_view name, uint32_t rgb)
{
    return { name, Kind::Color, rgb };
}
constexpr Entry s(std::string_view name, std::string_view text)
{
    return { name, Kind::String, 0, text };
}

constexpr size_t valueSize(const Entry& entry)
{
    switch (entry.kind) {
    case Kind::Int32:
        return 4;
    case Kind::Boolean:
        return 1;
    case Kind::Color:
        return 3;
    case Kind::String:
        return 4 + entry.text.size();
    }
    return 0;
}

template <size_t N> constexpr size_t encodedSize(const std::array<Entry, N>& entries)
{
    size_t size = 0;
    for (const Entry& entry : entries)
        size += entry.name.size() + 1 + valueSize(entry);
    return size;
}

template <const auto& entries> constexpr auto encode()
{
    std::array<char, encodedSize(entries)> out {};
    size_t at = 0;
    auto put = [&](uint8_t byte) { out[at++] = static_cast<char>(byte); };
    auto put32 = [&](uint32_t value) {
        for (char byte : platform::bigEndian32(value))
            put(static_cast<uint8_t>(byte));
    };
    for (const Entry& entry : entries) {
        for (char ch : entry.name)
            put(static_cast<uint8_t>(ch));
        put(' ');
        switch (entry.kind) {
        case Kind::Int32:
            put32(static_cast<uint32_t>(static_cast<int32_t>(entry.number)));
            break;
        case Kind::Boolean:
            put(entry.number ? 1 : 0);
            break;
        case Kind::Color:
            put(entry.number >> 16), put(entry.number >> 8), put(entry.number);
            break;
        case Kind::String:
            put32(static_cast<uint32_t>(entry.text.size()));
            for (char ch : entry.text)
                put(static_cast<uint8_t>(ch));
            break;
        }
    }
    return out;
}

template <size_t N> constexpr std::string_view view(const std::array<char, N>& bytes)
{
    return { bytes.data(), N };
}

} // namespace fw::settings
