#pragma once

#include "framework/qt/ControlWidget.h"

namespace fw {
class BevelButton;
}

namespace fw::qt {

// The Qt side of a bevel button: it draws the bevel and the pressed state, and turns a click (press
// and release inside) into the button's Action.
class BevelButtonWidget : public ControlWidget {
public:
    BevelButtonWidget(BevelButton& owner, WindowWidget& parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    BevelButton& m_owner; // the button owns this widget
    bool m_pressed = false;
};

} // namespace fw::qt
