#pragma once

#include "framework/Color.h"
#include "framework/Event.h"
#include "framework/Object.h"

#include <memory>
#include <vector>

namespace fw {

class MenuBar;
class RectControl;
namespace qt {
class MenuPresenter;
class WindowWidget;
} // namespace qt

// A window of the framework, on a top-level widget. Its geometry is the client area; the menu bar
// is the application's, not part of the window.
class Window : public Object {
public:
    static const ClassRecord& __Lookup();
    const ClassRecord& classRecord() const override { return __Lookup(); }

    Window();
    ~Window() override;

    // The framework's window constructor: builds the window, runs the construction events Layout,
    // CreateControls and AddMenuHandlers, and adds the window to the window list. The Open events of
    // its controls and then of the window follow from the event loop.
    void Constructor();

    // Construction events, implemented by a subclass under their names.
    virtual void Layout() { }
    virtual void CreateControls() { }
    virtual void AddMenuHandlers(Ref<Window>) { }

    virtual void Event_Open() { Open(); }
    virtual void Event_Close() { Close(); }
    virtual void Event_Resizing() { Resizing(); }
    virtual void Event_Resized() { Resized(); }
    Event<void()> Open;
    Event<void()> Close;
    Event<void()> Resizing;
    Event<void()> Resized;

    int32_t Width() const { return m_width; }
    void setWidth(int32_t width);
    int32_t Height() const { return m_height; }
    // A height set by the program takes effect at once and reads back as set, also below MinHeight:
    // the window's lower limit for the user's resizing is then the set height, and MinHeight again once
    // the window is at least that high.
    void setHeight(int32_t height);
    int32_t MinWidth() const { return m_minWidth; }
    void setMinWidth(int32_t value);
    int32_t MinHeight() const { return m_minHeight; }
    void setMinHeight(int32_t value);
    int32_t MaxWidth() const { return m_maxWidth; }
    void setMaxWidth(int32_t value);
    int32_t MaxHeight() const { return m_maxHeight; }
    void setMaxHeight(int32_t value);

    // 7 is a global floating window: above every application's windows, a tool window that does not
    // take the keyboard focus from the application in front when it is shown.
    int32_t Frame() const { return m_frame; }
    void setFrame(int32_t frame);
    bool isFloating() const { return m_frame == 7; }

    Color BackColor() const { return m_backColor; }
    void setBackColor(Color color);
    bool HasBackColor() const { return m_hasBackColor; }
    void setHasBackColor(bool value);
    String Title() const { return m_title; }
    void setTitle(String title);

    bool Visible() const { return m_visible; }
    void setVisible(bool visible);
    void Show();
    void Hide();
    // Closes the window: its Close event, then it leaves the window list; with AutoQuit, closing the
    // last window quits the application.
    void CloseWindow();
    bool isOpen() const { return m_state == State::Open || m_state == State::Constructed; }

    Ref<fw::MenuBar> MenuBar() const;
    void setMenuBar(Ref<fw::MenuBar> bar);

    // The creator code of the application for which the window floats; "" when nothing manages it.
    String FloaterProcess;

    // Settings that the window keeps as they are given.
    int32_t Placement = 0;
    bool Composite = false;
    bool FullScreen = false;
    bool MenuBarVisible = true;
    bool CloseButton = true;
    bool Resizeable = true;
    bool LiveResize = true;
    bool MaximizeButton = true;
    bool MinimizeButton = true;
    String BalloonHelp;
    int32_t MacProcId = 0;

    // The window's controls and other members, by name, in the order they were added.
    template <class T> Ref<T> __New();
    void _AddControl(const String& name, const Ref<Object>& control);
    Ref<Object> controlNamed(const String& name) const;
    int32_t ControlCount() const { return static_cast<int32_t>(m_controls.size()); }
    Ref<Object> Control(int32_t index) const;

    bool isActive() const;
    qt::WindowWidget* widget() const;
    qt::MenuPresenter* menuPresenter() const { return m_menuPresenter.get(); }
    // Raises the Open events of the controls, in the order they were added, then of the window.
    void openNow();

private:
    friend class qt::WindowWidget;
    enum class State { New, Constructed, Open, Closed };

    void applyGeometry();
    void applyFlags();
    void applyLimits();
    void resizeTo(int32_t width, int32_t height, bool byUser);
    void userResized(int32_t width, int32_t height);
    void userClosed();

    struct NamedControl {
        String name;
        Ref<Object> object;
    };
    // Walks `controls` in the order they were added and hands each one to every visits[i] whose
    // Kinds[i] it is, in the order given.
    template <class... Kinds, class... Visits>
    static void forEachControl(const std::vector<NamedControl>& controls, Visits&&... visits);
    std::vector<NamedControl> m_controls;
    std::unique_ptr<qt::WindowWidget> m_widget;
    std::unique_ptr<qt::MenuPresenter> m_menuPresenter; // before the widget goes
    Ref<fw::MenuBar> m_menuBar;
    State m_state = State::New;
    int32_t m_width = 100;
    int32_t m_height = 100;
    int32_t m_minWidth = 64;
    int32_t m_minHeight = 64;
    int32_t m_maxWidth = 32000;
    int32_t m_maxHeight = 32000;
    int32_t m_frame = 0;
    Color m_backColor { 0xFFFFFF };
    bool m_hasBackColor = false;
    String m_title;
    bool m_visible = true;
};

// The window's control of that name, or nil.
Ref<Object> RuntimeWindowControlByName(const Ref<Window>& window, const String& name);
// The open window whose class has that full name, or nil.
Ref<Window> _GetImplicitWindow(std::string_view fullName);

namespace Runtime {
// The framework's window list, in the order the windows were made.
int32_t WindowCount();
Ref<fw::Window> Window(int32_t index);
} // namespace Runtime

// Gives a new control object its window.
void attachToWindow(Object& control, Window& window);

template <class T> Ref<T> Window::__New()
{
    Ref<T> control = New<T>();
    attachToWindow(*control, *this);
    return control;
}

} // namespace fw
