#include "framework/WindowList.h"

#include "framework/Application.h"
#include "framework/Window.h"
#include "framework/qt/Entry.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>

namespace fw {

namespace {

std::vector<Ref<Window>>& pendingOpens()
{
    static std::vector<Ref<Window>> list;
    return list;
}

} // namespace

namespace WindowList {

std::vector<Ref<Window>>& all()
{
    static std::vector<Ref<Window>> list;
    return list;
}

void add(const Ref<Window>& window)
{
    all().push_back(window);
}

void remove(Window& window)
{
    auto& list = all();
    list.erase(
        std::remove_if(list.begin(), list.end(), [&](const Ref<Window>& w) { return w.get() == &window; }),
        list.end());
}

void scheduleOpen(const Ref<Window>& window)
{
    pendingOpens().push_back(window);
    // Before the loop runs, _RuntimeRun raises the Open events first; a window made later has them
    // from the next turn of the loop.
    if (Runtime::loopStarted())
        QTimer::singleShot(0, QCoreApplication::instance(), [] { qt::enter([] { openPending(); }); });
}

void openPending()
{
    while (!pendingOpens().empty()) {
        Ref<Window> window = pendingOpens().front();
        pendingOpens().erase(pendingOpens().begin());
        window->openNow();
    }
}

void releaseAll()
{
    pendingOpens().clear();
    std::vector<Ref<Window>> windows;
    windows.swap(all());
    for (const Ref<Window>& window : windows)
        window->CloseWindow();
}

} // namespace WindowList

} // namespace fw
