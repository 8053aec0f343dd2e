#include "framework/qt/WindowWidget.h"

#include "framework/Window.h"
#include "framework/qt/Colors.h"
#include "framework/qt/Entry.h"

#include <QCloseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QTimer>
#include <QWindow>

namespace fw::qt {

WindowWidget::WindowWidget(Window& owner)
    : m_owner(&owner)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void WindowWidget::setShown(bool shown)
{
    m_shown = shown;
    if (shown)
        showWhenHidden();
    else
        hide();
}

void WindowWidget::showWhenHidden()
{
    if (!m_shown || isVisible())
        return;
    // A window that the window system still has on screen is shown once it has told of the hide. Shown
    // before that, Qt's xcb plugin sets its state (kept on top) as on an unmapped window, which a window
    // manager does not follow, and warns; and a window manager that mapped it late, after the hide,
    // takes it away again when it carries out the hide.
    if (m_watched && m_watched->isExposed())
        return;
    show();
    if (windowHandle() != m_watched) {
        m_watched = windowHandle();
        m_watched->installEventFilter(this);
    }
}

bool WindowWidget::eventFilter(QObject* watched, QEvent* event)
{
    // Shown from the loop, not inside the expose event, which Qt goes on handling as the hidden state.
    if (event->type() == QEvent::Expose && watched == m_watched && !m_watched->isExposed() && m_shown)
        QTimer::singleShot(0, this, [this] { showWhenHidden(); });
    return QWidget::eventFilter(watched, event);
}

void WindowWidget::paintEvent(QPaintEvent*)
{
    if (!m_owner || !m_owner->HasBackColor())
        return;
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(m_owner->BackColor()));
}

void WindowWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Window* owner = m_owner;
    const QSize size = event->size();
    if (owner && (size.width() != owner->Width() || size.height() != owner->Height()))
        enter(*owner, [&] { owner->userResized(size.width(), size.height()); });
}

void WindowWidget::closeEvent(QCloseEvent* event)
{
    // The window goes through its own close, which lets this widget go: ignore Qt's.
    event->ignore();
    if (Window* owner = m_owner)
        enter(*owner, [&] { owner->userClosed(); });
}

} // namespace fw::qt
