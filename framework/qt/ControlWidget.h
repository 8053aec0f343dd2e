#pragma once

#include <QWidget>

namespace fw {
class RectControl;
}

namespace fw::qt {

class WindowWidget;

// The Qt side of a control: a child of its window's widget. The window's widget may delete it with
// itself, so the control is told when it goes.
class ControlWidget : public QWidget {
public:
    ControlWidget(RectControl& owner, WindowWidget& parent);
    ~ControlWidget() override;

private:
    RectControl& m_control; // the control owns this widget
};

} // namespace fw::qt
