#include "platform/CarbonEvents.h"

#include "platform/EventDirectory.h"
#include "platform/FaultReport.h"
#include "platform/FileDescriptor.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <string_view>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fw::platform {

namespace {

struct Installation {
    EventHandlerUPP handler;
    int32_t userData;
    int32_t reference;
    bool wantsFrontSwitch;
};

// What the watch listens to in the event directory: a rename over `front` is the switch, a plain
// rewrite of it counts as well; the directory's own change of mode, removal or rename makes the watch
// look again.
constexpr uint32_t directoryNotices
    = IN_MOVED_TO | IN_CLOSE_WRITE | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR | IN_DONT_FOLLOW;
// What it listens to in the nearest folder above that exists: the coming, going and change of mode
// of the next folder on the way down, and of the folder itself.
constexpr uint32_t ancestorNotices = IN_CREATE | IN_MOVED_TO | IN_MOVED_FROM | IN_DELETE | IN_ATTRIB
    | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

std::string parentOf(const std::string& path)
{
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path)
{
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool isDirectory(const std::string& path)
{
    struct stat status;
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

int inotifyInit(int flags)
{
    if (std::optional<std::function<int(int)>> replacement = InotifyInitSeam::replacement())
        return (*replacement)(flags);
    return inotify_init1(flags);
}

int inotifyAddWatch(int fd, const char* path, uint32_t mask)
{
    if (std::optional<std::function<int(int, const char*, uint32_t)>> replacement
        = InotifyAddWatchSeam::replacement())
        return (*replacement)(fd, path, mask);
    return inotify_add_watch(fd, path, mask);
}

// The loop that drives the watch, and the descriptor it watches for us now.
struct Loop {
    FrontSwitchDescriptorWatcher watcher = nullptr;
    FrontSwitchCallAfter callAfter = nullptr;
    int driven = -1;
};
Loop loop;

void drive(int fd)
{
    loop.driven = fd;
    if (loop.watcher)
        loop.watcher(fd);
}

// A watch that cannot be set up tries again this often: nothing tells when the system has an
// instance or a watch to give again.
constexpr std::chrono::seconds retryDelay { 1 };

HandlerCallGuard handlerCallGuard = nullptr;

} // namespace

// Turns replacements of the `front` file into calls of the installed handlers. A notice that arrives
// while handlers run (a handler may spin a nested event loop) is not delivered inside them; it makes
// the running round go once more when it ends. So a burst of switches is coalesced, the last one is
// always delivered, and no handler runs inside itself.
//
// It watches at most two folders: the event directory while it is there and safe, and the nearest
// existing folder above it, so that it hears the directory (or a missing folder on the way to it)
// come, go or change. Every such notice arms the watches anew for what is there now. Nothing is
// polled: between notices the watch costs nothing. Only while the system gives no instance or no
// watch does it try again, once a second.
class FrontSwitchWatch : public std::enable_shared_from_this<FrontSwitchWatch> {
public:
    FrontSwitchWatch() = default;
    ~FrontSwitchWatch();
    FrontSwitchWatch(const FrontSwitchWatch&) = delete;
    FrontSwitchWatch& operator=(const FrontSwitchWatch&) = delete;

    bool start();
    void add(const Installation& installation) { m_installations.push_back(installation); }
    int32_t nextReference() { return ++m_lastReference; }
    int descriptor() const { return m_inotify.get(); }
    void readNotices();

private:
    struct Watch {
        int descriptor;
        bool eventDirectory; // else the nearest folder above that exists
        std::string child; // the name below an ancestor that leads to the event directory
    };

    bool open();
    void arm(bool announce);
    bool watchFolder(const std::string& path, uint32_t mask, bool eventDirectory, const std::string& child,
        std::vector<Watch>& into, std::string& shortage);
    void cannotFollow(const std::string& why);
    void retry();
    void dispatch();
    Watch* find(int descriptor);

    FileDescriptor m_inotify;
    std::vector<Watch> m_watches;
    std::vector<Installation> m_installations;
    int32_t m_lastReference = 0;
    bool m_pending = false;
    bool m_dispatching = false;
    // The system gave no instance or no watch: the watch is incomplete until a try succeeds.
    bool m_short = false;
    bool m_retryAsked = false;
    FaultReport m_fault;
};

FrontSwitchWatch::~FrontSwitchWatch()
{
    if (m_inotify.valid() && loop.driven == m_inotify.get())
        drive(-1);
}

bool FrontSwitchWatch::start()
{
    if (!loop.watcher || !loop.callAfter)
        return false;
    // A missing directory is made, as it is for every user of it; a refused one is told and left as
    // it is, and the watch waits for it to be mended.
    eventDirectory(true);
    if (open())
        arm(false);
    return true;
}

bool FrontSwitchWatch::open()
{
    if (m_inotify.valid())
        return true;
    const int fd = inotifyInit(IN_NONBLOCK | IN_CLOEXEC);
    if (fd < 0) {
        cannotFollow(std::string("no inotify instance is to be had (") + std::strerror(errno) + ")");
        return false;
    }
    m_inotify.reset(fd);
    drive(fd);
    return true;
}

void FrontSwitchWatch::cannotFollow(const std::string& why)
{
    m_short = true;
    m_fault.tell("cannot follow the front application", why + "; trying again every second");
    if (m_retryAsked || !loop.callAfter)
        return;
    m_retryAsked = true;
    // A try that comes after the watch has gone finds nothing to do.
    loop.callAfter(retryDelay, [watch = weak_from_this()] {
        if (std::shared_ptr<FrontSwitchWatch> alive = watch.lock())
            alive->retry();
    });
}

void FrontSwitchWatch::retry()
{
    m_retryAsked = false;
    if (!m_short || !open())
        return; // complete again since it was asked for, or asked for once more
    arm(false);
    if (m_short)
        return;
    // Switches may have come while nothing watched them.
    m_pending = true;
    dispatch();
}

FrontSwitchWatch::Watch* FrontSwitchWatch::find(int descriptor)
{
    for (Watch& watch : m_watches) {
        if (watch.descriptor == descriptor)
            return &watch;
    }
    return nullptr;
}

bool FrontSwitchWatch::watchFolder(const std::string& path, uint32_t mask, bool eventDirectory,
    const std::string& child, std::vector<Watch>& into, std::string& shortage)
{
    int descriptor = inotifyAddWatch(m_inotify.get(), path.c_str(), mask);
    if (descriptor < 0) {
        // No state of the folders explains these; only a later try can get the watch.
        if ((errno == ENOSPC || errno == ENOMEM) && shortage.empty())
            shortage = "no inotify watch is to be had for " + path + " (" + std::strerror(errno) + ")";
        return false;
    }
    into.push_back({ descriptor, eventDirectory, child });
    return true;
}

void FrontSwitchWatch::arm(bool announce)
{
    if (!m_inotify.valid())
        return;
    const Watch* before = nullptr;
    for (const Watch& watch : m_watches) {
        if (watch.eventDirectory)
            before = &watch;
    }
    const int directoryBefore = before ? before->descriptor : -1;
    std::vector<Watch> wanted;
    std::vector<int> made;
    std::string shortage;
    // What is there can change while the watches are made; a few rounds settle it.
    for (int round = 0; round < 8; ++round) {
        wanted.clear();
        const std::string path = eventDirectoryPath();
        // Found safe, missing or refused; a refusal is told once, and a refused directory is not watched,
        // so that nothing is read from it.
        const bool safe = eventDirectory(false).has_value();
        std::string child = path;
        std::string ancestor = parentOf(path);
        while (ancestor != "/" && ancestor != "." && !isDirectory(ancestor)) {
            child = ancestor;
            ancestor = parentOf(ancestor);
        }
        const bool ancestorWatched
            = watchFolder(ancestor, ancestorNotices, false, nameOf(child), wanted, shortage);
        const bool directoryWatched = safe && watchFolder(path, directoryNotices, true, "", wanted, shortage);
        for (const Watch& watch : wanted)
            made.push_back(watch.descriptor);
        // Settled when the folders still stand as they were found; looking again settles no shortage.
        if (!shortage.empty())
            break;
        if (ancestorWatched && safe == directoryWatched && eventDirectory(false).has_value() == safe
            && (ancestor == "/" || ancestor == "." || isDirectory(ancestor)))
            break;
    }
    // Watches that are no longer wanted go; the kernel hands out the same descriptor for a folder
    // watched again, so the wanted ones are kept as they are.
    for (const Watch& watch : m_watches)
        made.push_back(watch.descriptor);
    for (int descriptor : made) {
        bool kept = false;
        for (const Watch& next : wanted)
            kept = kept || next.descriptor == descriptor;
        if (!kept)
            inotify_rm_watch(m_inotify.get(), descriptor);
    }
    m_watches = std::move(wanted);
    int directoryNow = -1;
    for (const Watch& watch : m_watches) {
        if (watch.eventDirectory)
            directoryNow = watch.descriptor;
    }
    // A directory that is watched anew may have got its `front` before the watch was there.
    if (announce && directoryNow >= 0 && directoryNow != directoryBefore)
        m_pending = true;
    if (!shortage.empty()) {
        cannotFollow(shortage);
        return;
    }
    m_short = false;
    m_fault.gone();
}

void FrontSwitchWatch::readNotices()
{
    if (!m_inotify.valid())
        return;
    bool rearm = false;
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        ssize_t got = ::read(m_inotify.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        for (ssize_t offset = 0; offset < got;) {
            inotify_event event;
            std::memcpy(&event, buffer + offset, sizeof event);
            std::string_view name(buffer + offset + sizeof event, event.len);
            name = name.substr(0, name.find('\0'));
            offset += static_cast<ssize_t>(sizeof event + event.len);
            if (event.mask & IN_Q_OVERFLOW) {
                // Lost notices may have held a switch, or a change of the folders.
                m_pending = true;
                rearm = true;
                continue;
            }
            Watch* watch = find(event.wd);
            if (!watch)
                continue; // a watch that was taken away already
            if (event.mask & IN_IGNORED) {
                // Its folder went: the watch is gone with it.
                m_watches.erase(m_watches.begin() + (watch - m_watches.data()));
                rearm = true;
            } else if (name.empty()) {
                rearm = true;
            } else if (watch->eventDirectory) {
                if (name == "front" && (event.mask & (IN_MOVED_TO | IN_CLOSE_WRITE)))
                    m_pending = true;
            } else if (name == watch->child) {
                rearm = true;
            }
        }
    }
    if (rearm && !m_installations.empty())
        arm(true);
    dispatch();
}

void FrontSwitchWatch::dispatch()
{
    if (m_dispatching)
        return;
    m_dispatching = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done { m_dispatching };
    while (m_pending) {
        m_pending = false;
        // A handler may install another; that one hears the next switch.
        std::vector<Installation> installations = m_installations;
        for (const Installation& installation : installations) {
            // No event object stands behind the call reference and the event; handlers get 0 for both.
            if (!installation.wantsFrontSwitch)
                continue;
            const auto call = [&installation] { installation.handler(0, 0, installation.userData); };
            if (handlerCallGuard)
                handlerCallGuard(call);
            else
                call();
        }
    }
}

std::shared_ptr<FrontSwitchWatch> newFrontSwitchWatch()
{
    return std::make_shared<FrontSwitchWatch>();
}

// The watch in use: a test's, or else the program's.
static std::shared_ptr<FrontSwitchWatch> currentWatch()
{
    if (std::optional<std::shared_ptr<FrontSwitchWatch>> replacement = FrontSwitchWatchSeam::replacement())
        return *replacement;
    // Never destroyed: at the process's end it would tell a loop that is gone already.
    static const auto* const programWatch = new std::shared_ptr<FrontSwitchWatch>(newFrontSwitchWatch());
    return *programWatch;
}

void setHandlerCallGuard(HandlerCallGuard guard)
{
    handlerCallGuard = guard;
}

struct OpaqueEventTarget { };
static OpaqueEventTarget applicationTarget;

EventTargetRef GetApplicationEventTarget()
{
    return &applicationTarget;
}

EventHandlerUPP NewEventHandlerUPP(EventHandlerProcPtr proc)
{
    return proc;
}

int32_t InstallEventHandler(EventTargetRef target, EventHandlerUPP handler, uint32_t numTypes,
    const void* typeList, void* userData, void* outRef)
{
    if (target != GetApplicationEventTarget() || !handler || (numTypes > 0 && !typeList))
        return eventParamErr;
    bool wantsFrontSwitch = false;
    for (uint32_t i = 0; i < numTypes; ++i) {
        uint32_t eventClass;
        uint32_t eventKind;
        std::memcpy(&eventClass, static_cast<const char*>(typeList) + 8 * i, 4);
        std::memcpy(&eventKind, static_cast<const char*>(typeList) + 8 * i + 4, 4);
        wantsFrontSwitch = wantsFrontSwitch
            || (eventClass == applicationEventClass && eventKind == frontSwitchedEventKind);
    }
    std::shared_ptr<FrontSwitchWatch> watch = currentWatch();
    if (wantsFrontSwitch && !watch->start())
        return eventInternalErr;
    // The handler takes its user data as a 32-bit value, as pointers were when that signature was made.
    auto data = static_cast<int32_t>(reinterpret_cast<intptr_t>(userData));
    int32_t reference = watch->nextReference();
    watch->add({ handler, data, reference, wantsFrontSwitch });
    if (outRef)
        std::memcpy(outRef, &reference, sizeof reference);
    return eventNoErr;
}

void setFrontSwitchLoop(FrontSwitchDescriptorWatcher watcher, FrontSwitchCallAfter callAfter)
{
    loop.watcher = watcher;
    loop.callAfter = callAfter;
    loop.driven = -1;
    if (int fd = frontSwitchDescriptor(); fd >= 0)
        drive(fd);
}

int frontSwitchDescriptor()
{
    return currentWatch()->descriptor();
}

void dispatchFrontSwitchNotices()
{
    currentWatch()->readNotices();
}

} // namespace fw::platform
