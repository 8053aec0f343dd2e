// The send's wait for the IDE's answer runs the event loop: timers, clicks and further sends go on
// inside it, each send counts its own answer, and a quit ends the wait at once.

#include "tests/support/After.h"
#include "tests/support/Captions.h"
#include "tests/support/EventLoop.h"
#include "tests/support/PaletteFixture.h"
#include "tests/support/Patience.h"
#include "tests/support/ScriptFolder.h"
#include "tests/support/ScriptReceiver.h"
#include "tests/support/TemporaryRuntimeDirectory.h"

#include "app/Class2.h"
#include "framework/AppleEvent.h"
#include "framework/Timer.h"
#include "list/ButtonsCell.h"
#include "list/CustomCellListbox.h"
#include "platform/AppleEventReceiver.h"
#include "platform/FourCharCode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <future>
#include <linux/sockios.h>
#include <memory>
#include <optional>
#include <sys/ioctl.h>
#include <thread>

using namespace std::chrono_literals;
using fw::platform::AppleEventConnection;
using fw::platform::AppleEventReceiver;
using fw::platform::deadlineAfter;
using fw::platform::fourCC;
using Clock = std::chrono::steady_clock;

namespace {

size_t openDescriptors()
{
    const std::filesystem::directory_iterator entries("/proc/self/fd");
    return static_cast<size_t>(std::distance(begin(entries), end(entries)));
}

bool send(const std::string& script)
{
    fw::Ref<fw::AppleEvent> event = fw::NewAppleEvent("RBae", "scpt", "RBv2");
    event->setStringParam("----", fw::String::fromBytes(script));
    return event->Send();
}

class SendWait : public testing::Test {
protected:
    fw::RuntimeStateSeam::Scoped runtimeState { std::make_shared<fw::RuntimeState>() };
    TemporaryRuntimeDirectory runtime;
};

TEST_F(SendWait, AnUnansweredSendGivesUpAtItsDeadline)
{
    ScriptReceiver ide(0, false);
    ASSERT_TRUE(ide.listening());
    ShortSendTimeout timeout(300ms);
    const auto start = Clock::now();
    EXPECT_FALSE(send("never answered"));
    const auto took = Clock::now() - start;
    EXPECT_GE(took, 300ms);
    EXPECT_LT(took, patience) << "not the 60 seconds of the send";
    EXPECT_EQ(ide.scripts(), std::vector<std::string> { "never answered" });
}

// The IDE answers only once a timer has ticked five times: the send is answered only if the loop ran
// during its wait.
TEST_F(SendWait, TimersTickWhileTheIdeHasNotAnswered)
{
    std::unique_ptr<AppleEventReceiver> receiver = AppleEventReceiver::listen(fourCC("RBv2"));
    ASSERT_TRUE(receiver);
    std::promise<void> fifthTick;
    std::thread ide([&receiver, ticked = fifthTick.get_future()] {
        std::unique_ptr<AppleEventConnection> connection = receiver->accept(deadlineAfter(patience));
        if (connection
            && connection->readMessage(deadlineAfter(patience)) == AppleEventConnection::ReadResult::Message
            && ticked.wait_for(patience) == std::future_status::ready)
            connection->reply(0);
    });
    fw::Ref<fw::Timer> timer = fw::New<fw::Timer>();
    int ticks = 0;
    timer->Action.bind([&] {
        if (++ticks == 5)
            fifthTick.set_value();
    });
    timer->setPeriod(20);
    timer->setMode(2);
    EXPECT_TRUE(send("answered after five ticks")) << ticks << " ticks";
    timer->setMode(0);
    ide.join();
}

// Written to `socket` and not yet read by the other end.
int unread(int socket)
{
    int bytes = -1;
    ioctl(socket, SIOCOUTQ, &bytes);
    return bytes;
}

// The IDE takes both events, then answers the first while the second, sent from inside the first's
// wait, still waits. Once the palette has taken that answer it answers the second, or never does:
// the first send is done inside the second's wait, and each send gives what its own answer says.
TEST_F(SendWait, EachNestedSendCountsItsOwnAnswer)
{
    const struct {
        const char* name;
        int32_t outerStatus;
        std::optional<int32_t> innerStatus; // nothing: never answered
        bool outerSent;
        bool innerSent;
    } cases[] = {
        { "both answered 0", 0, 0, true, true },
        { "the later one never answered", 0, std::nullopt, true, false },
        { "the first one refused", -1708, 0, false, true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<AppleEventReceiver> receiver = AppleEventReceiver::listen(fourCC("RBv2"));
        ASSERT_TRUE(receiver);
        std::string firstBody;
        bool firstAnswerTaken = false;
        std::promise<void> innerReturned;
        std::thread ide([&, innerDone = innerReturned.get_future()] {
            std::unique_ptr<AppleEventConnection> first = receiver->accept(deadlineAfter(patience));
            if (!first
                || first->readMessage(deadlineAfter(patience)) != AppleEventConnection::ReadResult::Message)
                return;
            firstBody = first->takeBody();
            std::unique_ptr<AppleEventConnection> second = receiver->accept(deadlineAfter(patience));
            if (!second
                || second->readMessage(deadlineAfter(patience)) != AppleEventConnection::ReadResult::Message)
                return;
            first->reply(c.outerStatus);
            firstAnswerTaken = waitUntil([&first] { return unread(first->socket()) == 0; });
            if (c.innerStatus)
                second->reply(*c.innerStatus);
            else
                innerDone.wait_for(patience); // the connection stays open until the send gives up
        });
        std::optional<bool> innerSent;
        bool innerRanInside = false;
        bool outerDone = false;
        auto inner = after(50, [&] {
            innerRanInside = !outerDone;
            // Never answered, it ends at its own deadline.
            ShortSendTimeout timeout(c.innerStatus ? patience : 300ms);
            innerSent = send("inner");
            innerReturned.set_value();
        });
        const bool outerSent = send("outer");
        outerDone = true;
        ide.join();
        EXPECT_TRUE(innerRanInside);
        EXPECT_TRUE(firstAnswerTaken) << "the first answer was left unread while the later send waited";
        ASSERT_TRUE(innerSent.has_value());
        EXPECT_EQ(outerSent, c.outerSent);
        EXPECT_EQ(*innerSent, c.innerSent);
        EXPECT_NE(firstBody.find("outer"), std::string::npos) << "the first event the IDE took";
    }
}

// Sends nested inside one another, each made once the ones around it have their answers: those no
// longer wait, though the sends inside keep them from returning, and do not count toward the bound.
TEST_F(SendWait, SendsWhoseAnswersHaveComeDoNotCountTowardTheBound)
{
    ScriptReceiver ide;
    ASSERT_TRUE(ide.listening());
    const int nested = fw::AppleEvent::maxWaitingSends + 4;
    std::vector<std::string> expected;
    std::vector<bool> sent;
    std::vector<std::unique_ptr<QTimer>> timers;
    std::function<void()> deeper = [&] {
        // The IDE takes its clients in turn: once it has answered an event of its own, it has
        // answered every send before it, and a turn of the loop lets those sends read their answers.
        ide.events();
        settle();
        expected.push_back("script " + std::to_string(expected.size() + 1));
        if (expected.size() < static_cast<size_t>(nested))
            timers.push_back(after(0, deeper)); // inside this send's wait
        sent.push_back(send(expected.back()));
    };
    timers.push_back(after(0, deeper));
    ASSERT_TRUE(processEventsUntil([&] { return sent.size() == static_cast<size_t>(nested); }));
    EXPECT_EQ(sent, std::vector<bool>(nested, true));
    EXPECT_EQ(ide.scripts(), expected);
}

TEST_F(SendWait, AQuitDuringTheWaitEndsItAndIsNoSuccess)
{
    ScriptReceiver ide(0, false);
    ASSERT_TRUE(ide.listening());
    fw::Ref<fw::Application> app = fw::New<fw::Application>();
    auto quit = after(50, [&app] { app->Quit(); });
    const auto start = Clock::now();
    EXPECT_FALSE(send("cut short"));
    EXPECT_LT(Clock::now() - start, patience) << "not the 60 seconds of the send";
    EXPECT_TRUE(fw::Runtime::applicationQuit());
}

// The palette with two scripts and an IDE that takes every event and never answers.
class PaletteSendWait : public PaletteFixture {
protected:
    void SetUp() override
    {
        PaletteFixture::SetUp();
        folder.write("A.rbs", "script A");
        folder.write("B.rbs", "script B");
        window = startWithoutLoop();
        window->openNow();
        list = window->CustomCellListbox1();
        ASSERT_EQ(list->ListCount(), 2);
        ASSERT_TRUE(ide.listening());
    }
    void TearDown() override
    {
        list = nullptr;
        window = nullptr;
        PaletteFixture::TearDown();
    }

    bool click(int32_t row) { return list->Event_CellClick(row, 0, 10, 5); }

    ScriptFolder folder;
    ScriptReceiver ide { 0, false };
    fw::Ref<Window1> window;
    fw::Ref<CustomCellListbox> list;
};

TEST_F(PaletteSendWait, ARowClickedDuringTheWaitRunsItsScriptThen)
{
    ShortSendTimeout timeout(400ms);
    bool innerClicked = false;
    auto second = after(50, [&] { innerClicked = click(1); });
    EXPECT_TRUE(click(0));
    EXPECT_TRUE(innerClicked);
    EXPECT_EQ(ide.scripts(), (std::vector<std::string> { "script A", "script B" }));
    // Neither was answered: each is a failure, the inner one told first.
    EXPECT_EQ(messages.texts, (std::vector<std::string> { "Error", "Error" }));
    for (int32_t row : { 0, 1 })
        EXPECT_EQ(
            fw::Cast<ButtonsCell>(list->CellTag(row, 0).objectValue())->mycolor, ButtonsCell::normalColor);
}

TEST_F(PaletteSendWait, CtrlQDuringTheWaitEndsItPromptlyWithoutAnErrorBox)
{
    auto quit = after(50, [] { Global::App()->Quit(); });
    const auto start = Clock::now();
    EXPECT_TRUE(click(0));
    EXPECT_LT(Clock::now() - start, patience) << "not the 60 seconds of the send";
    EXPECT_TRUE(fw::Runtime::applicationQuit());
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(ide.scripts(), std::vector<std::string> { "script A" });
}

TEST_F(PaletteSendWait, ClosingTheWindowDuringTheWaitEndsItPromptlyWithoutAnErrorBox)
{
    Global::App()->setAutoQuit(true);
    auto close = after(50, [this] { window->CloseWindow(); });
    const auto start = Clock::now();
    EXPECT_TRUE(click(0));
    EXPECT_LT(Clock::now() - start, patience) << "not the 60 seconds of the send";
    EXPECT_TRUE(fw::Runtime::applicationQuit());
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(ide.scripts(), std::vector<std::string> { "script A" });
}

// Clicks while the IDE never answers, each from inside the wait of the one before, until the bound of
// waiting sends; past it a click sends nothing and shows "Error", and the stack and the descriptors
// stay as they were, however many such clicks come.
TEST_F(PaletteSendWait, PastTheBoundAClickSendsNothingAndShowsError)
{
    fw::platform::SendTimeoutSeam::Scoped timeout(std::chrono::minutes(10)); // they wait until the quit
    const int bound = fw::AppleEvent::maxWaitingSends;
    const size_t extraClicks = 5;
    std::vector<std::string> boxes;
    std::vector<uintptr_t> stackAt;
    std::vector<size_t> descriptorsAt;
    fw::MsgBoxSeam::Scoped recorder([&](const fw::String& text) {
        const char here = 0;
        boxes.push_back(text.bytes());
        stackAt.push_back(reinterpret_cast<uintptr_t>(&here));
        descriptorsAt.push_back(openDescriptors());
    });
    // A timer does not fire again while its own handler runs: each extra click comes once the one
    // before it has returned, from inside the innermost send's wait.
    QTimer extra;
    extra.setInterval(5);
    size_t extraDone = 0;
    QObject::connect(&extra, &QTimer::timeout, [&] {
        if (extraDone == extraClicks) {
            extra.stop();
            Global::App()->Quit();
            return;
        }
        EXPECT_TRUE(click(0));
        ++extraDone;
    });
    std::vector<std::unique_ptr<QTimer>> timers;
    int nested = 0;
    int returned = 0;
    std::function<void()> nest = [&] {
        ++nested;
        if (nested < bound)
            timers.push_back(after(5, nest));
        else
            extra.start();
        click(nested % 2);
        ++returned;
    };
    timers.push_back(after(0, nest));
    auto guard = after(patience, [] {
        ADD_FAILURE() << "the clicks past the bound did not return";
        Global::App()->Quit();
    });
    ASSERT_TRUE(processEventsUntil([&] { return returned == bound; }, 2 * patience));

    EXPECT_EQ(extraDone, extraClicks);
    EXPECT_EQ(boxes, std::vector<std::string>(extraClicks, "Error"));
    ASSERT_EQ(stackAt.size(), extraClicks);
    EXPECT_EQ(std::count(stackAt.begin(), stackAt.end(), stackAt[0]), static_cast<long>(extraClicks));
    EXPECT_EQ(std::count(descriptorsAt.begin(), descriptorsAt.end(), descriptorsAt[0]),
        static_cast<long>(extraClicks));
    const std::vector<std::string> scripts = ide.scripts();
    EXPECT_EQ(scripts.size(), static_cast<size_t>(bound)) << "the IDE got the waiting ones only";
}

// Ctrl+Q while sends and press flashes wait inside one another: every wait returns at once, innermost
// first, before the press timer ticks; no "Error" is shown, and a click after the quit sends nothing.
TEST_F(PaletteSendWait, AQuitEndsEveryWaitAtOnceAndNothingIsSentAfterIt)
{
    folder.write("N_rbs"); // its row's click finds no N_rbs.rbs: it sends nothing and only flashes
    list->DeleteAllRows();
    window->ReadMenu(list);
    const int32_t a = 0, b = 1, flashOnly = 2;
    ASSERT_TRUE(rowsHoldCaptions(list, { "A", "B", "N_rbs" }));
    // A tick long after a prompt end: a wait that returns before the tick sees Go still True.
    window->Class21()->setPeriod(5000);
    std::vector<std::string> log;
    std::vector<std::unique_ptr<QTimer>> timers;
    bool clickedAfterQuit = false;
    const auto then = [&](std::function<void()> next) { timers.push_back(after(20, std::move(next))); };
    const auto clickLogged = [&](int32_t row, const char* name) {
        EXPECT_TRUE(click(row));
        log.push_back(std::string(name) + " returned, Go " + (window->Class21()->Go ? "True" : "False"));
    };
    then([&] {
        then([&] {
            then([&] {
                then([&] {
                    Global::App()->Quit();
                    timers.push_back(after(0, [&] {
                        EXPECT_TRUE(click(a));
                        clickedAfterQuit = true;
                    }));
                });
                clickLogged(flashOnly, "second flash");
            });
            clickLogged(b, "send B");
        });
        clickLogged(flashOnly, "first flash");
    });
    clickLogged(a, "send A");
    ASSERT_TRUE(processEventsUntil([&] { return clickedAfterQuit; }));

    EXPECT_EQ(log,
        (std::vector<std::string> { "second flash returned, Go True", "send B returned, Go True",
            "first flash returned, Go True", "send A returned, Go True" }))
        << "a wait went on to the tick after the quit";
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(ide.scripts(), (std::vector<std::string> { "script A", "script B" }));
}

} // namespace
