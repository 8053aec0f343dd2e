#include "tests/support/After.h"
#include "tests/support/ListSupport.h"
#include "tests/support/PaletteFixture.h"

#include "app/Class2.h"
#include "app/Window1_Class21.h"
#include "framework/Timer.h"
#include "list/CustomCellListbox.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// A timer armed now for one tick `milliseconds` later, at which it calls `action`.
fw::Ref<fw::Timer> markerIn(int32_t milliseconds, std::function<void()> action)
{
    fw::Ref<fw::Timer> marker = fw::New<fw::Timer>();
    marker->Action.bind(std::move(action));
    marker->setPeriod(milliseconds);
    marker->setMode(1);
    return marker;
}

// Runs the loop until a timer armed now for `milliseconds` has ticked. The loop gives timers their
// ticks in the order they fall due, so any tick due before it has come by then, however late the loop.
void runUntilAMarkerTicks(int32_t milliseconds)
{
    bool ticked = false;
    const fw::Ref<fw::Timer> marker = markerIn(milliseconds, [&ticked] { ticked = true; });
    EXPECT_TRUE(processEventsUntil([&ticked] { return ticked; })) << "the marker never ticked";
}

// The press timer with its Action counted: the class's own Action runs, and then the count.
class CountedClass2 : public Class2 {
public:
    void Event_Action() override
    {
        Class2::Event_Action();
        ++count;
    }
    int count = 0;
};

// A press timer as the palette's settings record makes it: off, with a period of 100 ms.
class PressTimerTest : public PaletteFixture {
protected:
    void SetUp() override
    {
        PaletteFixture::SetUp();
        timer = fw::New<CountedClass2>();
        timer->setMode(0);
        timer->setPeriod(100);
    }
    void TearDown() override
    {
        timer = nullptr;
        PaletteFixture::TearDown();
    }

    fw::Ref<CountedClass2> timer;
};

TEST_F(PressTimerTest, ANewTimerNeverFires)
{
    EXPECT_FALSE(timer->Go);
    EXPECT_EQ(timer->Mode(), 0);
    // Had setting its period started it, its tick would fall due before this one.
    runUntilAMarkerTicks(200);
    EXPECT_EQ(timer->count, 0);
    EXPECT_TRUE(timer->myBu.isNil());
}

TEST_F(PressTimerTest, OneTickComesAboutAPeriodAfterModeOne)
{
    // Markers due half a period before and half a period after the tick, the one armed before the
    // press timer and the other after it. The loop gives timers their ticks in the order they fall
    // due, so however late it runs, a tick that comes a period after Mode 1 comes between them.
    std::vector<std::string> log;
    const auto logged = [&](const char* name) {
        return [&log, this, name] {
            log.push_back(std::string(name) + " after " + std::to_string(timer->count));
        };
    };
    const fw::Ref<fw::Timer> sooner = markerIn(50, logged("sooner"));
    timer->Go = true;
    timer->setMode(1);
    const fw::Ref<fw::Timer> later = markerIn(150, logged("later"));
    ASSERT_TRUE(processEventsUntil([&] { return log.size() == 2; }));
    EXPECT_EQ(log, (std::vector<std::string> { "sooner after 0", "later after 1" }));
    EXPECT_FALSE(timer->Go);
    EXPECT_EQ(timer->count, 1);
    EXPECT_EQ(timer->Mode(), 0); // the single shot is spent
    runUntilAMarkerTicks(200); // two periods: a second tick would come first
    EXPECT_EQ(timer->count, 1);
}

TEST_F(PressTimerTest, ActionClearsGoAndTouchesNothingElse)
{
    std::vector<std::string> log;
    fw::Ref<TestButtonsCell> cell = fw::New<TestButtonsCell>(&log);
    cell->mycolor = ButtonsCell::pressedColor;
    timer->myBu = cell;
    const struct {
        bool go;
        int32_t mode;
    } cases[] = { { true, 1 }, { false, 1 }, { true, 0 }, { false, 0 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.go) + " mode " + std::to_string(c.mode));
        timer->Go = c.go;
        timer->setMode(c.mode);
        timer->Event_Action();
        EXPECT_FALSE(timer->Go);
        EXPECT_EQ(timer->Mode(), c.mode);
        EXPECT_EQ(timer->Period(), 100);
        EXPECT_TRUE(timer->myBu == cell);
        EXPECT_EQ(cell->mycolor, ButtonsCell::pressedColor);
    }
    EXPECT_TRUE(log.empty());
    timer->setMode(0);
}

