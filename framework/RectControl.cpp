#include "framework/RectControl.h"

#include "framework/Conversions.h"
#include "framework/Window.h"

#include "framework/qt/ControlWidget.h"
#include "framework/qt/WindowWidget.h"

#include <algorithm>

namespace fw {

void addRectControlProperties(ClassRecord& r)
{
    r.properties.push_back(field("Name", &RectControl::Name));
    r.properties.push_back(field("Index", &RectControl::Index));
    r.properties.push_back(accessor("Left", &RectControl::Left, &RectControl::setLeft));
    r.properties.push_back(accessor("Top", &RectControl::Top, &RectControl::setTop));
    r.properties.push_back(accessor("Width", &RectControl::Width, &RectControl::setWidth));
    r.properties.push_back(accessor("Height", &RectControl::Height, &RectControl::setHeight));
    r.properties.push_back(field("LockLeft", &RectControl::LockLeft));
    r.properties.push_back(field("LockTop", &RectControl::LockTop));
    r.properties.push_back(field("LockRight", &RectControl::LockRight));
    r.properties.push_back(field("LockBottom", &RectControl::LockBottom));
    r.properties.push_back(field("TabPanelIndex", &RectControl::TabPanelIndex));
    r.properties.push_back(field("TabIndex", &RectControl::TabIndex));
    r.properties.push_back(accessor("Visible", &RectControl::Visible, &RectControl::setVisible));
    r.properties.push_back(field("HelpTag", &RectControl::HelpTag));
    r.properties.push_back(field("AutoDeactivate", &RectControl::AutoDeactivate));
    r.properties.push_back(accessor("Enabled", &RectControl::Enabled, &RectControl::setEnabled));
    r.properties.push_back(field("InitialParent", &RectControl::InitialParent));
}

const ClassRecord& RectControl::__Lookup()
{
    static const ClassRecord& record
        = ClassRecord::define("RectControl", &Object::__Lookup(), {}, [](ClassRecord& r) {
              addRectControlProperties(r);
              r.declaredEvents = { "Open", "Close" };
              r.bindableEvents.push_back(bindable("Open", "(  )", &RectControl::Open));
          });
    return record;
}

RectControl::~RectControl()
{
    delete m_widget;
}

void RectControl::Constructor()
{
    if (!m_window || !m_window->widget())
        throw NilObjectException("a control was made without a window");
    m_widget = createWidget(*m_window->widget());
    applyGeometry();
    m_widget->setVisible(m_visible);
}

qt::ControlWidget* RectControl::createWidget(qt::WindowWidget& parent)
{
    return new qt::ControlWidget(*this, parent);
}

void RectControl::widgetGone(const qt::ControlWidget& widget)
{
    if (m_widget == &widget)
        m_widget = nullptr;
}

Ref<fw::Window> RectControl::Window() const
{
    return Ref<fw::Window>(m_window);
}

void RectControl::detach()
{
    delete m_widget;
    m_window = nullptr;
}

void RectControl::setLeft(int32_t value)
{
    m_left = value;
    applyGeometry();
}

void RectControl::setTop(int32_t value)
{
    m_top = value;
    applyGeometry();
}

void RectControl::setWidth(int32_t value)
{
    m_width = value;
    applyGeometry();
}

void RectControl::setHeight(int32_t value)
{
    m_height = value;
    applyGeometry();
}

void RectControl::setVisible(bool value)
{
    m_visible = value;
    if (m_widget)
        m_widget->setVisible(value);
}

void RectControl::setEnabled(bool value)
{
    m_enabled = value;
    if (m_widget)
        m_widget->setEnabled(value);
}

bool RectControl::Active() const
{
    return m_window && m_window->isActive();
}

void RectControl::Refresh()
{
    if (m_widget)
        m_widget->update();
}

void RectControl::windowResized(int32_t dx, int32_t dy)
{
    // The place is kept unclamped, so that collapsing a window and restoring it gives every locked
    // control its former size again, even where the collapsed size was below zero.
    if (LockLeft && LockRight)
        m_width = wrappingAdd(m_width, dx);
    else if (LockRight)
        m_left = wrappingAdd(m_left, dx);
    if (LockTop && LockBottom)
        m_height = wrappingAdd(m_height, dy);
    else if (LockBottom)
        m_top = wrappingAdd(m_top, dy);
    applyGeometry();
}

void RectControl::applyGeometry()
{
    if (m_widget)
        m_widget->setGeometry(m_left, m_top, std::max(0, m_width), std::max(0, m_height));
}

} // namespace fw
