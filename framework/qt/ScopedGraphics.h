#pragma once

#include "framework/Graphics.h"
#include "framework/qt/Surface.h"

class QRect;

namespace fw::qt {

// A Graphics over a surface that is not its own: an area of a painter that its maker has open (a
// widget's during its paint event), or a whole image. The Graphics lets go of the surface when this
// goes, also when a handler has kept a reference to it, so that it never draws on a finished painter.
class ScopedGraphics {
public:
    ScopedGraphics(QPainter& painter, const QRect& area);
    explicit ScopedGraphics(QImage& image);
    ~ScopedGraphics();
    ScopedGraphics(const ScopedGraphics&) = delete;
    ScopedGraphics& operator=(const ScopedGraphics&) = delete;

    const Ref<Graphics>& get() const { return m_graphics; }
    Graphics& operator*() const { return *m_graphics; }
    Graphics* operator->() const { return m_graphics.get(); }

private:
    Surface m_surface; // the Graphics points here, so this object does not move
    Ref<Graphics> m_graphics;
};

} // namespace fw::qt
