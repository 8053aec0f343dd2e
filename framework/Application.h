#pragma once

#include "framework/Event.h"
#include "framework/Object.h"
#include "platform/Seam.h"

#include <exception>
#include <functional>
#include <memory>

namespace fw {

class MenuBar;

// The application object. The program registers one; the framework holds it and fires its events.
class Application : public Object {
public:
    static const ClassRecord& __Lookup();
    const ClassRecord& classRecord() const override { return __Lookup(); }

    Application();
    ~Application() override;

    // The application's events; a subclass that implements one overrides its Event_ operation.
    virtual void Event_Open() { Open(); }
    virtual void Event_Close() { Close(); }
    Event<void()> Open;
    Event<void()> Close;

    // Handles the events that are pending and returns, so that it nests inside a handler. The
    // argument is taken and not used: the palette's wait passes -1, and a turn that finds nothing
    // pending waits at most 10 ms by itself. Nested deep inside other waits, it leaves the user's
    // input queued for an outer level, so that clicks that keep coming cannot exhaust the stack.
    void DoEvents(int32_t milliseconds = -1);

    bool AutoQuit() const { return m_autoQuit; }
    void setAutoQuit(bool value) { m_autoQuit = value; }

    Ref<fw::MenuBar> MenuBar() const;
    void setMenuBar(Ref<fw::MenuBar> bar);

    // Ends the event loop; shutdown follows.
    void Quit();

private:
    bool m_autoQuit = false;
    Ref<fw::MenuBar> m_menuBar;
};

// The framework's start and end.
void RuntimeInit();
void _RuntimeInitExternalClasses();
void _InitPluginEntrypoints();
void _RuntimeRegisterAppObject(const Ref<Application>& app);
Ref<Application> _GetAppObject();
// Runs the event loop until the application quits. The Open events of the windows made before it
// (their controls first, then each window) come first, then the application's Open.
void _RuntimeRun();
// The framework's handling of an exception that nothing caught: the exception's class and message go
// to standard error and into a message box, and the program then quits with status 1.
void _UnhandledException(const std::exception& e);
// Shuts the framework down and returns the exit status: 0 after a normal quit, 1 after an unhandled
// exception.
int32_t RuntimeExit();
// Releases the framework's window lists (closing the windows) at finalisation.
void _ReleaseWindowLists();

// Runs code of the program from a Qt event. An exception that escapes it is held for the event loop,
// which quits and hands it on once; a nested DoEvents re-raises it so that the waiting code unwinds.
void dispatchGuarded(const std::function<void()>& code) noexcept;

namespace Runtime {
// Re-raises the exception that escaped a handler, if there is one.
void rethrowPending();
bool quitRequested();
// True once the application's Quit has run (Ctrl+Q, or the last window closed with AutoQuit): the
// user has left, and nothing more is asked of them.
bool applicationQuit();
// True once _RuntimeRun has begun: a window made from then on opens from the event loop.
bool loopStarted();
} // namespace Runtime

// What the framework keeps of a run: the application object, an exception on its way to the loop,
// how far the run has come and the status it ends with.
struct RuntimeState {
    Ref<Application> app;
    std::exception_ptr pending;
    bool quitRequested = false;
    bool applicationQuit = false;
    bool loopStarted = false;
    int32_t exitStatus = 0;
};

// The program keeps one state for the whole process; a test puts a fresh one in place for its scope,
// so that it runs as a new process would, and leaves nothing behind for the next.
struct RuntimeStateSeam : platform::Seam<RuntimeStateSeam, std::shared_ptr<RuntimeState>> { };

} // namespace fw
