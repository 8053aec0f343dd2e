#include "app/Pictures.h"

#include "framework/Graphics.h"
#include "framework/ResourceFork.h"

PictureCache Reload::_permapic;
PictureCache ReloadMASK::_permapic;
PictureCache Close::_permapic;
PictureCache CloseMASK::_permapic;
PictureCache folder::_permapic;
PictureCache folderMASK::_permapic;

std::array<PictureCache*, 6> pictureCaches()
{
    return { &Reload::_permapic, &ReloadMASK::_permapic, &Close::_permapic, &CloseMASK::_permapic,
        &folder::_permapic, &folderMASK::_permapic };
}

void PictureCache::__Exit()
{
    picture = nullptr;
}

namespace {

fw::Ref<fw::Picture> maskGetter(PictureCache& cache, int32_t resourceId)
{
    if (cache.picture)
        return cache.picture;
    fw::Ref<fw::ResourceFork> fork = fw::appResourceForkGetter();
    // Stored even when nil, so that a missing picture is looked for again on the next call.
    cache.picture = fork->GetPicture(resourceId);
    return cache.picture;
}

fw::Ref<fw::Picture> iconGetter(PictureCache& cache, int32_t resourceId, fw::Ref<fw::Picture> (*mask)())
{
    if (cache.picture)
        return cache.picture;
    fw::Ref<fw::ResourceFork> fork = fw::appResourceForkGetter();
    cache.picture = fork->GetPicture(resourceId);
    fw::Ref<fw::Picture> maskPicture = mask();
    if (maskPicture) {
        // Each step raises NilObjectException on a nil object: the icon, its mask, the mask's Graphics.
        fw::Ref<fw::Picture> iconMask = cache.picture->Mask(true);
        fw::Ref<fw::Graphics> g = iconMask->Graphics();
        // The whole mask picture, unscaled, at the origin.
        g->DrawPicture(maskPicture, 0, 0, fw::Graphics::ownSize, fw::Graphics::ownSize, 0, 0,
            fw::Graphics::ownSize, fw::Graphics::ownSize);
    }
    return cache.picture;
}

} // namespace

fw::Ref<fw::Picture> Reload()
{
    return iconGetter(Reload::_permapic, 168, ReloadMASK);
}
fw::Ref<fw::Picture> ReloadMASK()
{
    return maskGetter(ReloadMASK::_permapic, 169);
}
fw::Ref<fw::Picture> Close()
{
    return iconGetter(Close::_permapic, 170, CloseMASK);
}
fw::Ref<fw::Picture> CloseMASK()
{
    return maskGetter(CloseMASK::_permapic, 171);
}
fw::Ref<fw::Picture> folder()
{
    return iconGetter(folder::_permapic, 172, folderMASK);
}
fw::Ref<fw::Picture> folderMASK()
{
    return maskGetter(folderMASK::_permapic, 173);
}
