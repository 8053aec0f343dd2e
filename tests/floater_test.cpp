#include "tests/support/After.h"
#include "tests/support/ListSupport.h"
#include "tests/support/PaletteFixture.h"
#include "tests/support/ScriptFolder.h"
#include "tests/support/StandinProcess.h"
#include "tests/support/TemporaryRuntimeDirectory.h"

#include "app/Class2.h"
#include "app/FloaterProcessFix.h"
#include "framework/Window.h"
#include "framework/WindowList.h"
#include "framework/qt/ControlWidget.h"
#include "framework/qt/WindowWidget.h"
#include "list/CustomCellListbox.h"
#include "platform/CarbonEvents.h"
#include "platform/EventDirectory.h"
#include "platform/FourCharCode.h"
#include "platform/ProcessManager.h"

#include <QTimer>
#include <QWidget>

#include <cerrno>
#include <cstring>
#include <functional>
#include <string>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

using fw::platform::bringToFront;
using fw::platform::fourCC;
using namespace std::chrono_literals;
using namespace std::string_literals;

namespace {

// Counts the reads of the event directory's `front` file, as the kernel sees them: every query of the
// front process reads it once, so this tells how often the switcher asked. Opens are watched as well,
// since the kernel merges identical events in a row and two reads would otherwise count as one.
class FrontReads {
public:
    explicit FrontReads(const std::string& directory)
        : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        m_watch = inotify_add_watch(m_fd, directory.c_str(), IN_OPEN | IN_CLOSE_NOWRITE);
    }
    ~FrontReads() { ::close(m_fd); }
    FrontReads(const FrontReads&) = delete;
    FrontReads& operator=(const FrontReads&) = delete;

    bool watching() const { return m_fd >= 0 && m_watch >= 0; }

    int count()
    {
        alignas(inotify_event) char buffer[4096];
        for (;;) {
            const ssize_t got = ::read(m_fd, buffer, sizeof buffer);
            if (got <= 0)
                break;
            for (ssize_t offset = 0; offset < got;) {
                inotify_event event;
                std::memcpy(&event, buffer + offset, sizeof event);
                const std::string name(
                    buffer + offset + sizeof event, strnlen(buffer + offset + sizeof event, event.len));
                if ((event.mask & IN_CLOSE_NOWRITE) && name == "front")
                    ++m_count;
                offset += static_cast<ssize_t>(sizeof event + event.len);
            }
        }
        return m_count;
    }

private:
    int m_fd;
    int m_watch = -1;
    int m_count = 0;
};

// The palette window as the program opens it, with its event directory, folder and front-switch
// handlers each test's own.
class Switcher : public PaletteFixture {
protected:
    void SetUp() override
    {
        PaletteFixture::SetUp();
        ASSERT_TRUE(fw::platform::eventDirectory(true));
    }

    // Makes the palette and raises the Open events: it ends hidden, naming the IDE.
    static fw::Ref<Window1> openPalette()
    {
        fw::Ref<Window1> window = startWithoutLoop();
        fw::WindowList::openPending();
        return window;
    }

    // A plain open window, as another part of a program would make one.
    static fw::Ref<fw::Window> plainWindow(const char* floaterProcess, bool visible)
    {
        fw::Ref<fw::Window> window = fw::New<fw::Window>();
        window->Constructor();
        window->FloaterProcess = floaterProcess;
        window->setVisible(visible);
        window->openNow();
        return window;
    }

    std::string frontPath() const { return runtime.eventDirectory() + "/front"; }

    ScriptFolder folder;
};

// Whether the window is on screen; the framework's flag and the widget must agree.
bool shown(const fw::Ref<fw::Window>& window)
{
    EXPECT_EQ(window->Visible(), window->widget()->isVisible()) << window->FloaterProcess.bytes();
    return window->Visible();
}

