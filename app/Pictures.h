#pragma once

#include "framework/Picture.h"

#include <array>

// The six project pictures: three button icons, each with its mask. Each getter loads its picture
// from the application's resource fork at its first successful call and keeps it in its own static
// cache, `Reload::_permapic` and so on, until the program's finalisation calls that cache's
// `__Exit()`. A struct of the getter's name holds the cache; the function of that name hides it
// everywhere except before `::`, so `Reload()` calls the getter and `Reload::_permapic` is its cache.

// A getter's cache: the picture's only owner, nil until the picture is found.
struct PictureCache {
    fw::Ref<fw::Picture> picture;
    void __Exit();
};

struct Reload {
    static PictureCache _permapic;
};
struct ReloadMASK {
    static PictureCache _permapic;
};
struct Close {
    static PictureCache _permapic;
};
struct CloseMASK {
    static PictureCache _permapic;
};
struct folder {
    static PictureCache _permapic;
};
struct folderMASK {
    static PictureCache _permapic;
};

// The six caches, in the order the program's finalisation releases them: `Reload`, `ReloadMASK`,
// `Close`, `CloseMASK`, `folder`, `folderMASK`.
std::array<PictureCache*, 6> pictureCaches();

// The icons, with their masks applied; nil when neither the icon nor its mask is found.
fw::Ref<fw::Picture> Reload();
fw::Ref<fw::Picture> Close();
fw::Ref<fw::Picture> folder();

// The masks as loaded, or nil; only the icon getters call them.
fw::Ref<fw::Picture> ReloadMASK();
fw::Ref<fw::Picture> CloseMASK();
fw::Ref<fw::Picture> folderMASK();
