#pragma once

#include "platform/FourCharCode.h"
#include "platform/Seam.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

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
// eventParamErr for a wrong target, a nil handler or a nil list, and eventInternalErr when no event
// loop drives the watch of the switch; such a handler is not installed.
//
// The watch follows the event directory through whatever happens to it and to its parent: removed,
// renamed away, made anew, refused and later mended. A directory that comes back is watched again, and
// the handlers are called once, so that they look at a `front` written before the watch was back.
//
// When the system has no inotify instance or watch to give, the handler is installed all the same:
// the fault is told once on standard error, the watch tries again every second, asking the loop for
// each try, and once it has what it needs it calls the handlers once and follows every switch from
// then on. Nothing is tried again, and no timer runs, while the watch works.
int32_t InstallEventHandler(EventTargetRef target, EventHandlerUPP handler, uint32_t numTypes,
    const void* typeList, void* userData, void* outRef);

// The event loop's side of the watch. The watch is one descriptor that turns readable when notices
// wait; the loop then calls dispatchFrontSwitchNotices(), which reads them and calls the handlers of
// the switches among them. The loop is told the descriptor through `watcher` when it is made and when
// it goes (-1), and is asked through `callAfter` for one call of `call` after `delay`, from the loop,
// when the watch is to try again. Until a loop is set, the switch cannot be watched.
using FrontSwitchDescriptorWatcher = void (*)(int fd);
using FrontSwitchCallAfter = void (*)(std::chrono::milliseconds delay, std::function<void()> call);
void setFrontSwitchLoop(FrontSwitchDescriptorWatcher watcher, FrontSwitchCallAfter callAfter);
int frontSwitchDescriptor();
void dispatchFrontSwitchNotices();

// How the platform calls a handler. The framework gives its own guard, so that an exception that
// escapes a handler reaches the framework's handling of exceptions instead of unwinding through Qt's
// event loop; with none given, handlers are called directly.
using HandlerCallGuard = void (*)(const std::function<void()>& call);
void setHandlerCallGuard(HandlerCallGuard guard);

// The watch of the front switch with all it holds: the installed handlers, its inotify descriptor and
// its watches. The program has one that lives as long as the process; a test puts a fresh one in
// place for its scope, and when the last reference to it goes it takes all of that with it and tells
// the loop's watcher -1. One watch drives the loop at a time: the one that made its descriptor last.
class FrontSwitchWatch;
struct FrontSwitchWatchSeam : Seam<FrontSwitchWatchSeam, std::shared_ptr<FrontSwitchWatch>> { };
std::shared_ptr<FrontSwitchWatch> newFrontSwitchWatch();

// What the watch is made of, as the system gives it: inotify_init1 and inotify_add_watch.
struct InotifyInitSeam : Seam<InotifyInitSeam, std::function<int(int flags)>> { };
struct InotifyAddWatchSeam
    : Seam<InotifyAddWatchSeam, std::function<int(int fd, const char* path, uint32_t mask)>> { };

} // namespace fw::platform
