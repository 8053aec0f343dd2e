#include "platform/AppleEventMessage.h"
#include "platform/BigEndian.h"
#include "platform/EventSocket.h"
#include "platform/FourCharCode.h"
#include "tests/support/RunScriptMessage.h"
#include "tests/support/WholeAppleEvent.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace fw::platform;
using namespace std::string_literals;

namespace {

// Tests elsewhere build their expected bytes with these helpers; the bytes are spelt out only here.
TEST(BigEndian, WritesAndReadsTheHighByteFirst)
{
    struct Case {
        uint32_t value;
        std::string bytes;
    } cases[] = {
        { 0x00000000u, "\0\0\0\0"s },
        { 0x01020304u, "\x01\x02\x03\x04" },
        { 0x80000001u, "\x80\0\0\x01"s },
        { 0x7FFFFFFFu, "\x7f\xff\xff\xff" },
        { 0xFFFFFFFFu, "\xff\xff\xff\xff" },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(bigEndian32String(c.value), c.bytes) << std::hex << c.value;
        std::string out = "ab";
        appendBigEndian32(out, c.value);
        EXPECT_EQ(out, "ab" + c.bytes) << std::hex << c.value;
        EXPECT_EQ(readBigEndian32(out, 2), c.value) << std::hex << c.value;
        EXPECT_EQ(readBigEndian32(c.bytes + "zz"), c.value) << std::hex << c.value;
    }
}

TEST(FourCharCode, PacksTheFirstCharacterHighest)
{
    EXPECT_EQ(fourCC("RBv2"), 0x52427632u);
    EXPECT_EQ(fourCC("appl"), 0x6170706Cu);
    EXPECT_EQ(fourCCString(0x52427632u), "RBv2");
    EXPECT_EQ(fourCCString(0x00FF0A2Fu), "\0\xff\n/"s);
    EXPECT_EQ(fourCC(fourCCString(0xDEADBEEFu)), 0xDEADBEEFu);
    EXPECT_EQ(fourCC("RBv"), 0u);
    EXPECT_EQ(fourCC("RBv2x"), 0u);
}

TEST(EventSocketName, PrintableCodesAsTheyAreOthersInHex)
{
    struct Case {
        std::string code;
        std::string name;
    } cases[] = {
        { "RBv2", "RBv2.sock" },
        { "Fndr", "Fndr.sock" },
        { "a b~", "a b~.sock" },
        { "a/bc", "0x612f6263.sock" },
        { "\0\0\0\1"s, "0x00000001.sock" },
        { "RB\x7f"s
          "2",
            "0x52427f32.sock" },
        { "R\xc3\xa9x", "0x52c3a978.sock" },
        { "\x1f"
          "abc",
            "0x1f616263.sock" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(eventSocketName(fourCC(c.code)), c.name);
}

TEST(AppleEventMessage, EncodesTheWireLayout)
{
    AppleEventMessage message = runScript(std::string_view("a\0b", 3));
    message.parameters.push_back({ fourCC("kwd2"), fourCC("TEXT"), "" });
    const std::string expected = "AEVT"s + bigEndian32String(16 + 12 + 3 + 12)
        + "RBae"
          "scpt"
          "RBv2"
        + bigEndian32String(2)
        + "----"
          "TEXT"
        + bigEndian32String(3) + "a\0b"s
        + "kwd2"
          "TEXT"
        + bigEndian32String(0);
    EXPECT_EQ(encodeAppleEvent(message), expected);
}

TEST(AppleEventMessage, PiecesLeaveTheDataInTheCallersBuffer)
{
    const std::string script(100000, 's');
    AppleEventMessage message = runScript(script);
    std::optional<std::string> framing = encodeAppleEventFraming(message);
    ASSERT_TRUE(framing);
    EXPECT_EQ(framing->size(), appleEventHeaderSize + appleEventBodyHeadSize + appleEventParameterHeadSize);
    std::vector<std::string_view> pieces = appleEventPieces(message, *framing);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[1].data(), script.data());
    EXPECT_EQ(pieces[1].size(), script.size());
}

TEST(AppleEventMessage, RoundTrips)
{
    const std::string binary = "\0\r\n\xff\xfe"s + std::string(70000, 'x');
    AppleEventMessage messages[] = {
        runScript(""),
        runScript(binary),
        { fourCC("RBae"), fourCC("scpt"), 0x00000001, {} },
        { 1, 2, 3, { { 4, 5, "one" }, { 6, 7, "" }, { 8, 9, binary } } },
    };
    for (const AppleEventMessage& message : messages) {
        std::optional<std::string> wire = encodeAppleEvent(message);
        ASSERT_TRUE(wire);
        std::string_view view = *wire;
        EXPECT_EQ(decodeAppleEventHeader(view.substr(0, 8)), view.size() - 8);
        std::optional<AppleEventMessage> decoded = decodeAppleEventBody(view.substr(8));
        ASSERT_TRUE(decoded);
        EXPECT_EQ(decoded->eventClass, message.eventClass);
        EXPECT_EQ(decoded->eventID, message.eventID);
        EXPECT_EQ(decoded->target, message.target);
        ASSERT_EQ(decoded->parameters.size(), message.parameters.size());
        for (size_t i = 0; i < message.parameters.size(); ++i) {
            EXPECT_EQ(decoded->parameters[i].keyword, message.parameters[i].keyword);
            EXPECT_EQ(decoded->parameters[i].type, message.parameters[i].type);
            EXPECT_EQ(decoded->parameters[i].data, message.parameters[i].data);
        }
    }
}

TEST(AppleEventMessage, HeaderMustBeAnEvents)
{
    EXPECT_EQ(decodeAppleEventHeader("AEVT"s + bigEndian32String(0x12345678)), 0x12345678u);
    EXPECT_EQ(decodeAppleEventHeader("AEVX"s + bigEndian32String(16)), std::nullopt);
    EXPECT_EQ(decodeAppleEventHeader("aevt"s + bigEndian32String(16)), std::nullopt);
    EXPECT_EQ(decodeAppleEventHeader("AEVT"s + "\0\0\0"s), std::nullopt);
}

TEST(AppleEventMessage, MalformedBodiesAreRejected)
{
    const std::string head = "RBae"
                             "scpt"
                             "RBv2";
    const std::string good = head + bigEndian32String(1)
        + "----"
          "TEXT"
        + bigEndian32String(2) + "hi";
    ASSERT_TRUE(decodeAppleEventBody(good));
    struct Case {
        const char* name;
        std::string body;
    } cases[] = {
        { "empty", "" },
        { "shorter than the head", head },
        { "count of one, no parameter", head + bigEndian32String(1) },
        { "huge count",
            head + bigEndian32String(0xFFFFFFFF)
                + "----"
                  "TEXT"
                + bigEndian32String(0) },
        { "count one past the parameters",
            head + bigEndian32String(2)
                + "----"
                  "TEXT"
                + bigEndian32String(2) + "hi" },
        { "parameter head cut short",
            head + bigEndian32String(1)
                + "----"
                  "TEXT"
                + "\0\0"s },
        { "length past the end",
            head + bigEndian32String(1)
                + "----"
                  "TEXT"
                + bigEndian32String(3) + "hi" },
        { "huge length",
            head + bigEndian32String(1)
                + "----"
                  "TEXT"
                + bigEndian32String(0xFFFFFFFF) + "hi" },
        { "trailing byte", good + "!" },
        { "trailing bytes, no parameters", head + bigEndian32String(0) + "----" },
    };
    for (const Case& c : cases)
        EXPECT_FALSE(decodeAppleEventBody(c.body)) << c.name;
    for (size_t length = 0; length < good.size(); ++length)
        EXPECT_FALSE(decodeAppleEventBody(std::string_view(good).substr(0, length))) << length;
}

} // namespace
