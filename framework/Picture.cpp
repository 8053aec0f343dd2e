#include "framework/Picture.h"

#include "framework/ClassRecord.h"
#include "framework/Graphics.h"
#include "framework/qt/PictureImage.h"

#include <QImage>

namespace fw {

const ClassRecord& Picture::__Lookup()
{
    static const ClassRecord& record
        = ClassRecord::define("Picture", &Object::__Lookup(), {}, [](ClassRecord& r) {
              r.methods = { { "Width", "%i4%" }, { "Height", "%i4%" }, { "Mask", "%o<Picture>%b" },
                  { "Graphics", "%o<Graphics>%" } };
          });
    return record;
}

Picture::Picture()
    : m_pixels(std::make_unique<qt::PictureImage>())
{
}

Picture::~Picture()
{
    if (m_graphics)
        m_graphics->detach();
}

int32_t Picture::Width() const
{
    return m_pixels->image.width();
}
int32_t Picture::Height() const
{
    return m_pixels->image.height();
}

Ref<Picture> Picture::Mask(bool create)
{
    if (!m_pixels->mask && create) {
        QImage allShowing(m_pixels->image.size(), QImage::Format_ARGB32_Premultiplied);
        allShowing.fill(Qt::black);
        m_pixels->mask = qt::pictureFromImage(allShowing);
    }
    return m_pixels->mask;
}

Ref<fw::Graphics> Picture::Graphics()
{
    if (!m_graphics) {
        m_graphics = New<fw::Graphics>();
        const QImage& image = m_pixels->image;
        m_graphics->attach(m_pixels->surface, 0, 0, image.width(), image.height());
    }
    return m_graphics;
}

namespace qt {

Ref<Picture> pictureFromImage(const QImage& image)
{
    Ref<Picture> picture = New<Picture>();
    picture->pixels().image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return picture;
}

// A mask pixel's lightness decides how much of the picture's pixel shows: black shows it whole, white
// hides it (is transparent), a grey in between lets that share show. A mask pixel that is itself
// transparent hides too.
QImage shownPixels(const Picture& picture, const QRect& part)
{
    const QImage& image = imageOf(picture);
    QImage shown = image.copy(part);
    const Ref<Picture>& maskPicture = picture.pixels().mask;
    if (!maskPicture)
        return shown;
    QImage mask = imageOf(*maskPicture);
    if (mask.size() != image.size())
        mask = mask.scaled(image.size());
    mask = mask.copy(part);
    for (int y = 0; y < shown.height(); ++y) {
        auto* pixels = reinterpret_cast<QRgb*>(shown.scanLine(y));
        const auto* masks = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb m = masks[x];
            const int alpha = qAlpha(m);
            // The grey of the mask pixel, its colour taken unpremultiplied.
            const int grey = alpha == 0
                ? 255
                : qGray(qRed(m) * 255 / alpha, qGreen(m) * 255 / alpha, qBlue(m) * 255 / alpha);
            const int share = (255 - grey) * alpha / 255;
            const QRgb p = pixels[x];
            pixels[x] = qRgba(qRed(p) * share / 255, qGreen(p) * share / 255, qBlue(p) * share / 255,
                qAlpha(p) * share / 255);
        }
    }
    return shown;
}

} // namespace qt

} // namespace fw
