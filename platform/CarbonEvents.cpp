#include "platform/CarbonEvents.h"

#include "platform/EventDirectory.h"
#include "platform/EventSocket.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <string_view>
#include <sys/inotify.h>
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

// Turns replacements of the `front` file into calls of the installed handlers. A notice that arrives
// while handlers run (a handler may spin a nested event loop) is not delivered inside them; it makes
// the running round go once more when it ends. So a burst of switches is coalesced, the last one is
// always delivered, and no handler runs inside itself.
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

private:
    void readNotices();
    void dispatch();

    FileDescriptor m_inotify;
    int m_watch = -1;
    QPointer<QSocketNotifier> m_notifier; // owned by the application object, so it goes with it
    std::vector<Installation> m_installations;
    int32_t m_lastReference = 0;
    bool m_pending = false;
    bool m_dispatching = false;
};

bool FrontSwitchWatch::start()
{
    if (!QCoreApplication::instance())
        return false;
    std::optional<std::string> directory = eventDirectory(true);
    if (!directory)
        return false;
    if (!m_notifier) {
        // A new application object after the old one's end: start over.
        m_watch = -1;
        m_inotify.reset(inotify_init1(IN_NONBLOCK | IN_CLOEXEC));
        if (!m_inotify.valid())
            return false;
        m_notifier
            = new QSocketNotifier(m_inotify.get(), QSocketNotifier::Read, QCoreApplication::instance());
        QObject::connect(m_notifier, &QSocketNotifier::activated, [this] { readNotices(); });
    }
    if (m_watch < 0) {
        // A rename over `front` is the switch; a plain rewrite of it counts as well.
        m_watch = inotify_add_watch(
            m_inotify.get(), directory->c_str(), IN_MOVED_TO | IN_CLOSE_WRITE | IN_ONLYDIR | IN_DONT_FOLLOW);
    }
    return m_watch >= 0;
}

void FrontSwitchWatch::reset()
{
    m_installations.clear();
    delete m_notifier;
    m_inotify.reset();
    m_watch = -1;
    m_pending = false;
}

void FrontSwitchWatch::readNotices()
{
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
            // Lost notices may have held a switch.
            if ((event.mask & IN_Q_OVERFLOW) || name == "front")
                m_pending = true;
            if (event.mask & IN_IGNORED)
                m_watch = -1;
            offset += static_cast<ssize_t>(sizeof event + event.len);
        }
    }
    // The directory went (a cleaner of temporary folders, say): make it again and watch it anew, so
    // that later switches are still heard; the handlers look at the front once more.
    if (m_watch < 0 && !m_installations.empty() && start())
        m_pending = true;
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

void resetEventHandlersForTesting()
{
    FrontSwitchWatch::instance().reset();
}

} // namespace fw::platform
