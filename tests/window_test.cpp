#include "tests/support/ListSupport.h"

#include "framework/Window.h"
#include "framework/WindowList.h"
#include "framework/qt/WindowWidget.h"

#include <gtest/gtest.h>

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

} // namespace
