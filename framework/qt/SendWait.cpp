#include "framework/qt/SendWait.h"

#include "framework/Application.h"
#include "platform/AppleEventTransport.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <chrono>
#include <memory>
#include <poll.h>

namespace fw::qt {

bool waitForSend(platform::AppleEventSend& send)
{
    if (send.finished())
        return send.sent();
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
    while (!send.finished()) {
        if (Runtime::quitRequested())
            return false;
        // Every wake-up here is an event: the send's own, or one for the rest of the program.
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        Runtime::rethrowPending();
    }
    return send.sent();
}

} // namespace fw::qt
