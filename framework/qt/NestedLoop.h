#pragma once

#include <QEventLoop>

namespace fw::qt {

// A level of the framework's event loops that run inside a handler (DoEvents, a send's wait), counted
// while it runs. A turn of such a loop hands on all the input that is queued, so while clicks come
// faster than the program takes them, no level gets to return and each click nests another, some
// 4 KB of stack deeper, until the stack runs out. Past maxDepth levels a loop leaves the user's
// input queued, in order, until a level not so deep takes it: nothing is lost, and timers,
// repaints and the sends' answers go on. A quit is input too (Ctrl+Q, the close button's message), so
// during such a burst it waits its turn behind the clicks queued before it.
class NestedLoop {
public:
    // 32 levels of some 4 KB (about twice that under AddressSanitizer) hold about 130 KB of stack,
    // far from the 8 MiB that a Debian 12 system gives the main thread by default. Clicks at the pace
    // of a hand never nest so deep: the press flashes of a burst end at one tick.
    static constexpr int maxDepth = 32;

    NestedLoop()
        : m_depth(++s_depth)
    {
    }
    ~NestedLoop() { --s_depth; }
    NestedLoop(const NestedLoop&) = delete;
    NestedLoop& operator=(const NestedLoop&) = delete;

    // What a turn at this level handles: every event, or past maxDepth all but the user's input.
    QEventLoop::ProcessEventsFlags events() const
    {
        return m_depth > maxDepth ? QEventLoop::ExcludeUserInputEvents : QEventLoop::AllEvents;
    }

private:
    int m_depth;
    static inline int s_depth = 0;
};

} // namespace fw::qt
