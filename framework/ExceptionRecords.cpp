#include "framework/ExceptionRecords.h"

#include "framework/Object.h"

namespace fw::ExceptionRecords {

const ClassRecord& RuntimeException()
{
    static const ClassRecord& record
        = ClassRecord::define("RuntimeException", &Object::__Lookup(), {}, [](ClassRecord& r) {
              r.properties.push_back({ "Message", "s", nullptr, nullptr });
          });
    return record;
}

const ClassRecord& NilObjectException()
{
    static const ClassRecord& record
        = ClassRecord::define("NilObjectException", &RuntimeException(), {}, nullptr);
    return record;
}

const ClassRecord& RegExException()
{
    static const ClassRecord& record
        = ClassRecord::define("RegExException", &RuntimeException(), {}, nullptr);
    return record;
}

const ClassRecord& RegExSearchPatternException()
{
    static const ClassRecord& record
        = ClassRecord::define("RegExSearchPatternException", &RegExException(), {}, nullptr);
    return record;
}

} // namespace fw::ExceptionRecords
