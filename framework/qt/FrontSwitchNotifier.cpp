#include "framework/qt/FrontSwitchNotifier.h"

#include "platform/CarbonEvents.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>

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

} // namespace

void driveFrontSwitches()
{
    platform::setFrontSwitchLoop(&watchDescriptor);
}

} // namespace fw::qt
