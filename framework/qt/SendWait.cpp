#include "framework/qt/SendWait.h"

#include "framework/Application.h"
#include "framework/qt/NestedLoop.h"
#include "platform/AppleEventTransport.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <chrono>
#include <memory>
#include <poll.h>

namespace fw::qt {

namespace {

int unanswered = 0;

// Counts one send among the unanswered from the start of its wait until it finishes, or until the
// wait ends without it (a quit, an exception from a handler).
class Unanswered {
public:
    Unanswered() { ++unanswered; }
    ~Unanswered() { answered(); }
    Unanswered(const Unanswered&) = delete;
    Unanswered& operator=(const Unanswered&) = delete;

    void answered()
    {
        if (m_counted)
            --unanswered;
        m_counted = false;
    }

private:
    bool m_counted = true;
};

} // namespace

int sendsWaiting()
{
    return unanswered;
}

bool waitForSend(platform::AppleEventSend& send)
{
    if (send.finished())
        return send.sent();
    Unanswered counted;
    QSocketNotifier reader(send.descriptor(), QSocketNotifier::Read);
    QSocketNotifier writer(send.descriptor(), QSocketNotifier::Write);
    QTimer nextTry;
    nextTry.setSingleShot(true);
    nextTry.setTimerType(Qt::PreciseTimer);
    const auto follow = [&] {
        const bool waiting = !send.finished();
        reader.setEnabled(waiting && (send.events() & POLLIN));
        writer.setEnabled(waiting && (send.events() & POLLOUT));
        if (!waiting) {
            nextTry.stop();
            counted.answered();
            return;
        }
        // Rounded up, so that the step at the deadline comes at it or after it, never before.
        auto left
            = std::chrono::ceil<std::chrono::milliseconds>(send.nextTry() - std::chrono::steady_clock::now());
        nextTry.start(std::max<std::chrono::milliseconds::rep>(0, left.count()));
    };
    const auto step = [&] {
        send.step();
        follow();
    };
    QObject::connect(&reader, &QSocketNotifier::activated, step);
    QObject::connect(&writer, &QSocketNotifier::activated, step);
    QObject::connect(&nextTry, &QTimer::timeout, step);
    follow();
    const NestedLoop level;
    while (!send.finished()) {
        if (Runtime::quitRequested())
            return false;
        // Every wake-up here is an event: the send's own, or one for the rest of the program.
        QCoreApplication::processEvents(level.events() | QEventLoop::WaitForMoreEvents);
        Runtime::rethrowPending();
    }
    return send.sent();
}

} // namespace fw::qt
