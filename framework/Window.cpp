#include "framework/Window.h"

#include "framework/Application.h"
#include "framework/Conversions.h"
#include "framework/MenuItem.h"
#include "framework/PaneChild.h"
#include "framework/RectControl.h"
#include "framework/WindowList.h"
#include "framework/qt/MenuPresenter.h"
#include "framework/qt/Text.h"
#include "framework/qt/WindowWidget.h"

#include <algorithm>

namespace fw {

const ClassRecord& Window::__Lookup()
{
    static const ClassRecord& record
        = ClassRecord::define("Window", &Object::__Lookup(), {}, [](ClassRecord& r) {
              r.properties = {
                  field("Placement", &Window::Placement),
                  accessor("Width", &Window::Width, &Window::setWidth),
                  accessor("Height", &Window::Height, &Window::setHeight),
                  accessor("MinWidth", &Window::MinWidth, &Window::setMinWidth),
                  accessor("MinHeight", &Window::MinHeight, &Window::setMinHeight),
                  accessor("MaxWidth", &Window::MaxWidth, &Window::setMaxWidth),
                  accessor("MaxHeight", &Window::MaxHeight, &Window::setMaxHeight),
                  accessor("Frame", &Window::Frame, &Window::setFrame),
                  field("Composite", &Window::Composite),
                  accessor("HasBackColor", &Window::HasBackColor, &Window::setHasBackColor),
                  accessor("BackColor", &Window::BackColor, &Window::setBackColor),
                  accessor("Title", &Window::Title, &Window::setTitle),
                  accessor("Visible", &Window::Visible, &Window::setVisible),
                  field("FullScreen", &Window::FullScreen),
                  field("MenuBarVisible", &Window::MenuBarVisible),
                  field("CloseButton", &Window::CloseButton),
                  field("Resizeable", &Window::Resizeable),
                  field("LiveResize", &Window::LiveResize),
                  field("MaximizeButton", &Window::MaximizeButton),
                  field("MinimizeButton", &Window::MinimizeButton),
                  field("BalloonHelp", &Window::BalloonHelp),
                  field("MacProcId", &Window::MacProcId),
                  field("FloaterProcess", &Window::FloaterProcess),
              };
              r.declaredEvents = { "Layout", "CreateControls", "AddMenuHandlers", "SetupBindings", "Open",
                  "Close", "CancelClose", "KeyDown", "MouseMove", "MouseEnter", "MouseExit", "Paint",
                  "MouseDown", "MouseDrag", "MouseUp", "EnableMenuItems", "Resized", "Resizing", "Moved",
                  "DropObject", "Activate", "Deactivate", "Minimize", "Maximize", "Restore", "MouseWheel",
                  "ConstructContextualMenu", "ContextualMenuAction", "DragEnter", "DragExit", "DragOver" };
              r.bindableEvents = {
                  bindable("Open", "(  )", &Window::Open),
                  bindable("Close", "(  )", &Window::Close),
                  bindable("Resizing", "(  )", &Window::Resizing),
                  bindable("Resized", "(  )", &Window::Resized),
              };
          });
    return record;
}

namespace {

template <class Kind, class Visit> void visitIfKind(Object* object, Visit& visit)
{
    if (auto* member = dynamic_cast<Kind*>(object))
        visit(*member);
}

} // namespace

template <class... Kinds, class... Visits>
void Window::forEachControl(const std::vector<NamedControl>& controls, Visits&&... visits)
{
    static_assert(sizeof...(Kinds) == sizeof...(Visits), "one visit per kind");
    for (const NamedControl& control : controls)
        (visitIfKind<Kinds>(control.object.get(), visits), ...);
}

Window::Window() = default;

Window::~Window()
{
    m_menuPresenter.reset();
    forEachControl<RectControl>(m_controls, [](RectControl& rect) { rect.detach(); });
    m_controls.clear();
}

void Window::Constructor()
{
    m_widget = std::make_unique<qt::WindowWidget>(*this);
    m_widget->setAttribute(Qt::WA_ShowWithoutActivating);
    applyFlags();
    applyGeometry();
    Ref<Window> self(this);
    WindowList::add(self);
    Layout();
    CreateControls();
    AddMenuHandlers(self);
    m_state = State::Constructed;
    WindowList::scheduleOpen(self);
}

void Window::openNow()
{
    if (m_state != State::Constructed)
        return;
    m_state = State::Open;
    if (m_visible)
        m_widget->setShown(true);
    // Controls first, in the order they were added, then the window itself.
    const std::vector<NamedControl> controls = m_controls;
    forEachControl<RectControl>(controls, [](RectControl& rect) { rect.Event_Open(); });
    Event_Open();
}

void Window::setWidth(int32_t width)
{
    resizeTo(width, m_height, false);
}

void Window::setHeight(int32_t height)
{
    resizeTo(m_width, height, false);
}

void Window::resizeTo(int32_t width, int32_t height, bool byUser)
{
    const int32_t dx = wrappingSub(width, m_width);
    const int32_t dy = wrappingSub(height, m_height);
    m_width = width;
    m_height = height;
    forEachControl<RectControl>(m_controls, [&](RectControl& rect) { rect.windowResized(dx, dy); });
    if (byUser)
        applyLimits();
    else
        applyGeometry();
}

void Window::userResized(int32_t width, int32_t height)
{
    resizeTo(width, height, true);
    Event_Resizing();
    Event_Resized();
}

void Window::userClosed()
{
    CloseWindow();
}

void Window::setMinWidth(int32_t value)
{
    m_minWidth = value;
    applyLimits();
}

void Window::setMinHeight(int32_t value)
{
    m_minHeight = value;
    applyLimits();
}

void Window::setMaxWidth(int32_t value)
{
    m_maxWidth = value;
    applyLimits();
}

void Window::setMaxHeight(int32_t value)
{
    m_maxHeight = value;
    applyLimits();
}

void Window::setFrame(int32_t frame)
{
    m_frame = frame;
    applyFlags();
}

void Window::setBackColor(Color color)
{
    m_backColor = color;
    if (m_widget)
        m_widget->update();
}

void Window::setHasBackColor(bool value)
{
    m_hasBackColor = value;
    if (m_widget)
        m_widget->update();
}

void Window::setTitle(String title)
{
    m_title = std::move(title);
    if (m_widget)
        m_widget->setWindowTitle(qt::toQString(m_title));
}

void Window::setVisible(bool visible)
{
    m_visible = visible;
    // Before its Open the window only remembers the setting; it appears when it opens.
    if (m_state != State::Open || !m_widget)
        return;
    m_widget->setShown(visible);
}

void Window::Show()
{
    setVisible(true);
}

void Window::Hide()
{
    setVisible(false);
}

void Window::CloseWindow()
{
    if (m_state == State::Closed)
        return;
    Ref<Window> protector(this);
    m_state = State::Closed;
    Event_Close();
    // Members that hold the window let it go, so that the window and its controls can be freed.
    std::vector<NamedControl> controls;
    controls.swap(m_controls);
    forEachControl<_PaneChild, RectControl>(
        controls, [](_PaneChild& child) { child._SetWindow(nullptr); },
        [](RectControl& rect) { rect.detach(); });
    controls.clear();
    m_menuPresenter.reset();
    if (m_widget) {
        m_widget->setShown(false);
        // The close may come from inside one of the widget's own events (the user's resize or close),
        // and Qt goes on using the widget when the event returns: it goes from the event loop instead.
        m_widget->orphan();
        m_widget.release()->deleteLater();
    }
    m_menuBar = nullptr;
    WindowList::remove(*this);
    Ref<Application> app = _GetAppObject();
    if (app && app->AutoQuit() && WindowList::all().empty())
        app->Quit();
}

Ref<fw::MenuBar> Window::MenuBar() const
{
    return m_menuBar;
}

void Window::setMenuBar(Ref<fw::MenuBar> bar)
{
    m_menuPresenter.reset();
    m_menuBar = std::move(bar);
    if (m_widget && m_menuBar)
        m_menuPresenter = std::make_unique<qt::MenuPresenter>(*m_widget, m_menuBar);
}

void Window::_AddControl(const String& name, const Ref<Object>& control)
{
    if (!control)
        throw NilObjectException();
    m_controls.push_back({ name, control });
    if (auto* child = dynamic_cast<_PaneChild*>(control.get())) {
        child->_SetWindow(Ref<Window>(this));
        child->_SetIndex(INT32_MIN);
    }
}

Ref<Object> Window::controlNamed(const String& name) const
{
    for (const NamedControl& control : m_controls) {
        if (control.name == name)
            return control.object;
    }
    return nullptr;
}

Ref<Object> Window::Control(int32_t index) const
{
    if (index < 0 || index >= ControlCount())
        return nullptr;
    return m_controls[static_cast<size_t>(index)].object;
}

bool Window::isActive() const
{
    return isFloating() || (m_widget && m_widget->isActiveWindow());
}

qt::WindowWidget* Window::widget() const
{
    return m_widget.get();
}

void Window::applyGeometry()
{
    if (!m_widget)
        return;
    // The limits are widened to both the old and the new size before the resize and narrowed after,
    // so that Qt never forces the window through a size of its own on the way (growing from a
    // collapsed 25 past a raised minimum of 100, say), which would come back as a resize by the user.
    const QSize now = m_widget->size();
    m_widget->setMinimumSize(std::max(0, std::min({ m_minWidth, m_width, now.width() })),
        std::max(0, std::min({ m_minHeight, m_height, now.height() })));
    m_widget->setMaximumSize(
        std::max({ m_maxWidth, m_width, now.width() }), std::max({ m_maxHeight, m_height, now.height() }));
    m_widget->resize(std::max(0, m_width), std::max(0, m_height));
    applyLimits();
}

void Window::applyLimits()
{
    if (!m_widget)
        return;
    // The user resizes within MinWidth/MinHeight and the maxima; a size that the program set below the
    // minimum lowers the limit to it until the window is larger again.
    const int minWidth = std::max(0, std::min(m_minWidth, m_width));
    const int minHeight = std::max(0, std::min(m_minHeight, m_height));
    m_widget->setMinimumSize(minWidth, minHeight);
    m_widget->setMaximumSize(std::max(minWidth, m_maxWidth), std::max(minHeight, m_maxHeight));
}

void Window::applyFlags()
{
    if (!m_widget)
        return;
    const bool wasVisible = m_widget->isVisible();
    Qt::WindowFlags flags = Qt::Window;
    if (isFloating())
        flags = Qt::Tool | Qt::WindowStaysOnTopHint;
    flags |= Qt::WindowTitleHint | Qt::CustomizeWindowHint;
    if (CloseButton)
        flags |= Qt::WindowCloseButtonHint;
    m_widget->setWindowFlags(flags);
    if (wasVisible)
        m_widget->setShown(true);
}

Ref<Object> RuntimeWindowControlByName(const Ref<Window>& window, const String& name)
{
    return window->controlNamed(name);
}

Ref<Window> _GetImplicitWindow(std::string_view fullName)
{
    for (const Ref<Window>& window : WindowList::all()) {
        if (window->classRecord().fullName == fullName)
            return window;
    }
    return nullptr;
}

namespace Runtime {

int32_t WindowCount()
{
    return static_cast<int32_t>(WindowList::all().size());
}

Ref<fw::Window> Window(int32_t index)
{
    const auto& list = WindowList::all();
    if (index < 0 || index >= static_cast<int32_t>(list.size()))
        return nullptr;
    return list[static_cast<size_t>(index)];
}

} // namespace Runtime

void attachToWindow(Object& control, Window& window)
{
    if (auto* rect = dynamic_cast<RectControl*>(&control))
        rect->attach(window);
}

} // namespace fw
