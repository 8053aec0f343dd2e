#include "framework/Graphics.h"

#include "framework/ClassRecord.h"
#include "framework/Picture.h"
#include "framework/qt/Colors.h"
#include "framework/qt/PictureImage.h"
#include "framework/qt/Surface.h"
#include "framework/qt/Text.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <optional>

namespace fw {

const ClassRecord& Graphics::__Lookup()
{
    static const ClassRecord& record
        = ClassRecord::define("Graphics", &Object::__Lookup(), {}, [](ClassRecord& r) {
              r.properties.push_back(accessor("ForeColor", &Graphics::ForeColor, &Graphics::setForeColor));
              r.properties.push_back(accessor("Bold", &Graphics::Bold, &Graphics::setBold));
              r.properties.push_back(accessor("TextSize", &Graphics::TextSize, &Graphics::setTextSize));
              r.properties.push_back(field("TextFont", &Graphics::TextFont));
              r.methods = { { "Width", "%i4%" }, { "Height", "%i4%" }, { "FillRect", "%%i4i4i4i4" },
                  { "FillRoundRect", "%%i4i4i4i4i4i4" }, { "DrawLine", "%%i4i4i4i4" },
                  { "DrawString", "%%si4i4i4b" }, { "StringWidth", "%f8%s" },
                  { "DrawPicture", "%%o<Picture>i4i4i4i4i4i4i4i4" } };
          });
    return record;
}

namespace {

using qt::toQColor;
using qt::toQString;

QFont fontOf(const Graphics& g)
{
    QFont font = g.TextFont.isEmpty() || g.TextFont == "System" ? QGuiApplication::font()
                                                                : QFont(toQString(g.TextFont));
    // A point is one pixel, as on the 72-dpi screens the layouts were made for, so that a caption
    // measures the same on every screen.
    font.setPixelSize(g.TextSize() > 0 ? g.TextSize() : Graphics::defaultTextSize);
    font.setBold(g.Bold());
    return font;
}

QPaintDevice* deviceOf(const qt::Surface* surface)
{
    if (!surface)
        return nullptr;
    if (surface->image)
        return surface->image;
    return surface->painter && surface->painter->isActive() ? surface->painter->device() : nullptr;
}

} // namespace

// A painter made ready for one drawing call: clipped to the area, its origin at the area's top-left,
// antialiasing off so that fills and lines land on whole pixels (text stays smoothed), and scaled
// pictures sampled from the nearest pixel. Empty when there is nothing to draw on.
class Graphics::Drawing {
public:
    explicit Drawing(const Graphics& g)
    {
        if (g.m_width <= 0 || g.m_height <= 0 || !g.m_surface)
            return;
        if (g.m_surface->image) {
            m_own.emplace(g.m_surface->image);
            m_painter = &*m_own;
        } else if (g.m_surface->painter && g.m_surface->painter->isActive()) {
            m_painter = g.m_surface->painter;
            m_painter->save();
        } else {
            return;
        }
        const QRect area(g.m_left, g.m_top, g.m_width, g.m_height);
        m_painter->setClipRect(area, m_own ? Qt::ReplaceClip : Qt::IntersectClip);
        m_painter->translate(area.topLeft());
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
        m_painter->setRenderHint(QPainter::TextAntialiasing, true);
    }
    ~Drawing()
    {
        if (m_painter && !m_own)
            m_painter->restore();
    }
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;

