#include "framework/qt/FrontSwitchNotifier.h"
#include "platform/CarbonEvents.h"
#include "platform/EventDirectory.h"
#include "platform/FourCharCode.h"
#include "platform/ProcessManager.h"
#include "tests/support/EventLoop.h"
#include "tests/support/StandinProcess.h"
#include "tests/support/TemporaryRuntimeDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <functional>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace fw::platform;
namespace fs = std::filesystem;

namespace {

// What the handlers saw; plain globals, since a handler is a bare function.
int calls = 0;
int otherCalls = 0;
int depth = 0;
int deepest = 0;
int32_t lastUserData = 0;
std::optional<uint32_t> lastFront;
std::function<void()> duringHandler;

std::optional<uint32_t> frontAsTheProgramAsks()
{
    std::array<unsigned char, 8> psn {};
    std::array<unsigned char, 60> info {};
    if (GetFrontProcess(psn.data()) != noErr || GetProcessInformation(psn.data(), info.data()) != noErr)
        return std::nullopt;
    uint32_t creator;
    std::memcpy(&creator, info.data() + 20, 4);
    return creator;
}

int32_t frontSwitched(int32_t, int32_t, int32_t userData)
{
    ++calls;
    deepest = std::max(deepest, ++depth);
    lastUserData = userData;
    lastFront = frontAsTheProgramAsks();
    if (duringHandler)
        duringHandler();
    --depth;
    return 0;
}

int32_t otherEvent(int32_t, int32_t, int32_t)
{
    ++otherCalls;
    return 0;
}

// The event type list as the program builds it: 32-bit pairs in host order, here at an odd address.
struct TypeList {
    explicit TypeList(std::initializer_list<std::pair<uint32_t, uint32_t>> types)
    {
        size_t offset = 1;
        for (auto [eventClass, kind] : types) {
            std::memcpy(bytes.data() + offset, &eventClass, 4);
            std::memcpy(bytes.data() + offset + 4, &kind, 4);
            offset += 8;
        }
        count = static_cast<uint32_t>(types.size());
    }
    const void* data() const { return bytes.data() + 1; }

    std::array<unsigned char, 65> bytes {};
    uint32_t count = 0;
};

const TypeList frontSwitch { { applicationEventClass, frontSwitchedEventKind } };

int32_t install(EventHandlerProcPtr proc, const TypeList& types = frontSwitch, void* userData = nullptr)
{
    return InstallEventHandler(
        GetApplicationEventTarget(), NewEventHandlerUPP(proc), types.count, types.data(), userData, nullptr);
}

// The event loop's side of the watch as the framework gives it, with every later call that the watch
// asks for counted: how many it asked for, for how long each, and how many came.
class CountingLoop {
public:
    CountingLoop()
    {
        asked = fired = 0;
        delays.clear();
        setFrontSwitchLoop(&watch, &callAfter);
    }
    ~CountingLoop()
    {
        delete notifier;
        fw::qt::driveFrontSwitches();
    }
    CountingLoop(const CountingLoop&) = delete;
    CountingLoop& operator=(const CountingLoop&) = delete;

    static inline int asked = 0;
    static inline int fired = 0;
    static inline std::vector<std::chrono::milliseconds> delays;

private:
    static void watch(int fd)
    {
        delete notifier;
        if (fd < 0)
            return;
        notifier = new QSocketNotifier(fd, QSocketNotifier::Read, QCoreApplication::instance());
        QObject::connect(notifier, &QSocketNotifier::activated, [] { dispatchFrontSwitchNotices(); });
    }
    static void callAfter(std::chrono::milliseconds delay, std::function<void()> call)
    {
        ++asked;
        delays.push_back(delay);
        QTimer::singleShot(delay, QCoreApplication::instance(), [call = std::move(call)] {
            ++fired;
            call();
        });
    }

    static inline QPointer<QSocketNotifier> notifier;
};

class CarbonEvents : public testing::Test {
protected:
    void SetUp() override
    {
        calls = otherCalls = depth = deepest = 0;
        lastUserData = 0;
        lastFront.reset();
        duringHandler = nullptr;
    }
    void TearDown() override { duringHandler = nullptr; }