// Two presses, the second during the first's wait: it arms the timer again, which leaves the tick
// where the first press put it, and that one tick ends both waits, the inner first.
TEST_F(PressTimerTest, APressDuringAnothersWaitIsEndedByTheSameTick)
{
    fw::Ref<Window1> window = startWithoutLoop();
    fw::Ref<CustomCellListbox> list = window->CustomCellListbox1();
    fw::Ref<Class2> pressTimer = window->Class21();
    std::vector<std::string> log;
    std::vector<fw::Ref<TestButtonsCell>> cells;
    for (int row = 0; row < 2; ++row) {
        list->AddRow("");
        cells.push_back(fw::New<TestButtonsCell>(&log));
        list->customCell(row, 0, cells.back());
    }
    // A marker that falls due 40 ms after the second press: the loop gives timers their ticks in the
    // order they fall due, so the press timer's tick comes before it only if the press left the
    // period where it was.
    fw::Ref<fw::Timer> marker = fw::New<fw::Timer>();
    marker->setPeriod(40);
    marker->Action.bind(
        [&] { log.push_back(std::string("marker, Go ") + (pressTimer->Go ? "True" : "False")); });
    // At 70 ms, the first tick not yet come: it comes 30 ms later.
    auto second = after(70, [&] {
        marker->setMode(1);
        list->Event_CellClick(1, 0, 0, 0);
        log.push_back("inner returned");
    });
    list->Event_CellClick(0, 0, 0, 0);
    log.push_back("outer returned");
    EXPECT_FALSE(pressTimer->Go);
    ASSERT_TRUE(processEventsUntil([&] {
        return std::any_of(
            log.begin(), log.end(), [](const std::string& e) { return e.starts_with("marker"); });
    }));

    EXPECT_EQ(log,
        (std::vector<std::string> {
            "cellClick", "cellClick", "inner returned", "outer returned", "marker, Go False" }));
    EXPECT_EQ(pressTimer->Mode(), 0);
    EXPECT_EQ(cells[0]->mycolor, ButtonsCell::normalColor);
    EXPECT_EQ(cells[1]->mycolor, ButtonsCell::normalColor);
    EXPECT_TRUE(pressTimer->myBu.isNil());
}

// A receiver that a timer has been given is told after each of its Actions, once however often it
// was added, until it is taken off again.
TEST_F(PressTimerTest, ATimerTellsItsReceiversAfterEachAction)
{
    struct Receiver : fw::ActionNotificationReceiver {
        explicit Receiver(const CountedClass2& timer)
            : timer(timer)
        {
        }
        void PerformAction() override { actionsSeen.push_back(timer.count); }
        const CountedClass2& timer;
        std::vector<int> actionsSeen; // the timer's count of Actions when it was told
    };
    Receiver twice(*timer), once(*timer);
    timer->addActionNotificationReceiver(&twice);
    timer->addActionNotificationReceiver(&twice);
    timer->addActionNotificationReceiver(&once);
    timer->addActionNotificationReceiver(nullptr);
    timer->setPeriod(10);
    for (int tick = 1; tick <= 2; ++tick) {
        timer->setMode(1);
        ASSERT_TRUE(processEventsUntil([&] { return timer->count == tick; }));
        if (tick == 1)
            timer->removeActionNotificationReceiver(&once);
    }
    EXPECT_EQ(twice.actionsSeen, (std::vector<int> { 1, 2 }));
    EXPECT_EQ(once.actionsSeen, std::vector<int> { 1 });
    timer->removeActionNotificationReceiver(&twice);
}

// Presses that keep coming, each from inside the wait of the one before and faster than the period:
// they do not put the tick off, so it ends the waits of the whole burst, which cannot nest for as long
// as presses come.
TEST_F(PressTimerTest, PressesThatKeepComingDoNotPutTheTickOff)
{
    fw::Ref<Window1> window = startWithoutLoop();
    fw::Ref<CustomCellListbox> list = window->CustomCellListbox1();
    std::vector<std::string> log;
    fw::Ref<TestButtonsCell> cell = fw::New<TestButtonsCell>(&log);
    list->AddRow("");
    list->customCell(0, 0, cell);
    // One every 10 ms would keep a tick that each press put off from coming: five periods' worth.
    const int most = 50;
    int presses = 0;
    int waiting = 0;
    std::vector<std::unique_ptr<QTimer>> timers;
    std::function<void()> press = [&] {
        // Go is False only once the tick has come: it has ended the burst.
        if ((presses > 0 && !window->Class21()->Go) || presses == most)
            return;
        ++presses;
        ++waiting;
        timers.push_back(after(10, press));
        list->Event_CellClick(0, 0, 0, 0);
        --waiting;
    };
    timers.push_back(after(0, press));
    ASSERT_TRUE(processEventsUntil([&] { return presses > 0 && waiting == 0; }));

    EXPECT_LT(presses, most) << "the tick came only once the presses stopped";
    EXPECT_FALSE(window->Class21()->Go);
    EXPECT_EQ(cell->mycolor, ButtonsCell::normalColor);
}

TEST_F(PressTimerTest, ThePalettesTimerHoldsItsWindowUntilTheWindowCloses)
{
    fw::Ref<Window1> window = startWithoutLoop();
    fw::Ref<Window1_Class21> member = fw::Cast<Window1_Class21>(window->Class21());
    EXPECT_TRUE(member->Window() == window);
    fw::_ReleaseWindowLists();
    EXPECT_TRUE(member->Window().isNil());
}

TEST_F(PressTimerTest, PaneChildOperationsKeepTheWindowAndIndex)
{
    fw::Ref<Window1_Class21> member = fw::New<Window1_Class21>();
    fw::Ref<fw::Window> first = fw::New<fw::Window>();
    fw::Ref<fw::Window> second = fw::New<fw::Window>();
    member->_SetWindow(first);
    EXPECT_EQ(first->refCount(), 2);
    member->_SetWindow(second);
    EXPECT_EQ(first->refCount(), 1);
    EXPECT_TRUE(member->Window() == second);
    member->_SetIndex(7);
    EXPECT_EQ(member->_Index(), 7);
    member->_SetIndex(INT32_MIN);
    EXPECT_EQ(member->_Index(), INT32_MIN);
    fw::Ref<Window1_Class21> none;
    EXPECT_THROW(none->_SetWindow(first), fw::NilObjectException);
    EXPECT_THROW(none->_Index(), fw::NilObjectException);
    EXPECT_THROW(none->_SetIndex(1), fw::NilObjectException);
    member->_SetWindow(nullptr);
}

} // namespace
