#include "platform/AppleEventMessage.h"

#include "platform/BigEndian.h"

#include <limits>

namespace fw::platform {

static std::optional<uint32_t> bodyLength(const AppleEventMessage& message)
{
    constexpr uint64_t limit = std::numeric_limits<uint32_t>::max();
    uint64_t length = appleEventBodyHeadSize;
    for (const AppleEventParameter& parameter : message.parameters) {
        if (parameter.data.size() > limit)
            return std::nullopt;
        length += appleEventParameterHeadSize + parameter.data.size();
        if (length > limit)
            return std::nullopt;
    }
    return static_cast<uint32_t>(length);
}

std::optional<std::string> encodeAppleEventFraming(const AppleEventMessage& message)
{
    std::optional<uint32_t> length = bodyLength(message);
    if (!length)
        return std::nullopt;
    std::string framing;
    framing.reserve(appleEventHeaderSize + appleEventBodyHeadSize
        + appleEventParameterHeadSize * message.parameters.size());
    framing.append(appleEventMagic);
    appendBigEndian32(framing, *length);
    appendBigEndian32(framing, message.eventClass);
    appendBigEndian32(framing, message.eventID);
    appendBigEndian32(framing, message.target);
    appendBigEndian32(framing, static_cast<uint32_t>(message.parameters.size()));
    for (const AppleEventParameter& parameter : message.parameters) {
        appendBigEndian32(framing, parameter.keyword);
        appendBigEndian32(framing, parameter.type);
        appendBigEndian32(framing, static_cast<uint32_t>(parameter.data.size()));
    }
    return framing;
}

std::vector<std::string_view> appleEventPieces(const AppleEventMessage& message, std::string_view framing)
{
    std::vector<std::string_view> pieces;
    pieces.reserve(2 * message.parameters.size() + 1);
    size_t end = appleEventHeaderSize + appleEventBodyHeadSize;
    size_t start = 0;
    for (const AppleEventParameter& parameter : message.parameters) {
        end += appleEventParameterHeadSize;
        pieces.push_back(framing.substr(start, end - start));
        if (!parameter.data.empty())
            pieces.push_back(parameter.data);
        start = end;
    }
    if (start < framing.size())
        pieces.push_back(framing.substr(start));
    return pieces;
}

std::optional<uint32_t> decodeAppleEventHeader(std::string_view header)
{
    if (header.size() != appleEventHeaderSize || header.substr(0, 4) != appleEventMagic)
        return std::nullopt;
    return readBigEndian32(header, 4);
}

std::optional<AppleEventMessage> decodeAppleEventBody(std::string_view body)
{
    if (body.size() < appleEventBodyHeadSize)
        return std::nullopt;
    AppleEventMessage message;
    message.eventClass = readBigEndian32(body, 0);
    message.eventID = readBigEndian32(body, 4);
    message.target = readBigEndian32(body, 8);
    uint32_t count = readBigEndian32(body, 12);
    size_t offset = appleEventBodyHeadSize;
    // Each parameter takes at least its head, so a count beyond that is a lie; checking first also keeps
    // the reservation below within the body's own size.
    if (count > (body.size() - offset) / appleEventParameterHeadSize)
        return std::nullopt;
    message.parameters.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        if (body.size() - offset < appleEventParameterHeadSize)
            return std::nullopt;
        AppleEventParameter parameter;
        parameter.keyword = readBigEndian32(body, offset);
        parameter.type = readBigEndian32(body, offset + 4);
        uint32_t length = readBigEndian32(body, offset + 8);
        offset += appleEventParameterHeadSize;
        if (length > body.size() - offset)
            return std::nullopt;
        parameter.data = body.substr(offset, length);
        offset += length;
        message.parameters.push_back(parameter);
    }
    if (offset != body.size())
        return std::nullopt;
    return message;
}

} // namespace fw::platform
