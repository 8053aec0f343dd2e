#pragma once

#include "framework/Object.h"
#include "platform/Seam.h"

#include <cstdint>
#include <functional>

namespace fw {

class Picture;

// A set of resources, looked up by id.
class ResourceFork : public Object {
public:
    static const ClassRecord& __Lookup();
    const ClassRecord& classRecord() const override { return __Lookup(); }

    // What the fork holds: the picture of an id, or nil when there is none.
    using PictureLookup = std::function<Ref<Picture>(int32_t id)>;
    // Framework side.
    void Constructor(PictureLookup lookup);

    // A newly loaded picture on every call; nil when there is no picture of that id.
    Ref<Picture> GetPicture(int32_t id);

private:
    PictureLookup m_lookup;
};

// The application's resources, compiled into the program; nil when the program carries none.
Ref<ResourceFork> appResourceForkGetter();

// The fork that tests give the application instead, or nil for an application without one.
struct ResourceForkSeam : platform::Seam<ResourceForkSeam, Ref<ResourceFork>> { };

} // namespace fw
