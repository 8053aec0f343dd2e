#pragma once

#include "framework/Object.h"

#include <cstdint>
#include <memory>

namespace fw {

class Graphics;
namespace qt {
struct PictureImage;
} // namespace qt

// A picture in memory, with an optional mask that decides which of its pixels show when it is drawn.
class Picture : public Object {
public:
    static const ClassRecord& __Lookup();
    const ClassRecord& classRecord() const override { return __Lookup(); }

    Picture();
    ~Picture() override;

    int32_t Width() const;
    int32_t Height() const;
    // The picture's mask; with create, a new one is made when there is none yet: the picture's size,
    // every pixel showing.
    Ref<Picture> Mask(bool create);
    // The surface that draws into this picture's own pixels. The same object on every call.
    Ref<fw::Graphics> Graphics();

    // Framework side: the pixels.
    qt::PictureImage& pixels() const { return *m_pixels; }

private:
    std::unique_ptr<qt::PictureImage> m_pixels; // with the mask
    // Refers back to m_pixels without counting this picture, so no cycle forms; it is detached when
    // the picture goes.
    Ref<fw::Graphics> m_graphics;
};

} // namespace fw
