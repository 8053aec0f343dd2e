#pragma once

#include <QTimer>

namespace fw::qt {

// The Qt timer under a framework Timer.
class TimerClock : public QTimer {
public:
    using QTimer::QTimer;
};

} // namespace fw::qt