    TemporaryRuntimeDirectory m_runtime;
    // The test's own watch: the handlers it installs go with it.
    FrontSwitchWatchSeam::Scoped m_watch { newFrontSwitchWatch() };
};

TEST_F(CarbonEvents, EachReplacementOfFrontCallsTheHandler)
{
    int marker;
    ASSERT_EQ(install(frontSwitched, frontSwitch, &marker), eventNoErr);
    ASSERT_TRUE(everyFrontNoticeHeard());
    EXPECT_EQ(calls, 0) << "installing is no switch";

    ASSERT_TRUE(bringToFront(fourCC("RBv2")));
    ASSERT_TRUE(processEventsUntil([] { return calls == 1; }));
    EXPECT_EQ(lastFront, fourCC("RBv2"));
    EXPECT_EQ(lastUserData, static_cast<int32_t>(reinterpret_cast<intptr_t>(&marker)));

    ASSERT_TRUE(bringToFront(fourCC("Fndr")));
    ASSERT_TRUE(processEventsUntil([] { return calls == 2; }));
    EXPECT_EQ(lastFront, fourCC("Fndr"));
}

TEST_F(CarbonEvents, AnotherProcessSwitchingIsHeard)
{
    ASSERT_EQ(install(frontSwitched), eventNoErr);
    ASSERT_EQ(runStandin({ "back" }), 0);
    ASSERT_TRUE(processEventsUntil([] { return lastFront == fourCC("Fndr"); }));
    ASSERT_EQ(runStandin({ "front" }), 0);
    ASSERT_TRUE(processEventsUntil([] { return lastFront == fourCC("RBv2"); }));
}

TEST_F(CarbonEvents, AHandlerInstalledTwiceIsCalledTwice)
{
    ASSERT_EQ(install(frontSwitched), eventNoErr);
    ASSERT_EQ(install(frontSwitched), eventNoErr);
    ASSERT_TRUE(bringToFront(fourCC("RBv2")));
    ASSERT_TRUE(processEventsUntil([] { return calls >= 2; }));
    ASSERT_TRUE(everyFrontNoticeHeard());
    EXPECT_EQ(calls, 2);
}

TEST_F(CarbonEvents, OnlyFrontSwitchHandlersAreCalled)
{
    const TypeList others { { applicationEventClass, 8 }, { fourCC("keyb"), frontSwitchedEventKind } };
    ASSERT_EQ(install(otherEvent, others), eventNoErr);
    ASSERT_EQ(install(otherEvent, TypeList {}), eventNoErr);
    // A list that holds the switch among others counts.
    const TypeList mixed { { fourCC("keyb"), 1 }, { applicationEventClass, frontSwitchedEventKind } };
    ASSERT_EQ(install(frontSwitched, mixed), eventNoErr);
    ASSERT_TRUE(bringToFront(fourCC("RBv2")));
    ASSERT_TRUE(processEventsUntil([] { return calls == 1; }));
    ASSERT_TRUE(everyFrontNoticeHeard());
    EXPECT_EQ(otherCalls, 0);
}

TEST_F(CarbonEvents, OtherFilesInTheDirectoryAreNoSwitch)
{
    ASSERT_EQ(install(frontSwitched), eventNoErr);
    ASSERT_TRUE(writeFile(m_runtime.eventDirectory() + "/fronts", "RBv2"));
    ASSERT_TRUE(writeFile(m_runtime.eventDirectory() + "/RBv2.sock", ""));
    ASSERT_TRUE(everyFrontNoticeHeard());
    EXPECT_EQ(calls, 0);
}

TEST_F(CarbonEvents, RapidSwitchesEndInTheLastState)
{
    ASSERT_EQ(install(frontSwitched), eventNoErr);
    for (int i = 0; i < 300; ++i)
        ASSERT_TRUE(bringToFront(fourCC(i % 2 ? "RBv2" : "Fndr")));
    ASSERT_TRUE(bringToFront(fourCC("MACS")));
    ASSERT_TRUE(processEventsUntil([] { return lastFront == fourCC("MACS"); }));
    EXPECT_GE(calls, 1);
    EXPECT_LE(calls, 301);
}

TEST_F(CarbonEvents, HandlersDoNotRunInsideThemselves)
{
    ASSERT_EQ(install(frontSwitched), eventNoErr);
    ASSERT_EQ(install(frontSwitched), eventNoErr);
    // Each handler switches again and spins a nested event loop, as the list's press wait does, until
    // the watch has read that switch: the moment at which it could call the handlers inside themselves.
    int switches = 0;
    duringHandler = [&switches] {
        if (switches < 20)
            bringToFront(fourCC(++switches % 2 ? "RBv2" : "Fndr"));
        EXPECT_TRUE(everyFrontNoticeHeard());
    };
    ASSERT_TRUE(bringToFront(fourCC("Fndr")));
    ASSERT_TRUE(processEventsUntil([&switches] { return switches == 20 && depth == 0; }));
    duringHandler = nullptr;
    ASSERT_TRUE(bringToFront(fourCC("last")));
    ASSERT_TRUE(processEventsUntil([] { return lastFront == fourCC("last"); }));
    EXPECT_EQ(deepest, 1);
}

TEST_F(CarbonEvents, MissingDirectoryIsMadeAtInstall)
{
    struct stat status;
    ASSERT_NE(lstat(m_runtime.eventDirectory().c_str(), &status), 0);
    ASSERT_EQ(install(frontSwitched), eventNoErr);
    ASSERT_EQ(lstat(m_runtime.eventDirectory().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode, S_IFDIR | 0700u);
    ASSERT_TRUE(bringToFront(fourCC("RBv2")));
    EXPECT_TRUE(processEventsUntil([] { return calls == 1; }));
}

// Whatever happens to the event directory and to the folder above it, the next switch written to
// a directory that is there and safe again is followed, without a new install.
TEST_F(CarbonEvents, SwitchesAreHeardThroughEveryFaultOfTheDirectory)
{
    struct Case {
        const char* name;
        void (*fault)(const std::string& directory, const std::string& runtime);
    } cases[] = {
        { "removed", [](const std::string& directory, const std::string&) { fs::remove_all(directory); } },
        { "renamed away",
            [](const std::string& directory, const std::string&) {
                fs::rename(directory, directory + ".old");
            } },
        { "renamed away and another made in its place at once",
            [](const std::string& directory, const std::string&) {
                fs::rename(directory, directory + ".old");
                mkdir(directory.c_str(), 0700);
            } },
        { "runtime directory removed, then made again",
            [](const std::string&, const std::string& runtime) {
                fs::remove_all(runtime);
                EXPECT_TRUE(everyFrontNoticeHeard());
                mkdir(runtime.c_str(), 0700);
            } },
        { "runtime directory renamed away and another made in its place",
            [](const std::string&, const std::string& runtime) {
                fs::rename(runtime, runtime + ".old");
                mkdir(runtime.c_str(), 0700);
            } },
        { "replaced by a symlink, then by a directory",
            [](const std::string& directory, const std::string& runtime) {
                fs::remove_all(directory);
                mkdir((runtime + "/elsewhere").c_str(), 0700);
                symlink((runtime + "/elsewhere").c_str(), directory.c_str());
                EXPECT_TRUE(everyFrontNoticeHeard());
                unlink(directory.c_str());
            } },
        { "opened to others, then mended",
            [](const std::string& directory, const std::string&) {
                chmod(directory.c_str(), 0777);
                EXPECT_TRUE(everyFrontNoticeHeard());
                chmod(directory.c_str(), 0700);
            } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TemporaryRuntimeDirectory runtime;
        FrontSwitchWatchSeam::Scoped watch { newFrontSwitchWatch() };
        calls = 0;
        lastFront.reset();
        ASSERT_EQ(install(frontSwitched), eventNoErr);
        ASSERT_TRUE(bringToFront(fourCC("RBv2")));
        ASSERT_TRUE(processEventsUntil([] { return lastFront == fourCC("RBv2"); }));

        c.fault(runtime.eventDirectory(), runtime.path());
        ASSERT_TRUE(everyFrontNoticeHeard());
        ASSERT_TRUE(bringToFront(fourCC("Fndr")));
        EXPECT_TRUE(processEventsUntil([] { return lastFront == fourCC("Fndr"); }));
        ASSERT_TRUE(bringToFront(fourCC("MACS")));
        EXPECT_TRUE(processEventsUntil([] { return lastFront == fourCC("MACS"); })) << "and after that";

        fs::remove_all(runtime.eventDirectory() + ".old");
        fs::remove_all(runtime.path() + ".old");
    }
}

TEST_F(CarbonEvents, AFrontWrittenBeforeTheDirectoryIsWatchedAgainIsFollowed)
{
    ASSERT_EQ(install(frontSwitched), eventNoErr);
    fs::remove_all(m_runtime.eventDirectory());
    ASSERT_TRUE(everyFrontNoticeHeard());
    // Made and written in one go: the watch comes back after the switch.
    ASSERT_TRUE(bringToFront(fourCC("RBv2")));
    EXPECT_TRUE(processEventsUntil([] { return lastFront == fourCC("RBv2"); }));
}

TEST_F(CarbonEvents, ASettledWatchHearsNothing)
{
    ASSERT_EQ(install(frontSwitched), eventNoErr);
    fs::rename(m_runtime.eventDirectory(), m_runtime.path() + "/old");
    ASSERT_TRUE(everyFrontNoticeHeard());
    ASSERT_TRUE(bringToFront(fourCC("RBv2")));
    ASSERT_TRUE(processEventsUntil([] { return lastFront == fourCC("RBv2"); }));
    // No notice of its own making keeps it awake: what it reads makes no more, so the descriptor falls
    // quiet and no handler is called again.
    const int before = calls;
    EXPECT_TRUE(everyFrontNoticeHeard()) << "the watch keeps waking itself";
    EXPECT_EQ(calls, before);
}

TEST_F(CarbonEvents, ARefusedDirectoryIsToldOnceAndFollowedOnceMended)
{
    ASSERT_EQ(mkdir(m_runtime.eventDirectory().c_str(), 0700), 0);
    ASSERT_EQ(chmod(m_runtime.eventDirectory().c_str(), 0777), 0);
    testing::internal::CaptureStderr();
    EXPECT_EQ(install(frontSwitched), eventNoErr) << "installed, to hear the directory mended";
    for (const char* code : { "RBv2", "Fndr", "RBv2" }) {
        ASSERT_TRUE(writeFile(m_runtime.eventDirectory() + "/front", code));
        ASSERT_TRUE(everyFrontNoticeHeard());
    }
    EXPECT_FALSE(bringToFront(fourCC("Fndr")));
    ASSERT_TRUE(everyFrontNoticeHeard());
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_EQ(calls, 0) << "nothing is read from a refused directory";
    const std::string line = "refusing the event directory " + m_runtime.eventDirectory()
        + ": its group and others can write to it (mode 0777)\n";
    EXPECT_NE(told.find(line), std::string::npos) << told;
    EXPECT_EQ(told.find(line), told.rfind(line)) << "once per refusal: " << told;

    ASSERT_EQ(chmod(m_runtime.eventDirectory().c_str(), 0700), 0);
    EXPECT_TRUE(processEventsUntil([] { return lastFront == fourCC("RBv2"); }))
        << "the front written while it was refused";
    ASSERT_TRUE(bringToFront(fourCC("Fndr")));
    EXPECT_TRUE(processEventsUntil([] { return lastFront == fourCC("Fndr"); }));
}

// Without an inotify instance or watch to be had, the handler is installed all the same, the fault is
// told once, and the watch tries again every second; once it can watch, it delivers the switch made
// meanwhile and follows every one after, with no further try.
TEST_F(CarbonEvents, AWatchThatCannotBeSetUpIsToldOnceAndTriedAgainUntilItFollows)
{
    enum class Fails { Instance, EveryWatch, DirectoryWatch };
    const struct Case {
        const char* name;
        Fails fails;
        int error;
        bool atInstall; // else once a directory made anew is to be watched
    } cases[] = {
        { "no instance at install", Fails::Instance, EMFILE, true },
        { "no watch at install", Fails::EveryWatch, ENOSPC, true },
        { "no watch for the event directory at install", Fails::DirectoryWatch, ENOMEM, true },
        { "no watch for an event directory made anew", Fails::DirectoryWatch, ENOSPC, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TemporaryRuntimeDirectory runtime;
        FrontSwitchWatchSeam::Scoped watch { newFrontSwitchWatch() };
        CountingLoop loop;
        bool failing = c.atInstall;
        InotifyInitSeam::Scoped init([&](int flags) {
            if (failing && c.fails == Fails::Instance) {
                errno = c.error;
                return -1;
            }
            return inotify_init1(flags);
        });
        InotifyAddWatchSeam::Scoped addWatch([&](int fd, const char* path, uint32_t mask) {
            if (failing
                && (c.fails == Fails::EveryWatch
                    || (c.fails == Fails::DirectoryWatch && path == runtime.eventDirectory()))) {
                errno = c.error;
                return -1;
            }
            return inotify_add_watch(fd, path, mask);
        });
        calls = 0;
        lastFront.reset();
        testing::internal::CaptureStderr();
        ASSERT_EQ(install(frontSwitched), eventNoErr);
        if (!c.atInstall) {
            ASSERT_TRUE(bringToFront(fourCC("MACS")));
            ASSERT_TRUE(processEventsUntil([] { return lastFront == fourCC("MACS"); }));
            failing = true;
            fs::remove_all(runtime.eventDirectory());
        }
        ASSERT_TRUE(bringToFront(fourCC("RBv2")));
        // The watch came short, then a try came and failed as well.
        ASSERT_TRUE(processEventsUntil([] { return CountingLoop::fired >= 1; }));
        EXPECT_NE(lastFront, fourCC("RBv2")) << "not followed while it cannot be watched";

        failing = false;
        EXPECT_TRUE(processEventsUntil([] { return lastFront == fourCC("RBv2"); }))
            << "the switch made while it could not be watched";
        ASSERT_TRUE(bringToFront(fourCC("Fndr")));
        EXPECT_TRUE(processEventsUntil([] { return lastFront == fourCC("Fndr"); }));
        EXPECT_EQ(CountingLoop::fired, CountingLoop::asked) << "no try is left once it watches";
        for (std::chrono::milliseconds delay : CountingLoop::delays)
            EXPECT_EQ(delay, std::chrono::seconds(1));

        const std::string what = c.fails == Fails::Instance ? "no inotify instance is to be had"
            : c.fails == Fails::EveryWatch ? "no inotify watch is to be had for " + runtime.path()
                                           : "no inotify watch is to be had for " + runtime.eventDirectory();
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
            std::string(program_invocation_short_name) + ": cannot follow the front application: " + what
                + " (" + std::strerror(c.error) + "); trying again every second\n")
            << "one line, however often it is tried";
    }
}

TEST_F(CarbonEvents, WithoutALoopTheSwitchCannotBeWatched)
{
    setFrontSwitchLoop(nullptr, nullptr);
    EXPECT_EQ(install(frontSwitched), eventInternalErr);
    fw::qt::driveFrontSwitches();
    EXPECT_EQ(install(frontSwitched), eventNoErr);
    ASSERT_TRUE(bringToFront(fourCC("RBv2")));
    EXPECT_TRUE(processEventsUntil([] { return calls == 1; }));
}

TEST_F(CarbonEvents, BadArgumentsAreRefused)
{
    int32_t reference = 0;
    EXPECT_EQ(
        InstallEventHandler(nullptr, frontSwitched, frontSwitch.count, frontSwitch.data(), nullptr, nullptr),
        eventParamErr);
    EXPECT_EQ(InstallEventHandler(GetApplicationEventTarget(), nullptr, frontSwitch.count, frontSwitch.data(),
                  nullptr, nullptr),
        eventParamErr);
    EXPECT_EQ(InstallEventHandler(GetApplicationEventTarget(), frontSwitched, 1, nullptr, nullptr, nullptr),
        eventParamErr);
    EXPECT_EQ(InstallEventHandler(GetApplicationEventTarget(), frontSwitched, frontSwitch.count,
                  frontSwitch.data(), nullptr, &reference),
        eventNoErr);
    EXPECT_NE(reference, 0);
    ASSERT_TRUE(bringToFront(fourCC("RBv2")));
    EXPECT_TRUE(processEventsUntil([] { return calls == 1; })) << "only the good installation counts";
    ASSERT_TRUE(everyFrontNoticeHeard());
    EXPECT_EQ(calls, 1);
}

} // namespace
