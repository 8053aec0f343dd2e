#include "platform/CarbonEvents.h"

#include "platform/EventDirectory.h"
#include "platform/FileDescriptor.h"

#include <cerrno>
#include <cstring>
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

// Turns replacements of the `front` file into calls of the installed handlers. A notice that arrives
// while handlers run (a handler may spin a nested event loop) is not delivered inside them; it makes
// the running round go once more when it ends. So a burst of switches is coalesced, the last one is
// always delivered, and no handler runs inside itself.
//
// It watches at most two folders: the event directory while it is there and safe, and the nearest
// existing folder above it, so that it hears the directory (or a missing folder on the way to it)
// come, go or change. Every such notice arms the watches anew for what is there now. Nothing is
// polled: between notices the watch costs nothing.
class FrontSwitchWatch {
public:
    static FrontSwitchWatch& instance()
    {
        static FrontSwitchWatch watch;
        return watch;
    }

    bool start();
    void add(const Installation& installation) { m_installations.push_back(installation); }
    int32_t nextReference() { return ++m_lastReference; }
    void reset();
    void setLoop(FrontSwitchDescriptorWatcher watcher);
    int descriptor() const { return m_inotify.get(); }
    void readNotices();

private:
    struct Watch {
        int descriptor;
        bool eventDirectory; // else the nearest folder above that exists
        std::string child; // the name below an ancestor that leads to the event directory
    };

    void arm(bool announce);
    bool watchFolder(const std::string& path, uint32_t mask, bool eventDirectory, const std::string& child,
        std::vector<Watch>& into);
    void dispatch();
    Watch* find(int descriptor);

    FileDescriptor m_inotify;
    FrontSwitchDescriptorWatcher m_loop = nullptr;
    std::vector<Watch> m_watches;
    std::vector<Installation> m_installations;
    int32_t m_lastReference = 0;
    bool m_pending = false;
    bool m_dispatching = false;
};

void FrontSwitchWatch::setLoop(FrontSwitchDescriptorWatcher watcher)
{
    m_loop = watcher;
    if (m_loop && m_inotify.valid())
        m_loop(m_inotify.get());
}

bool FrontSwitchWatch::start()
{
    if (!m_loop)
        return false;
    if (!m_inotify.valid()) {
        m_inotify.reset(inotify_init1(IN_NONBLOCK | IN_CLOEXEC));
        if (!m_inotify.valid())
            return false;
        m_loop(m_inotify.get());
    }
    // A missing directory is made, as it is for every user of it; a refused one is told and left as
    // it is, and the watch waits for it to be mended.
    eventDirectory(true);
    arm(false);
    return true;
}

void FrontSwitchWatch::reset()
{
    m_installations.clear();
    m_watches.clear();
    if (m_inotify.valid()) {
        m_inotify.reset();
        if (m_loop)
            m_loop(-1);
    }
    m_pending = false;
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
    const std::string& child, std::vector<Watch>& into)
{
    int descriptor = inotify_add_watch(m_inotify.get(), path.c_str(), mask);
    if (descriptor < 0)
        return false;
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
        const bool ancestorWatched = watchFolder(ancestor, ancestorNotices, false, nameOf(child), wanted);
        const bool directoryWatched = safe && watchFolder(path, directoryNotices, true, "", wanted);
        // Settled when the folders still stand as they were found.
        for (const Watch& watch : wanted)
            made.push_back(watch.descriptor);
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

HandlerCallGuard handlerCallGuard = nullptr;

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

} // namespace

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
    FrontSwitchWatch& watch = FrontSwitchWatch::instance();
    if (wantsFrontSwitch && !watch.start())
        return eventInternalErr;
    // The handler takes its user data as a 32-bit value, as pointers were when that signature was made.
    auto data = static_cast<int32_t>(reinterpret_cast<intptr_t>(userData));
    int32_t reference = watch.nextReference();
    watch.add({ handler, data, reference, wantsFrontSwitch });
    if (outRef)
        std::memcpy(outRef, &reference, sizeof reference);
    return eventNoErr;
}

void setFrontSwitchLoop(FrontSwitchDescriptorWatcher watcher)
{
    FrontSwitchWatch::instance().setLoop(watcher);
}

int frontSwitchDescriptor()
{
    return FrontSwitchWatch::instance().descriptor();
}

void dispatchFrontSwitchNotices()
{
    FrontSwitchWatch::instance().readNotices();
}

void resetEventHandlersForTesting()
{
    FrontSwitchWatch::instance().reset();
}

} // namespace fw::platform
