#include "framework/qt/ControlWidget.h"

#include "framework/RectControl.h"
#include "framework/qt/WindowWidget.h"

namespace fw::qt {

ControlWidget::ControlWidget(RectControl& owner, WindowWidget& parent)
    : QWidget(&parent)
    , m_control(owner)
{
}

ControlWidget::~ControlWidget()
{
    m_control.widgetGone(*this);
}

} // namespace fw::qt
