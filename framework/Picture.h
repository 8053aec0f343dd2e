#pragma once

#include "framework/Object.h"

#include <cstdint>
#include <memory>

class QImage;
class QRect;

namespace fw {

class Graphics;

// A picture in memory, with an optional mask that decides which of its pixels show when it is drawn.
class Picture : public Object {
public:
    static const ClassRecord& __Lookup();
    const ClassRecord& classRecord() const override { return __Lookup(); }

    Picture();
    ~Picture() override;

    // Framework side: a picture holding a copy of the image.
    static Ref<Picture> fromImage(const QImage& image);

    int32_t Width() const;
    int32_t Height() const;
    // The picture's mask; with create, a new one is made when there is none yet: the picture's size,
    // every pixel showing.
    Ref<Picture> Mask(bool create);
    // The surface that draws into this picture's own pixels. The same object on every call.
    Ref<fw::Graphics> Graphics();

    // Framework side: the pixels, and the pixels of one part as they show through the mask.
    const QImage& image() const { return *m_image; }
    QImage shownPixels(const QRect& part) const;

private:
    std::unique_ptr<QImage> m_image;
    Ref<Picture> m_mask;
    // Refers back to m_image without counting this picture, so no cycle forms; it is detached when
    // the picture goes.
    Ref<fw::Graphics> m_graphics;
};

} // namespace fw
