#include "framework/qt/WindowWidget.h"

#include "framework/Window.h"
#include "framework/qt/Colors.h"
#include "framework/qt/Entry.h"

#include <QCloseEvent>
#include <QPainter>
#include <QResizeEvent>

namespace fw::qt {

WindowWidget::WindowWidget(Window& owner)
    : m_owner(&owner)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
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