    explicit operator bool() const { return m_painter != nullptr; }
    QPainter* operator->() const { return m_painter; }
    QPainter& operator*() const { return *m_painter; }

private:
    std::optional<QPainter> m_own;
    QPainter* m_painter = nullptr;
};

void Graphics::attach(const qt::Surface& surface, int32_t left, int32_t top, int32_t width, int32_t height)
{
    m_surface = &surface;
    m_left = left;
    m_top = top;
    m_width = std::max(0, width);
    m_height = std::max(0, height);
    m_measured.reset();
}

void Graphics::detach()
{
    m_surface = nullptr;
    m_width = 0;
    m_height = 0;
    m_measured.reset(); // measured on the surface that is gone
}

int32_t Graphics::Width() const
{
    return m_width;
}
int32_t Graphics::Height() const
{
    return m_height;
}

// Fills the part of the rectangle inside the area. Sizes are 64-bit so that no sum of two Int32
// coordinates overflows.
void Graphics::fillSpan(Drawing& drawing, int64_t x, int64_t y, int64_t width, int64_t height)
{
    const int64_t left = std::max<int64_t>(x, 0);
    const int64_t top = std::max<int64_t>(y, 0);
    const int64_t right = std::min<int64_t>(x + width, m_width);
    const int64_t bottom = std::min<int64_t>(y + height, m_height);
    if (left >= right || top >= bottom)
        return;
    drawing->fillRect(QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                          static_cast<int>(bottom - top)),
        toQColor(m_foreColor));
}

void Graphics::FillRect(int32_t x, int32_t y, int32_t width, int32_t height)
{
    Drawing drawing(*this);
    if (drawing && width > 0 && height > 0)
        fillSpan(drawing, x, y, width, height);
}

// Each row of the box is filled from the first to the last pixel whose centre lies inside the rounded
// outline, so the result is the same whole pixels on every paint device. Corner diameters larger than
// the box are taken as the box's own.
void Graphics::FillRoundRect(
    int32_t x, int32_t y, int32_t width, int32_t height, int32_t cornerWidth, int32_t cornerHeight)
{
    Drawing drawing(*this);
    if (!drawing || width <= 0 || height <= 0)
        return;
    const double rx = std::min(cornerWidth, width) / 2.0;
    const double ry = std::min(cornerHeight, height) / 2.0;
    if (rx <= 0 || ry <= 0) {
        fillSpan(drawing, x, y, width, height);
        return;
    }
    const int64_t firstRow = std::max<int64_t>(0, -int64_t(y));
    const int64_t lastRow = std::min<int64_t>(height, int64_t(m_height) - y);
    for (int64_t row = firstRow; row < lastRow; ++row) {
        const double centre = row + 0.5;
        double intoCorner = 0;
        if (centre < ry)
            intoCorner = ry - centre;
        else if (centre > height - ry)
            intoCorner = centre - (height - ry);
        const double share = intoCorner / ry;
        const double inset = rx - rx * std::sqrt(std::max(0.0, 1.0 - share * share));
        const int64_t first = static_cast<int64_t>(std::ceil(inset - 0.5));
        if (2 * first < width)
            fillSpan(drawing, int64_t(x) + first, int64_t(y) + row, width - 2 * first, 1);
    }
}

namespace {

// a / b rounded to the nearest whole number, halves upwards; b > 0.
int64_t roundedQuotient(__int128 a, __int128 b)
{
    __int128 q = (2 * a + b) / (2 * b);
    if ((2 * a + b) % (2 * b) < 0)
        --q;
    return static_cast<int64_t>(q);
}

} // namespace

// The pixels of the line are those nearest to it, one for each step along its longer axis; only the
// steps inside the area are visited, so a line of any length costs at most the area's size.
void Graphics::DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    Drawing drawing(*this);
    if (!drawing)
        return;
    int64_t ax = x1, ay = y1, bx = x2, by = y2;
    const bool alongX = std::llabs(bx - ax) >= std::llabs(by - ay);
    if (!alongX) {
        std::swap(ax, ay);
        std::swap(bx, by);
    }
    if (ax > bx) {
        std::swap(ax, bx);
        std::swap(ay, by);
    }
    // In the swapped frame "major" is the longer axis: x when alongX, y otherwise.
    const int64_t majorLimit = alongX ? m_width : m_height;
    const int64_t minorLimit = alongX ? m_height : m_width;
    const int64_t from = std::max<int64_t>(ax, 0);
    const int64_t to = std::min<int64_t>(bx, majorLimit - 1);
    const int64_t run = bx - ax;
    const int64_t rise = by - ay;
    auto plot = [&](int64_t major, int64_t minor, int64_t length) {
        if (minor < 0 || minor >= minorLimit)
            return;
        if (alongX)
            fillSpan(drawing, major, minor, length, 1);
        else
            fillSpan(drawing, minor, major, 1, length);
    };
    // Neighbouring pixels on one row (or column) are filled together.
    int64_t spanStart = from;
    int64_t spanMinor = 0;
    for (int64_t major = from; major <= to; ++major) {
        const int64_t minor = run == 0 ? ay : ay + roundedQuotient(__int128(major - ax) * rise, run);
        if (major == from) {
            spanMinor = minor;
        } else if (minor != spanMinor) {
            plot(spanStart, spanMinor, major - spanStart);
            spanStart = major;
            spanMinor = minor;
        }
    }
    if (from <= to)
        plot(spanStart, spanMinor, to + 1 - spanStart);
}

