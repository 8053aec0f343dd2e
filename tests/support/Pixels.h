#pragma once

#include "framework/Color.h"

#include <QImage>
#include <QWidget>

#include <cstdint>

// Reading and making test images. A filled image is ARGB32 premultiplied, as pictures are; a
// widget's is opaque RGB32, as a window is.
namespace pixels {

inline QImage filled(int width, int height, fw::Color color)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(color.red(), color.green(), color.blue()));
    return image;
}

// What the widget shows now, painted afresh with its children.
inline QImage ofWidget(QWidget* widget)
{
    QImage image(widget->size(), QImage::Format_RGB32);
    widget->render(&image);
    return image;
}

// The colour at (x, y), its alpha left out.
inline fw::Color at(const QImage& image, int x, int y)
{
    return fw::Color { image.pixel(x, y) & 0xFFFFFFu };
}

inline int alphaAt(const QImage& image, int x, int y)
{
    return qAlpha(image.pixel(x, y));
}

// How many pixels of the image have that colour.
inline int count(const QImage& image, fw::Color color)
{
    int found = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            found += at(image, x, y) == color ? 1 : 0;
    }
    return found;
}

// A pixel is dark when its lightness is below half.
inline bool dark(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

} // namespace pixels
