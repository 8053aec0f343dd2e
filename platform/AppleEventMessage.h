#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fw::platform {

struct AppleEventParameter {
    uint32_t keyword = 0;
    uint32_t type = 0;
    std::string_view data; // the owner's bytes: a send writes them from there, a decode points into the body
};

struct AppleEventMessage {
    uint32_t eventClass = 0;
    uint32_t eventID = 0;
    uint32_t target = 0; // creator code of the receiving application
    std::vector<AppleEventParameter> parameters;
};

// One event on the wire: "AEVT", then a 32-bit big-endian length of the body that follows. The body:
// event class, event id, target (four bytes each), a 32-bit big-endian parameter count, and for each
// parameter its keyword, its type (four bytes each), a 32-bit big-endian length and its bytes.
inline constexpr std::string_view appleEventMagic = "AEVT";
inline constexpr size_t appleEventHeaderSize = 8;
inline constexpr size_t appleEventBodyHeadSize = 16;
inline constexpr size_t appleEventParameterHeadSize = 12;

// The largest event the palette sends: one text parameter holding the longest script it reads
// (2^31 - 1 bytes). A receiver refuses a body announced longer than that before reading any of it.
inline constexpr size_t appleEventLargestScript = 0x7FFFFFFF;
inline constexpr uint32_t appleEventLargestBody
    = appleEventBodyHeadSize + appleEventParameterHeadSize + appleEventLargestScript;

// Every byte of the message but the parameters' own, in wire order. Nothing when a length does not
// fit in its 32 bits.
std::optional<std::string> encodeAppleEventFraming(const AppleEventMessage&);

// The message as the byte ranges to write in order: slices of `framing` between the parameters' data,
// so that a large parameter goes out from its owner's buffer without a copy.
std::vector<std::string_view> appleEventPieces(const AppleEventMessage&, std::string_view framing);

// The body length that an 8-byte header announces, or nothing when it is not an event's header.
std::optional<uint32_t> decodeAppleEventHeader(std::string_view header);

// The message whose body (everything after the header) is `body`, or nothing when a count or length
// does not fit the bytes, or bytes are left over. The parameters' data point into `body`.
std::optional<AppleEventMessage> decodeAppleEventBody(std::string_view body);

} // namespace fw::platform
