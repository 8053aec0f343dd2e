#pragma once

namespace fw::platform {
class AppleEventSend;
}

namespace fw::qt {

// Waits for the send to finish while the event loop runs, as the press flash's DoEvents does: windows
// repaint, timers tick, front switches are followed, and clicks run their handlers, which may send
// in turn, inside this wait (the user's input only while the wait is not nested too deep: see
// NestedLoop). A notifier on the send's descriptor and a timer at its next try drive it, from
// whichever loop runs, so a send whose answer comes while a later one waits is done at once.
//
// True only when the event was sent. When the program is asked to quit during the wait, the wait
// ends at once and gives false: what became of the event is not known, and it is not reported as
// sent. An exception that escaped a handler inside the wait is raised here, as DoEvents raises it.
bool waitForSend(platform::AppleEventSend& send);

// The sends whose waits have begun and whose answers have not come yet. One that is answered no
// longer counts, though the handlers that run inside its wait may keep it from returning a while.
int sendsWaiting();

} // namespace fw::qt
