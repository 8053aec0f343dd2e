#pragma once

#include "framework/Color.h"
#include "framework/Object.h"
#include "framework/String.h"

#include <cstdint>

class QFont;
class QImage;
class QPainter;
class QPaintDevice;
class QRect;

namespace fw {

class Picture;

// The drawing surface handed to one cell or one picture: an area of a paint device with its origin at
// the area's top-left, clipped to it. Coordinates are whole pixels.
class Graphics : public Object {
public:
    static const ClassRecord& __Lookup();
    const ClassRecord& classRecord() const override { return __Lookup(); }

    // Framework side. Over a painter that someone else owns, e.g. a widget's during its paint event:
    // the maker calls detach() before that painter ends.
    void Constructor(QPainter* painter, const QRect& area);
    // Over a whole image, which this object opens its own painter on for each drawing call, so that
    // the image can be read between calls. Its owner calls detach() before the image goes.
    void Constructor(QImage* image);
    // After this, drawing does nothing and the size reads 0: the painter or image is gone.
    void detach();

    int32_t Width() const;
    int32_t Height() const;

    Color ForeColor() const { return m_foreColor; }
    void setForeColor(Color color) { m_foreColor = color; }
    bool Bold() const { return m_bold; }
    void setBold(bool bold) { m_bold = bold; }
    // Points, one a pixel; 0 draws at the default size.
    int32_t TextSize() const { return m_textSize; }
    void setTextSize(int32_t size) { m_textSize = size; }
    // A font family; "System" (or empty) is the desktop's own interface font.
    String TextFont = "System";

    void FillRect(int32_t x, int32_t y, int32_t width, int32_t height);
    // The corner width and height are the diameters of the corner oval.
    void FillRoundRect(
        int32_t x, int32_t y, int32_t width, int32_t height, int32_t cornerWidth, int32_t cornerHeight);
    // One pixel wide, both end points drawn.
    void DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    // The text's left end at x, its baseline at y. A wrap width above 0 wraps the text at that width,
    // or with condense shortens it to fit on one line.
    void DrawString(const String& text, int32_t x, int32_t y, int32_t wrapWidth, bool condense);
    double StringWidth(const String& text) const;
    // Width or height -10000 stands for the picture's own. Differing sizes scale the picture; its mask,
    // if it has one, decides which of its pixels show.
    void DrawPicture(const Ref<Picture>& picture, int32_t destX, int32_t destY, int32_t destWidth,
        int32_t destHeight, int32_t sourceX, int32_t sourceY, int32_t sourceWidth, int32_t sourceHeight);

    // The default text size, for a TextSize of 0.
    static constexpr int32_t defaultTextSize = 12;

private:
    class Drawing;
    QFont font() const;
    QPaintDevice* device() const;
    void fillSpan(Drawing& drawing, int64_t x, int64_t y, int64_t width, int64_t height);

    // Neither is owned: the painter is its maker's, the image its picture's.
    QPainter* m_painter = nullptr;
    QImage* m_image = nullptr;
    int32_t m_left = 0;
    int32_t m_top = 0;
    int32_t m_width = 0;
    int32_t m_height = 0;

    Color m_foreColor = RGB(0, 0, 0);
    bool m_bold = false;
    int32_t m_textSize = 0;
};

} // namespace fw
