#pragma once

#include <QWidget>

namespace fw {
class Window;
}

namespace fw::qt {

// The Qt side of a window: it paints the background and turns the user's resizing and closing into
// the window's own events.
class WindowWidget : public QWidget {
public:
    explicit WindowWidget(Window& owner);
    // The window has let this widget go, and may itself go before the widget does.
    void orphan() { m_owner = nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Window* m_owner; // the window owns this widget until it orphans it
};

} // namespace fw::qt
