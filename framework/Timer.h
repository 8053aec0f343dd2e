#pragma once

#include "framework/Event.h"
#include "framework/Object.h"

#include <memory>
#include <vector>

namespace fw {

namespace qt {
class TimerClock;
} // namespace qt

// Told after each Action of a timer it listens to.
class ActionNotificationReceiver {
public:
    virtual ~ActionNotificationReceiver() = default;
    virtual void PerformAction() = 0;
};

// The interface of an object that others can listen to for its actions; a timer implements it.
struct actionSource {
    static const ClassRecord& __Lookup();
};

// A timer on the event loop. Mode 0 is off, 1 a single tick Period milliseconds after the mode is set
// (a setting while that tick is still to come leaves it where it is: see setMode), 2 a tick every Period
// milliseconds. Action is raised from the event loop, and so also from inside
// DoEvents.
class Timer : public Object {
public:
    static const ClassRecord& __Lookup();
    const ClassRecord& classRecord() const override { return __Lookup(); }

    Timer();
    ~Timer() override;

    int32_t Mode() const { return m_mode; }
    // Setting Mode 1 or 2 starts the period anew, except Mode 1 on a timer whose single tick is still
    // to come: that tick stays where it is, Period milliseconds after the first setting, so that
    // settings that keep coming cannot put it off for ever. After a single tick Mode reads 0.
    void setMode(int32_t mode);
    int32_t Period() const { return m_period; }
    void setPeriod(int32_t milliseconds);

    virtual void Reset();
    virtual void addActionNotificationReceiver(ActionNotificationReceiver* receiver);
    virtual void removeActionNotificationReceiver(ActionNotificationReceiver* receiver);
    virtual void _CallAction();

    virtual void Event_Action() { Action(); }
    Event<void()> Action;

private:
    void arm();
    void fired();

    std::unique_ptr<qt::TimerClock> m_timer;
    std::vector<ActionNotificationReceiver*> m_receivers; // not owned
    // A timer made in code is off until it is armed.
    int32_t m_mode = 0;
    int32_t m_period = 1000;
};

} // namespace fw
