#include "framework/ResourceFork.h"

#include "framework/ClassRecord.h"
#include "framework/Picture.h"
#include "framework/qt/PictureImage.h"

#include <QDir>
#include <QImage>

namespace fw {

const ClassRecord& ResourceFork::__Lookup()
{
    static const ClassRecord& record
        = ClassRecord::define("ResourceFork", &Object::__Lookup(), {}, [](ClassRecord& r) {
              r.methods = { { "GetPicture", "%o<Picture>%i4" } };
          });
    return record;
}

void ResourceFork::Constructor(PictureLookup lookup)
{
    m_lookup = std::move(lookup);
}

Ref<Picture> ResourceFork::GetPicture(int32_t id)
{
    return m_lookup ? m_lookup(id) : nullptr;
}

namespace {

// Qt's resource system stands in for the application's resource fork: the pictures are PNG files
// under ":/pictures", each named by its id.
const char* const pictureFolder = ":/pictures";

Ref<Picture> compiledPicture(int32_t id)
{
    const QImage image(QStringLiteral("%1/%2.png").arg(QLatin1String(pictureFolder)).arg(id));
    if (image.isNull())
        return nullptr;
    return qt::pictureFromImage(image);
}

Ref<ResourceFork> compiledResourceFork()
{
    if (!QDir(QLatin1String(pictureFolder)).exists())
        return nullptr;
    return New<ResourceFork>(ResourceFork::PictureLookup(compiledPicture));
}

} // namespace

Ref<ResourceFork> appResourceForkGetter()
{
    if (std::optional<Ref<ResourceFork>> replaced = ResourceForkSeam::replacement())
        return *replaced;
    return compiledResourceFork();
}

} // namespace fw
