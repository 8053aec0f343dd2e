#pragma once

#include "framework/Event.h"
#include "framework/Object.h"

namespace fw {

class Window;
namespace qt {
class ControlWidget;
class WindowWidget;
} // namespace qt

// A visible control on a window, on a child widget of the window's. Its place is kept as set, and follows its
// locks when the window is resized: locked left and right, the width stretches; right only, it moves with the
// right edge; likewise for top and bottom.
class RectControl : public Object {
public:
    static const ClassRecord& __Lookup();
    const ClassRecord& classRecord() const override { return __Lookup(); }

    ~RectControl() override;

    // The framework's control constructor: makes the control's widget on its window.
    void Constructor();

    virtual void Event_Open() { Open(); }
    Event<void()> Open;

    // The window that holds the control; nil once the window has let it go.
    Ref<fw::Window> Window() const;

    String Name;
    int32_t Index = INT32_MIN;
    int32_t Left() const { return m_left; }
    void setLeft(int32_t value);
    int32_t Top() const { return m_top; }
    void setTop(int32_t value);
    int32_t Width() const { return m_width; }
    void setWidth(int32_t value);
    int32_t Height() const { return m_height; }
    void setHeight(int32_t value);
    bool LockLeft = false;
    bool LockTop = false;
    bool LockRight = false;
    bool LockBottom = false;
    bool Visible() const { return m_visible; }
    void setVisible(bool value);
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool value);
    // The control is active while its window is: a floating window's controls always are.
    bool Active() const;
    int32_t TabPanelIndex = 0;
    int32_t TabIndex = 0;
    String HelpTag;
    bool AutoDeactivate = true;
    String InitialParent;

    // Asks for a repaint from the event loop.
    virtual void Refresh();

    qt::ControlWidget* widget() const { return m_widget; }
    void attach(fw::Window& window) { m_window = &window; }
    // The window closes or goes: the control loses its widget and its tie to the window.
    virtual void detach();
    void windowResized(int32_t dx, int32_t dy);

protected:
    // Makes the control's own widget; the base gives a plain one.
    virtual qt::ControlWidget* createWidget(qt::WindowWidget& parent);

private:
    friend class qt::ControlWidget;
    void applyGeometry();
    // The widget is deleted, by this control or with its window's widget.
    void widgetGone(const qt::ControlWidget& widget);

    fw::Window* m_window = nullptr; // not owned: the window owns the control
    qt::ControlWidget* m_widget = nullptr; // owned; cleared when it goes
    int32_t m_left = 0;
    int32_t m_top = 0;
    int32_t m_width = 0;
    int32_t m_height = 0;
    bool m_visible = true;
    bool m_enabled = true;
};

// Property records shared by the control classes.
void addRectControlProperties(ClassRecord& record);

} // namespace fw
