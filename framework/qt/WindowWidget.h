#pragma once

#include <QPointer>
#include <QWidget>

class QWindow;

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
    // Shows or hides the window. A show waits until the window system has told of the last hide.
    void setShown(bool shown);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void showWhenHidden();

    Window* m_owner; // the window owns this widget until it orphans it
    bool m_shown = false; // as last asked
    QPointer<QWindow> m_watched; // the native window, whose expose events tell of its hides
};

} // namespace fw::qt
