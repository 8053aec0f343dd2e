#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>

// A timer that lives only as long as the test, so that nothing it schedules reaches a later test.
inline std::unique_ptr<QTimer> after(std::chrono::milliseconds time, std::function<void()> action)
{
    auto timer = std::make_unique<QTimer>();
    timer->setSingleShot(true);
    QObject::connect(timer.get(), &QTimer::timeout, std::move(action));
    timer->start(time);
    return timer;
}

inline std::unique_ptr<QTimer> after(int milliseconds, std::function<void()> action)
{
    return after(std::chrono::milliseconds(milliseconds), std::move(action));
}
