#pragma once

#include "platform/FourCharCode.h"

#include <cstdint>
#include <functional>

namespace fw::platform {

// Application events, and the one kind we deliver: another application has come to the front.
inline constexpr uint32_t applicationEventClass = fourCC("appl");
inline constexpr uint32_t frontSwitchedEventKind = 7;

inline constexpr int32_t eventNoErr = 0;
inline constexpr int32_t eventParamErr = -50;
inline constexpr int32_t eventInternalErr = -9868;

using EventTargetRef = struct OpaqueEventTarget*;
using EventHandlerProcPtr = int32_t (*)(int32_t callRef, int32_t event, int32_t userData);
using EventHandlerUPP = EventHandlerProcPtr;

EventTargetRef GetApplicationEventTarget();

// The wrapper is the procedure itself: we call handlers directly, with no glue in between.
EventHandlerUPP NewEventHandlerUPP(EventHandlerProcPtr proc);

// Installs `handler` on the application target for the `numTypes` event types at `typeList`, pairs of
// 32-bit class and kind in host byte order. For the front switch ('appl', 7) the handler is called
// from the event loop each time the event directory's `front` file is replaced; installing it again
// means it is called once more per switch. `userData` reaches the handler as its 32-bit value. When
// `outRef` is not nil, a 32-bit reference to the installation is stored there. Gives eventNoErr,
// eventParamErr for a wrong target, a nil handler or a nil list, and eventInternalErr when the switch
// cannot be watched (no event loop drives the watch, or the system gives no watch); such a handler
// is not installed.
//
// The watch follows the event directory through whatever happens to it and to its parent: removed,
// renamed away, made anew, refused and later mended. A directory that comes back is watched again, and
// the handlers are called once, so that they look at a `front` written before the watch was back.
int32_t InstallEventHandler(EventTargetRef target, EventHandlerUPP handler, uint32_t numTypes,
    const void* typeList, void* userData, void* outRef);

// The event loop's side of the watch. The watch is one descriptor that turns readable when notices
// wait; the loop then calls dispatchFrontSwitchNotices(), which reads them and calls the handlers of
// the switches among them. The loop is told the descriptor through `watcher` when it is made and when
// it goes (-1); until a loop is set, the switch cannot be watched.
using FrontSwitchDescriptorWatcher = void (*)(int fd);
void setFrontSwitchLoop(FrontSwitchDescriptorWatcher watcher);
int frontSwitchDescriptor();
void dispatchFrontSwitchNotices();

// How the platform calls a handler. The framework gives its own guard, so that an exception that
// escapes a handler reaches the framework's handling of exceptions instead of unwinding through Qt's
// event loop; with none given, handlers are called directly.
using HandlerCallGuard = void (*)(const std::function<void()>& call);
void setHandlerCallGuard(HandlerCallGuard guard);

// Removes every installation and stops watching, so that a test starts from nothing.
void resetEventHandlersForTesting();

} // namespace fw::platform
