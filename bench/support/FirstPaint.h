#pragma once

// Tells when the first paint of a program's window has finished, the same way in the palette and in the
// base it is compared with: at the first paint event, a zero timer is started, which fires once that
// paint, and every widget painted in the same pass, is done.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

#include <functional>
#include <utility>

namespace bench {

class FirstPaint : public QObject {
public:
    // Needs the application object; `painted` runs once.
    explicit FirstPaint(std::function<void()> painted)
        : m_painted(std::move(painted))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, this, [this] { m_painted(); });
        }
        return false;
    }

private:
    std::function<void()> m_painted;
    bool m_seen = false;
};

} // namespace bench
