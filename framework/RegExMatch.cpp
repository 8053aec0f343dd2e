#include "framework/RegExMatch.h"

#include "framework/ClassRecord.h"

namespace fw {

const ClassRecord& RegExMatch::__Lookup()
{
    // The byte position is 64-bit, which no settings-record type carries; only the text is registered.
    static const ClassRecord& record = ClassRecord::define("RegExMatch", &Object::__Lookup(), {},
        [](ClassRecord& r) { r.properties = { field("Text", &RegExMatch::Text) }; });
    return record;
}

} // namespace fw
