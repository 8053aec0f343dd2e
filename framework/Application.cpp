#include "framework/Application.h"

#include "framework/MenuItem.h"
#include "framework/MsgBox.h"
#include "framework/WindowList.h"
#include "framework/qt/FrontSwitchNotifier.h"
#include "framework/qt/NestedLoop.h"
#include "platform/CarbonEvents.h"

#include <QApplication>
#include <QEventLoop>
#include <QStringList>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <typeinfo>

namespace fw {

namespace {

RuntimeState& state()
{
    // The replacement stays in its seam while its scope lasts, so the reference outlives this copy.
    if (std::optional<std::shared_ptr<RuntimeState>> replaced = RuntimeStateSeam::replacement())
        return **replaced;
    static RuntimeState process;
    return process;
}

// Qt ends the process on a fatal error. When that is a display that cannot be reached, the program says
// so in one line and exits with a status of its own instead of aborting; any other fatal error is
// reported as Qt gives it, with the same status. While the platform starts, its warnings are kept:
// they name the cause.
bool startingPlatform = false;
QStringList startWarnings;

void messageHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg) {
        const QStringList display = startWarnings.filter(QLatin1String("display"), Qt::CaseInsensitive);
        if (startingPlatform && !display.isEmpty()) {
            std::fprintf(stderr,
                "ide-script: cannot open a window: %s (is DISPLAY set? run under Xvfb otherwise)\n",
                display.join(QLatin1String("; ")).toLocal8Bit().constData());
        } else {
            for (const QString& warning : startingPlatform ? startWarnings : QStringList())
                std::fprintf(stderr, "ide-script: %s\n", warning.toLocal8Bit().constData());
            std::fprintf(stderr, "ide-script: %s\n", message.trimmed().toLocal8Bit().constData());
        }
        std::_Exit(2);
    }
    if (startingPlatform) {
        if (type == QtCriticalMsg || type == QtWarningMsg)
            startWarnings.append(message.trimmed());
        return;
    }
    if (type == QtCriticalMsg || type == QtWarningMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

std::string describe(const std::exception& e)
{
    if (auto* runtime = dynamic_cast<const RuntimeException*>(&e))
        return std::string(runtime->className()) + ": " + runtime->Message.bytes();
    return std::string(typeid(e).name()) + ": " + e.what();
}

} // namespace

const ClassRecord& Application::__Lookup()
{
    static const ClassRecord& record
        = ClassRecord::define("Application", &Object::__Lookup(), {}, [](ClassRecord& r) {
              r.properties.push_back(accessor("AutoQuit", &Application::AutoQuit, &Application::setAutoQuit));
              r.declaredEvents = { "Open", "Close", "EnableMenuItems", "NewDocument", "OpenDocument",
                  "HandleAppleEvent", "Activate", "Deactivate", "UnhandledException", "CancelClose" };
              r.bindableEvents.push_back(bindable("Open", "(  )", &Application::Open));
              r.bindableEvents.push_back(bindable("Close", "(  )", &Application::Close));
          });
    return record;
}

Application::Application() = default;

Application::~Application() = default;

void Application::DoEvents(int32_t)
{
    // Handles what is pending; when nothing is, it waits for the next event but at most 10 ms, so that
    // a loop of DoEvents that waits for a timer neither spins the processor nor stalls.
    static QTimer* wakeUp = [] {
        auto* timer = new QTimer(QCoreApplication::instance());
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
        return timer;
    }();
    const qt::NestedLoop level;
    wakeUp->start(10);
    QCoreApplication::processEvents(level.events() | QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents(level.events());
    Runtime::rethrowPending();
}

Ref<fw::MenuBar> Application::MenuBar() const
{
    return m_menuBar;
}

void Application::setMenuBar(Ref<fw::MenuBar> bar)
{
    m_menuBar = std::move(bar);
}

void Application::Quit()
{
    state().quitRequested = true;
    state().applicationQuit = true;
    QCoreApplication::exit(0);
}

void RuntimeInit()
{
    qInstallMessageHandler(messageHandler);
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "ide-script";
        static char* argv[] = { name, nullptr };
        startingPlatform = true;
        new QApplication(argc, argv); // never destroyed: it lives as long as the process
        startingPlatform = false;
    }
    QApplication::setQuitOnLastWindowClosed(false); // AutoQuit decides
    platform::setHandlerCallGuard(&dispatchGuarded);
    qt::driveFrontSwitches();
}

void _RuntimeInitExternalClasses()
{
}

void _InitPluginEntrypoints()
{
    // The bevel button and the regular expressions are compiled into the framework; their entry
    // points need no lookup.
}

void _RuntimeRegisterAppObject(const Ref<Application>& app)
{
    state().app = app;
}

Ref<Application> _GetAppObject()
{
    return state().app;
}

void _RuntimeRun()
{
    RuntimeState& s = state();
    s.loopStarted = true;
    WindowList::openPending();
    if (s.app)
        s.app->Event_Open();
    if (!s.quitRequested)
        QApplication::exec();
    Runtime::rethrowPending();
    if (s.app)
        s.app->Event_Close();
}

void _UnhandledException(const std::exception& e)
{
    const std::string text = "Unhandled " + describe(e);
    std::fprintf(stderr, "ide-script: %s\n", text.c_str());
    state().exitStatus = 1;
    MsgBox(String(text));
}

int32_t RuntimeExit()
{
    RuntimeState& s = state();
    s.app = nullptr;
    return s.exitStatus;
}

void _ReleaseWindowLists()
{
    WindowList::releaseAll();
}

void dispatchGuarded(const std::function<void()>& code) noexcept
{
    try {
        code();
    } catch (...) {
        RuntimeState& s = state();
        if (!s.pending)
            s.pending = std::current_exception();
        s.quitRequested = true;
        QCoreApplication::exit(1);
    }
}

namespace Runtime {

void rethrowPending()
{
    RuntimeState& s = state();
    if (s.pending) {
        std::exception_ptr pending = s.pending;
        // Once handed on, the exception travels by unwinding; the loop stays asked to quit.
        s.pending = nullptr;
        std::rethrow_exception(pending);
    }
}

bool quitRequested()
{
    return state().quitRequested;
}

bool applicationQuit()
{
    return state().applicationQuit;
}

bool loopStarted()
{
    return state().loopStarted;
}

} // namespace Runtime

} // namespace fw