TEST_F(Switcher, EachSwitchShowsTheWindowsOfTheFrontCodeAndHidesOtherNamedOnes)
{
    FrontReads reads(runtime.eventDirectory());
    ASSERT_TRUE(reads.watching());
    fw::Ref<Window1> palette = openPalette();
    fw::Ref<fw::Window> freeShown = plainWindow("", true);
    fw::Ref<fw::Window> freeHidden = plainWindow("", false);
    fw::Ref<fw::Window> lowerCase = plainWindow("rbv2", true);
    fw::Ref<fw::Window> secondIde = plainWindow("RBv2", false);
    FloaterProcessFix::Install();

    const struct {
        std::string front;
        bool ide, lower;
    } cases[] = {
        { "RBv2", true, false },
        { "Fndr", false, false },
        { "rbv2", false, true },
        { "RBv2", true, false },
        { "\0\0\0\0"s, false, false }, // a code of zeros is an application, not "nothing"
        { "RBV2", false, false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.front);
        const int before = reads.count();
        ASSERT_TRUE(bringToFront(fourCC(c.front)));
        ASSERT_TRUE(processEventsUntil([&] { return reads.count() > before; })) << "no switch came";
        EXPECT_EQ(shown(palette), c.ide);
        EXPECT_EQ(shown(secondIde), c.ide);
        EXPECT_EQ(shown(lowerCase), c.lower);
        EXPECT_TRUE(shown(freeShown));
        EXPECT_FALSE(shown(freeHidden));
    }
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(Switcher, TheIdeStandinsFrontAndBackShowAndHideThePalette)
{
    ASSERT_TRUE(bringToFront(fourCC("MACS")));
    fw::Ref<Window1> palette = openPalette();
    FloaterProcessFix::Install();
    ASSERT_FALSE(shown(palette));
    ASSERT_EQ(runStandin({ "front" }), 0);
    EXPECT_TRUE(processEventsUntil([&] { return palette->widget()->isVisible(); }));
    ASSERT_EQ(runStandin({ "back" }), 0);
    EXPECT_TRUE(processEventsUntil([&] { return !palette->widget()->isVisible(); }));
    EXPECT_FALSE(palette->Visible());
}

// Another program of the user may hold every inotify instance when the palette starts: it shows
// itself as the front application stands, says why it cannot follow, and follows from the moment an
// instance is to be had, with no restart.
TEST_F(Switcher, WithNoInotifyInstanceAtStartThePaletteFollowsOnceOneIsFreed)
{
    bool taken = true;
    int tries = 0;
    fw::platform::InotifyInitSeam::Scoped init([&](int flags) {
        ++tries;
        if (taken) {
            errno = EMFILE;
            return -1;
        }
        return inotify_init1(flags);
    });
    ASSERT_TRUE(bringToFront(fourCC("RBv2")));
    fw::Ref<Window1> palette = openPalette();
    testing::internal::CaptureStderr();
    FloaterProcessFix::Install();
    EXPECT_TRUE(shown(palette));
    ASSERT_TRUE(bringToFront(fourCC("Fndr")));
    ASSERT_TRUE(processEventsUntil([&] { return tries >= 2; })) << "tried again";
    EXPECT_TRUE(shown(palette)) << "no switch is followed without an instance";

    taken = false;
    EXPECT_TRUE(processEventsUntil([&] { return !palette->widget()->isVisible(); }))
        << "the switch made while no instance was to be had";
    ASSERT_TRUE(bringToFront(fourCC("RBv2")));
    EXPECT_TRUE(processEventsUntil([&] { return palette->widget()->isVisible(); }));
    const std::string told = testing::internal::GetCapturedStderr();
    const std::string line = std::string(program_invocation_short_name)
        + ": cannot follow the front application: no inotify instance is to be had (" + std::strerror(EMFILE)
        + "); trying again every second\n";
    EXPECT_NE(told.find(line), std::string::npos) << told;
    EXPECT_EQ(told.find(line), told.rfind(line)) << "told once: " << told;
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(Switcher, AFailingFrontQueryChangesNothingAndReportsNothing)
{
    ASSERT_TRUE(bringToFront(fourCC("RBv2")));
    fw::Ref<Window1> palette = openPalette();
    fw::Ref<fw::Window> finder = plainWindow("Fndr", false);
    fw::Ref<fw::Window> unmanaged = plainWindow("", false);
    FloaterProcessFix::Install();
    ASSERT_TRUE(shown(palette));

    const std::string directory = runtime.eventDirectory();
    const std::string front = frontPath();
    const struct {
        const char* name;
        std::function<void()> prepare;
        std::function<void()> undo;
    } cases[] = {
        { "no front file", [&] { unlink(front.c_str()); }, [] {} },
        { "empty", [&] { writeFile(front, ""); }, [] {} },
        { "three bytes", [&] { writeFile(front, "Fnd"); }, [] {} },
        { "five bytes", [&] { writeFile(front, "Fndr\n"); }, [] {} },
        { "garbage", [&] { writeFile(front, "\xff\xfe\0garbage\n"s); }, [] {} },
        { "a group-writable directory",
            [&] {
                writeFile(front, "Fndr");
                chmod(directory.c_str(), 0770);
            },
            [&] { chmod(directory.c_str(), 0700); } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.prepare();
        // The handler as the platform calls it, and whatever switch notice the change made.
        EXPECT_EQ(FloaterProcessFix::CarbonEventHandler(0, 0, 0), 0);
        FloaterProcessFix::CheckOpenWindows();
        ASSERT_TRUE(everyFrontNoticeHeard());
        EXPECT_TRUE(shown(palette));
        EXPECT_FALSE(shown(finder));
        EXPECT_FALSE(shown(unmanaged));
        c.undo();
    }
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_FALSE(fw::Runtime::quitRequested());

    // And a good answer is followed again.
    ASSERT_TRUE(bringToFront(fourCC("Fndr")));
    EXPECT_TRUE(processEventsUntil([&] { return finder->widget()->isVisible(); }));
    EXPECT_FALSE(shown(palette));
}

TEST_F(Switcher, ASecondInstallRunsTheHandlerTwicePerSwitchAndAlignsAtOnce)
{
    FrontReads reads(runtime.eventDirectory());
    ASSERT_TRUE(reads.watching());
    ASSERT_TRUE(bringToFront(fourCC("Fndr")));
    fw::Ref<Window1> palette = openPalette();
    const int opened = reads.count(); // the palette's Open asked as well

    FloaterProcessFix::Install();
    EXPECT_EQ(reads.count() - opened, 1) << "an install asks once";
    EXPECT_FALSE(shown(palette));

    // No event is handled between the switch and the second install: the install itself aligns.
    ASSERT_TRUE(bringToFront(fourCC("RBv2")));
    FloaterProcessFix::Install();
    EXPECT_TRUE(shown(palette));
    EXPECT_EQ(reads.count() - opened, 2);
    // The switch before the install is then heard by both.
    ASSERT_TRUE(processEventsUntil([&] { return reads.count() - opened >= 4; }));
    ASSERT_TRUE(everyFrontNoticeHeard());
    EXPECT_EQ(reads.count() - opened, 4);

    ASSERT_TRUE(bringToFront(fourCC("Fndr")));
    ASSERT_TRUE(processEventsUntil([&] { return reads.count() - opened >= 6; }));
    ASSERT_TRUE(everyFrontNoticeHeard());
    EXPECT_EQ(reads.count() - opened, 6);
    EXPECT_FALSE(shown(palette));
}

TEST_F(Switcher, WithoutWindowsASwitchDoesNothing)
{
    FrontReads reads(runtime.eventDirectory());
    ASSERT_TRUE(bringToFront(fourCC("RBv2")));
    FloaterProcessFix::Install();
    ASSERT_TRUE(bringToFront(fourCC("Fndr")));
    ASSERT_TRUE(processEventsUntil([&] { return reads.count() >= 2; }));
    EXPECT_EQ(fw::Runtime::WindowCount(), 0);
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_FALSE(fw::Runtime::quitRequested());
}

TEST_F(Switcher, RapidSwitchesEndInTheLastStateAndTheLoopStaysResponsive)
{
    for (const bool endWithIde : { true, false }) {
        SCOPED_TRACE(endWithIde ? "ending with the IDE" : "ending with another application");
        fw::platform::FrontSwitchWatchSeam::Scoped watch { fw::platform::newFrontSwitchWatch() };
        fw::Ref<Window1> palette = openPalette();
        FloaterProcessFix::Install();
        const int total = 300;
        int switches = 0;
        int ticksWhileSwitching = 0;
        QTimer switcher;
        // Each switch is the opposite of the one before and the last is the case's, so a state that
        // stops following shows.
        QObject::connect(&switcher, &QTimer::timeout, [&] {
            const bool ide = ((total - 1 - switches) % 2 == 0) == endWithIde;
            EXPECT_TRUE(bringToFront(fourCC(ide ? "RBv2" : "Fndr")));
            if (++switches == total)
                switcher.stop();
        });
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            if (switches < total)
                ++ticksWhileSwitching;
        });
        switcher.start(0);
        ticker.start(1);
        // The limit only keeps a stuck loop from hanging the run: a sanitizer build on a busy machine
        // takes tens of milliseconds a switch.
        ASSERT_TRUE(processEventsUntil([&] { return switches == total; }, 60s));
        EXPECT_TRUE(processEventsUntil([&] { return palette->widget()->isVisible() == endWithIde; }));
        ASSERT_TRUE(everyFrontNoticeHeard());
        EXPECT_EQ(shown(palette), endWithIde);
        EXPECT_GT(ticksWhileSwitching, 0) << "other events were starved";
        PaletteFixture::reset();
    }
}

TEST_F(Switcher, ASwitchDuringThePressFlashIsHandledInsideTheWait)
{
    folder.write("Hello.rbs", "print 1");
    StandinProcess ide({ "serve" });
    ASSERT_TRUE(ide.waitUntilListening());
    ASSERT_TRUE(bringToFront(fourCC("Fndr")));
    fw::Ref<Window1> palette = openPalette();
    fw::Ref<CustomCellListbox> list = palette->CustomCellListbox1();
    ASSERT_EQ(list->ListCount(), 1);
    FloaterProcessFix::Install();
    ASSERT_FALSE(shown(palette));

    // The send waits with the loop running too: the switch comes once the flash has begun.
    bool waitingAtSwitch = false;
    QTimer toIde;
    QObject::connect(&toIde, &QTimer::timeout, [&] {
        if (!palette->Class21()->Go)
            return;
        toIde.stop();
        waitingAtSwitch = true;
        bringToFront(fourCC("RBv2"));
    });
    toIde.start(1);
    press(list->widget(), 40, 30); // row 0, below the heading
    // Nothing has run the event loop since the press returned: the switch came inside it.
    EXPECT_TRUE(waitingAtSwitch);
    EXPECT_FALSE(palette->Class21()->Go);
    EXPECT_TRUE(shown(palette));
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_TRUE(processEventsUntil([&] { return ide.output() == "print 1"; })) << ide.output();
}

// Whether a shown window takes the focus is the window system's decision; the offscreen platform gives
// it to every window it shows. What the palette controls is what it asks for, checked here.
TEST_F(Switcher, ThePaletteFloatsAboveWithoutAskingForTheFocus)
{
    fw::Ref<Window1> palette = openPalette();
    ASSERT_TRUE(bringToFront(fourCC("RBv2")));
    FloaterProcessFix::Install();
    ASSERT_TRUE(shown(palette));
    QWidget* widget = palette->widget();
    EXPECT_TRUE(widget->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(widget->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(widget->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

} // namespace
