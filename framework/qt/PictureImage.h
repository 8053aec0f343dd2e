#pragma once

#include "framework/Picture.h"
#include "framework/qt/Surface.h"

#include <QImage>

class QRect;

namespace fw::qt {

// A picture's pixels, its mask, and the surface that the picture's own Graphics draws on.
struct PictureImage {
    PictureImage() = default;
    PictureImage(const PictureImage&) = delete;
    PictureImage& operator=(const PictureImage&) = delete;

    QImage image;
    Ref<Picture> mask;
    Surface surface { nullptr, &image };
};

// A picture holding a copy of the image.
Ref<Picture> pictureFromImage(const QImage& image);

inline const QImage& imageOf(const Picture& picture)
{
    return picture.pixels().image;
}

// The pixels of one part of the picture as they show through its mask.
QImage shownPixels(const Picture& picture, const QRect& part);

} // namespace fw::qt
