#pragma once

#include "framework/Color.h"
#include "framework/Object.h"
#include "framework/String.h"

#include <cstdint>
#include <optional>

namespace fw {

class Picture;
namespace qt {
struct Surface;
class ScopedGraphics;
} // namespace qt

// The drawing surface handed to one cell or one picture: an area of a paint device with its origin at
// the area's top-left, clipped to it. Coordinates are whole pixels.
class Graphics : public Object {
public:
    static const ClassRecord& __Lookup();
    const ClassRecord& classRecord() const override { return __Lookup(); }

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
    // Width or height ownSize stands for the picture's own. Differing sizes scale the picture; its mask,
    // if it has one, decides which of its pixels show.
    void DrawPicture(const Ref<Picture>& picture, int32_t destX, int32_t destY, int32_t destWidth,
        int32_t destHeight, int32_t sourceX, int32_t sourceY, int32_t sourceWidth, int32_t sourceHeight);

    static constexpr int32_t ownSize = -10000;

    // The default text size, for a TextSize of 0.
    static constexpr int32_t defaultTextSize = 12;

private:
    friend class Picture;
    friend class qt::ScopedGraphics;
    class Drawing;

    // Draws on an area of the surface, its origin at the area's top-left. The surface's holder calls
    // detach() before the surface goes; after that, drawing does nothing and the size reads 0.
    void attach(const qt::Surface& surface, int32_t left, int32_t top, int32_t width, int32_t height);
    void detach();
    void fillSpan(Drawing& drawing, int64_t x, int64_t y, int64_t width, int64_t height);

    const qt::Surface* m_surface = nullptr; // not owned
    int32_t m_left = 0;
    int32_t m_top = 0;
    int32_t m_width = 0;
    int32_t m_height = 0;

    Color m_foreColor = RGB(0, 0, 0);
    bool m_bold = false;
    int32_t m_textSize = 0;

    // The text measured last, with the style it was measured in: a cell that centres its caption asks
    // for the width more than once in one paint, and each measure lays the text out.
    struct Measured {
        String text;
        String font;
        int32_t size = 0;
        bool bold = false;
        double width = 0;
    };
    mutable std::optional<Measured> m_measured;
};

} // namespace fw
