#include "tests/support/ScriptReceiver.h"
#include "tests/support/TemporaryRuntimeDirectory.h"

#include "framework/AppleEvent.h"
#include "framework/String.h"
#include "platform/FourCharCode.h"

#include <gtest/gtest.h>

#include <optional>

using namespace fw;
using fw::platform::fourCC;
using namespace std::string_literals;

namespace {

TEST(AppleEvent, NewAppleEventTakesThreeFourCharacterCodes)
{
    Ref<AppleEvent> event = NewAppleEvent("RBae", "scpt", "RBv2");
    ASSERT_TRUE(event);
    EXPECT_EQ(event->EventClass, fourCC("RBae"));
    EXPECT_EQ(event->EventID, fourCC("scpt"));
    EXPECT_EQ(event->Creator, fourCC("RBv2"));
    EXPECT_TRUE(NewAppleEvent(String("\xff\0\x01 "s, Encoding::None), "----", "    "));

    for (const String& bad : { String(""), String("RBa"), String("RBaee"), String("挨") }) {
        SCOPED_TRACE(bad.bytes());
        EXPECT_TRUE(NewAppleEvent(bad, "scpt", "RBv2").isNil());
        EXPECT_TRUE(NewAppleEvent("RBae", bad, "RBv2").isNil());
        EXPECT_TRUE(NewAppleEvent("RBae", "scpt", bad).isNil());
    }
}

TEST(AppleEvent, StringParamIsSetOncePerKeywordAndReplaced)
{
    Ref<AppleEvent> event = NewAppleEvent("RBae", "scpt", "RBv2");
    EXPECT_TRUE(event->StringParam("----").isEmpty());
    event->setStringParam("----", "first");
    event->setStringParam("kwd2", String::fromBytes("a\0b"s));
    event->setStringParam("----", "second");
    EXPECT_EQ(event->StringParam("----").bytes(), "second");
    EXPECT_EQ(event->StringParam("kwd2").bytes(), "a\0b"s);
    EXPECT_TRUE(event->StringParam("none").isEmpty());
    for (const char* bad : { "", "---", "-----" }) {
        EXPECT_THROW(event->setStringParam(bad, "x"), OutOfBoundsException) << bad;
        EXPECT_THROW(event->StringParam(bad), OutOfBoundsException) << bad;
    }
}

TEST(AppleEvent, SendDeliversTheEventAndTellsWhetherTheReceiverTookIt)
{
    const struct {
        const char* name;
        std::optional<int32_t> answer; // none: nobody listens
        bool sent;
    } cases[] = {
        { "answers 0", 0, true },
        { "answers an error", -1708, false },
        { "answers 1", 1, false },
        { "nobody listens", std::nullopt, false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TemporaryRuntimeDirectory runtime;
        std::optional<ScriptReceiver> ide;
        if (c.answer)
            ide.emplace(*c.answer);
        Ref<AppleEvent> event = NewAppleEvent("RBae", "scpt", "RBv2");
        event->setStringParam("----", "old");
        event->setStringParam("kwd2", "other");
        event->setStringParam("----", String::fromBytes("MsgBox 1\r\n\xff"));
        EXPECT_EQ(event->Send(), c.sent);
        if (!ide)
            continue;
        const std::vector<ReceivedEvent> received = ide->events();
        ASSERT_EQ(received.size(), 1u);
        EXPECT_EQ(received[0].eventClass, fourCC("RBae"));
        EXPECT_EQ(received[0].eventID, fourCC("scpt"));
        EXPECT_EQ(received[0].target, fourCC("RBv2"));
        // One parameter a keyword, in the order first set, each as text.
        ASSERT_EQ(received[0].parameters.size(), 2u);
        EXPECT_EQ(received[0].parameters[0].keyword, fourCC("----"));
        EXPECT_EQ(received[0].parameters[0].type, fourCC("TEXT"));
        EXPECT_EQ(received[0].parameters[0].data, "MsgBox 1\r\n\xff");
        EXPECT_EQ(received[0].parameters[1].keyword, fourCC("kwd2"));
        EXPECT_EQ(received[0].parameters[1].data, "other");
    }
}

TEST(AppleEvent, AnEventForAnotherApplicationDoesNotReachTheIde)
{
    TemporaryRuntimeDirectory runtime;
    ScriptReceiver ide;
    ASSERT_TRUE(ide.listening());
    Ref<AppleEvent> event = NewAppleEvent("RBae", "scpt", "XXXX");
    event->setStringParam("----", "x");
    EXPECT_FALSE(event->Send());
    EXPECT_TRUE(ide.events().empty());
}

} // namespace
