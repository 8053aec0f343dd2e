#include "framework/PaneChild.h"

#include "framework/ClassRecord.h"

namespace fw {

const ClassRecord& _PaneChild::__Lookup()
{
    static const ClassRecord& record = ClassRecord::define("_PaneChild", nullptr, {}, [](ClassRecord& r) {
        r.methods = { { "_SetWindow", "%%o<Window>" }, { "Window", "%o<Window>%" }, { "_Index", "%i4%" },
            { "_SetIndex", "%%i4" } };
    });
    return record;
}

} // namespace fw
