#pragma once

class QImage;
class QPainter;

namespace fw::qt {

// What a Graphics draws on: a painter that someone else has open, or an image that each drawing call
// opens a painter of its own on, so that the image can be read between calls. Neither is owned.
struct Surface {
    QPainter* painter = nullptr;
    QImage* image = nullptr;
};

} // namespace fw::qt
