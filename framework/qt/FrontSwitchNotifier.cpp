#include "framework/qt/FrontSwitchNotifier.h"

#include "platform/CarbonEvents.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>

namespace fw::qt {

namespace {

// Owned by the application object, so that it goes with it.
QPointer<QSocketNotifier> notifier;

void watchDescriptor(int fd)
{
    delete notifier;
    if (fd < 0 || !QCoreApplication::instance())
        return;
    notifier = new QSocketNotifier(fd, QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, [] { platform::dispatchFrontSwitchNotices(); });
}

// A try of a watch that could not be set up; it goes with the application object, as the notifier does.
void callAfter(std::chrono::milliseconds delay, std::function<void()> call)
{
    if (QCoreApplication* application = QCoreApplication::instance())
        QTimer::singleShot(delay, application, std::move(call));
}

} // namespace

void driveFrontSwitches()
{
    platform::setFrontSwitchLoop(&watchDescriptor, &callAfter);
}

} // namespace fw::qt