void Graphics::DrawString(const String& text, int32_t x, int32_t y, int32_t wrapWidth, bool condense)
{
    Drawing drawing(*this);
    if (!drawing || text.isEmpty())
        return;
    const QFont shownFont = fontOf(*this);
    QString shown = toQString(text);
    drawing->setFont(shownFont);
    drawing->setPen(toQColor(m_foreColor));
    if (wrapWidth > 0 && condense)
        shown = QFontMetricsF(shownFont, deviceOf(m_surface)).elidedText(shown, Qt::ElideRight, wrapWidth);
    if (wrapWidth <= 0 || condense) {
        drawing->drawText(QPointF(x, y), shown);
        return;
    }
    QTextLayout layout(shown, shownFont, deviceOf(m_surface));
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    double top = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(wrapWidth);
        line.setPosition(QPointF(0, top));
        top += line.height();
    }
    layout.endLayout();
    if (layout.lineCount() > 0)
        layout.draw(&*drawing, QPointF(x, y - layout.lineAt(0).ascent()));
}

double Graphics::StringWidth(const String& text) const
{
    if (text.isEmpty())
        return 0;
    // By bytes: String equality ignores case, and a font or a text may differ in case alone.
    if (m_measured && m_measured->size == m_textSize && m_measured->bold == m_bold
        && m_measured->font.bytes() == TextFont.bytes() && m_measured->text.bytes() == text.bytes())
        return m_measured->width;
    const QPaintDevice* paintDevice = deviceOf(m_surface);
    const QFont font = fontOf(*this);
    const QFontMetricsF metrics = paintDevice ? QFontMetricsF(font, paintDevice) : QFontMetricsF(font);
    const double width = metrics.horizontalAdvance(toQString(text));
    m_measured = Measured { text, TextFont, m_textSize, m_bold, width };
    return width;
}

void Graphics::DrawPicture(const Ref<Picture>& picture, int32_t destX, int32_t destY, int32_t destWidth,
    int32_t destHeight, int32_t sourceX, int32_t sourceY, int32_t sourceWidth, int32_t sourceHeight)
{
    const Picture& source = *picture;
    const int64_t dw = destWidth == ownSize ? source.Width() : destWidth;
    const int64_t dh = destHeight == ownSize ? source.Height() : destHeight;
    const int64_t sw = sourceWidth == ownSize ? source.Width() : sourceWidth;
    const int64_t sh = sourceHeight == ownSize ? source.Height() : sourceHeight;
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0)
        return;
    // Only the part of the source inside the picture can show; the destination shrinks with it.
    const int64_t left = std::max<int64_t>(sourceX, 0);
    const int64_t top = std::max<int64_t>(sourceY, 0);
    const int64_t right = std::min<int64_t>(int64_t(sourceX) + sw, source.Width());
    const int64_t bottom = std::min<int64_t>(int64_t(sourceY) + sh, source.Height());
    if (left >= right || top >= bottom)
        return;
    const double scaleX = double(dw) / double(sw);
    const double scaleY = double(dh) / double(sh);
    const QRectF target(destX + (left - sourceX) * scaleX, destY + (top - sourceY) * scaleY,
        (right - left) * scaleX, (bottom - top) * scaleY);
    if (!target.intersects(QRectF(0, 0, m_width, m_height)))
        return;
    Drawing drawing(*this);
    if (!drawing)
        return;
    const QRect part(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
        static_cast<int>(bottom - top));
    drawing->drawImage(target, qt::shownPixels(source, part));
}

} // namespace fw
