#include "framework/Timer.h"

#include "framework/qt/Entry.h"
#include "framework/qt/TimerClock.h"

#include <algorithm>

namespace fw {

const ClassRecord& actionSource::__Lookup()
{
    static const ClassRecord& record = ClassRecord::define("actionSource", nullptr, {}, [](ClassRecord& r) {
        r.methods = { { "addActionNotificationReceiver", "%%o<actionNotificationReceiver>" },
            { "removeActionNotificationReceiver", "%%o<actionNotificationReceiver>" } };
    });
    return record;
}

const ClassRecord& Timer::__Lookup()
{
    static const ClassRecord& record = ClassRecord::define(
        "Timer", &Object::__Lookup(), { &actionSource::__Lookup() }, [](ClassRecord& r) {
            r.properties.push_back(accessor("Mode", &Timer::Mode, &Timer::setMode));
            r.properties.push_back(accessor("Period", &Timer::Period, &Timer::setPeriod));
            r.methods
                = { { "Reset", "%%" }, { "addActionNotificationReceiver", "%%o<actionNotificationReceiver>" },
                      { "removeActionNotificationReceiver", "%%o<actionNotificationReceiver>" },
                      { "_CallAction", "%%" } };
            r.declaredEvents = { "Action" };
            r.bindableEvents.push_back(bindable("Action", "(  )", &Timer::Action));
        });
    return record;
}

Timer::Timer()
    : m_timer(std::make_unique<qt::TimerClock>())
{
    m_timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(m_timer.get(), &QTimer::timeout, [this] { fired(); });
    arm();
}

Timer::~Timer() = default;

void Timer::setMode(int32_t mode)
{
    // Settings that come faster than the period would otherwise put the tick off for as long as they
    // came, and a wait for it that nests with each of them (a press flash's) would nest without end.
    if (mode == 1 && m_mode == 1 && m_timer->isActive())
        return;
    m_mode = mode;
    arm();
}

void Timer::setPeriod(int32_t milliseconds)
{
    m_period = milliseconds;
    if (m_timer->isActive())
        arm();
}

void Timer::arm()
{
    if (m_mode != 1 && m_mode != 2) {
        m_timer->stop();
        return;
    }
    m_timer->setSingleShot(m_mode == 1);
    m_timer->start(std::max(0, m_period));
}

void Timer::fired()
{
    if (m_mode == 1)
        m_mode = 0; // the single shot is spent
    qt::enter(*this, [this] { _CallAction(); });
}

void Timer::Reset()
{
    if (m_timer->isActive())
        arm();
}

void Timer::addActionNotificationReceiver(ActionNotificationReceiver* receiver)
{
    if (receiver && std::find(m_receivers.begin(), m_receivers.end(), receiver) == m_receivers.end())
        m_receivers.push_back(receiver);
}

void Timer::removeActionNotificationReceiver(ActionNotificationReceiver* receiver)
{
    m_receivers.erase(std::remove(m_receivers.begin(), m_receivers.end(), receiver), m_receivers.end());
}

void Timer::_CallAction()
{
    Event_Action();
    const auto receivers = m_receivers;
    for (ActionNotificationReceiver* receiver : receivers)
        receiver->PerformAction();
}

} // namespace fw
