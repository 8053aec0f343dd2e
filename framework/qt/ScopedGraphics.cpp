#include "framework/qt/ScopedGraphics.h"

#include <QImage>
#include <QRect>

namespace fw::qt {

ScopedGraphics::ScopedGraphics(QPainter& painter, const QRect& area)
    : m_surface { &painter, nullptr }
    , m_graphics(New<Graphics>())
{
    m_graphics->attach(m_surface, area.x(), area.y(), area.width(), area.height());
}

ScopedGraphics::ScopedGraphics(QImage& image)
    : m_surface { nullptr, &image }
    , m_graphics(New<Graphics>())
{
    m_graphics->attach(m_surface, 0, 0, image.width(), image.height());
}

ScopedGraphics::~ScopedGraphics()
{
    m_graphics->detach();
}

} // namespace fw::qt
