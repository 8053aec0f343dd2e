#include "framework/qt/BevelButtonWidget.h"

#include "framework/BevelButton.h"
#include "framework/Picture.h"
#include "framework/qt/Colors.h"
#include "framework/qt/Entry.h"
#include "framework/qt/ScopedGraphics.h"

#include <QMouseEvent>
#include <QPainter>

namespace fw::qt {

namespace {

// The bevel's face and its lit and shaded edges; pressed, the light comes from below.
constexpr Color face { 0xDDDDDD };
constexpr Color pressedFace { 0x999999 };
constexpr Color light { 0xFFFFFF };
constexpr Color shade { 0x808080 };
constexpr Color pressedShade { 0x666666 };

} // namespace

BevelButtonWidget::BevelButtonWidget(BevelButton& owner, WindowWidget& parent)
    : ControlWidget(owner, parent)
    , m_owner(owner)
{
    setFocusPolicy(Qt::NoFocus);
}

void BevelButtonWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect box = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(rect(), toQColor(m_pressed ? pressedFace : face));
    painter.setPen(toQColor(m_pressed ? pressedShade : light));
    painter.drawLine(box.topLeft(), box.topRight());
    painter.drawLine(box.topLeft(), box.bottomLeft());
    painter.setPen(toQColor(m_pressed ? light : shade));
    painter.drawLine(box.bottomLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomRight());
    Ref<Picture> icon = m_owner.Icon();
    if (!icon)
        return;
    enter(m_owner, [&] {
        ScopedGraphics g(painter, rect());
        const int32_t x = (width() - icon->Width()) / 2 + (m_pressed ? 1 : 0);
        const int32_t y = (height() - icon->Height()) / 2 + (m_pressed ? 1 : 0);
        g->DrawPicture(
            icon, x, y, Graphics::ownSize, Graphics::ownSize, 0, 0, Graphics::ownSize, Graphics::ownSize);
    });
}

void BevelButtonWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = true;
    update();
}

void BevelButtonWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    update();
    if (rect().contains(event->position().toPoint()))
        enter(m_owner, [&] { m_owner.Event_Action(); });
}

} // namespace fw::qt
