#include "tests/support/ListSupport.h"

#include "framework/Window.h"
#include "framework/WindowList.h"
#include "framework/qt/WindowWidget.h"

#include <gtest/gtest.h>

#include <QPointer>
#include <QWindow>

#include <string>
#include <vector>

namespace {

// A window that writes down its resize events and when it is freed.
class LoggingWindow : public fw::Window {
public:
    explicit LoggingWindow(std::vector<std::string>& log)
        : m_log(log)
    {
    }
    ~LoggingWindow() override { m_log.push_back("freed"); }

    void Event_Resizing() override
    {
        m_log.push_back("Resizing");
        fw::Window::Event_Resizing();
    }
    void Event_Resized() override
    {
        m_log.push_back("Resized " + std::to_string(Width()) + "x" + std::to_string(Height()));
        fw::Window::Event_Resized();
    }

private:
    std::vector<std::string>& m_log;
};

// The user resizes a shown window whose Resizing handler closes it, and with it the last reference
// the program held: Resized still runs, on the window as it was, and the window goes only after.
TEST(Window, AResizingHandlerThatClosesItsWindowStillGetsItsResized)
{
    std::vector<std::string> log;
    fw::Window* window = nullptr;
    {
        fw::Ref<fw::Window> made(new LoggingWindow(log));
        made->Constructor();
        made->setWidth(120);
        made->setHeight(90);
        fw::WindowList::openPending();
        made->Show();
        window = made.get();
        made->Resizing.bind([window] { window->CloseWindow(); });
    }
    settle();
    ASSERT_EQ(fw::Runtime::WindowCount(), 1);
    ASSERT_TRUE(log.empty());

    QWidget* widget = window->widget(); // the window list holds the window now
    widget->resize(150, 110);
    settle();

    EXPECT_EQ(log, (std::vector<std::string> { "Resizing", "Resized 150x110", "freed" }));
    EXPECT_EQ(fw::Runtime::WindowCount(), 0);
}

// Counts a window's shows, and those made while the window system still had it on screen: X's window
// manager would take such a window away again when it carries out the hide before it.
class ShowWatch : public QObject {
public:
    explicit ShowWatch(QWidget* widget)
        : m_widget(widget)
    {
        widget->installEventFilter(this);
    }

    int shows = 0;
    int showsOnScreen = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            ++shows;
            if (m_widget->windowHandle() && m_widget->windowHandle()->isExposed())
                ++showsOnScreen;
        }
        return false;
    }

private:
    QWidget* m_widget;
};

fw::Ref<fw::Window> windowOnScreen()
{
    fw::Ref<fw::Window> window = fw::New<fw::Window>();
    window->Constructor();
    window->setVisible(true);
    window->openNow();
    EXPECT_TRUE(processEventsUntil([&] { return window->widget()->windowHandle()->isExposed(); }));
    return window;
}

// Switches faster than the window system answers: each show waits for the hide before it to be
// carried out, and the window ends as last asked.
TEST(Window, AShowWaitsUntilTheHideBeforeItIsCarriedOut)
{
    const struct {
        const char* name;
        std::vector<bool> shown; // each a Show (true) or a Hide, with no event handled in between
    } cases[] = {
        { "hide, show", { false, true } },
        { "hide, show, hide", { false, true, false } },
        { "hide, show, hide, show", { false, true, false, true } },
        { "show while shown, hide", { true, false } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fw::Ref<fw::Window> window = windowOnScreen();
        QWidget* widget = window->widget();
        ShowWatch watch(widget);
        for (bool shown : c.shown)
            shown ? window->Show() : window->Hide();
        const bool last = c.shown.back();
        EXPECT_EQ(window->Visible(), last);
        EXPECT_TRUE(processEventsUntil(
            [&] { return widget->isVisible() == last && widget->windowHandle()->isExposed() == last; }));
        settle();
        EXPECT_EQ(widget->isVisible(), last);
        EXPECT_EQ(watch.shows, last ? 1 : 0);
        EXPECT_EQ(watch.showsOnScreen, 0);
        window->CloseWindow();
    }
}

// A show still waiting when the window closes never comes.
TEST(Window, AShowThatWaitsIsDroppedWhenTheWindowCloses)
{
    fw::Ref<fw::Window> window = windowOnScreen();
    QPointer<QWidget> widget = window->widget(); // it goes later, from the loop
    ShowWatch watch(widget);
    window->Hide();
    window->Show();
    window->CloseWindow();
    EXPECT_TRUE(processEventsUntil([&] { return !widget || !widget->windowHandle()->isExposed(); }));
    settle();
    EXPECT_EQ(watch.shows, 0);
    EXPECT_TRUE(!widget || !widget->isVisible());
}

} // namespace
