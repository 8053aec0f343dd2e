#include "framework/RegExOptions.h"

#include "framework/ClassRecord.h"

namespace fw {

const ClassRecord& RegExOptions::__Lookup()
{
    static const ClassRecord& record
        = ClassRecord::define("RegExOptions", &Object::__Lookup(), {}, [](ClassRecord& r) {
              r.properties = { field("ReplaceAllMatches", &RegExOptions::ReplaceAllMatches),
                  field("CaseSensitive", &RegExOptions::CaseSensitive),
                  field("TreatTargetAsOneLine", &RegExOptions::TreatTargetAsOneLine),
                  field("DotMatchAll", &RegExOptions::DotMatchAll) };
          });
    return record;
}

} // namespace fw
