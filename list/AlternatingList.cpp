#include "list/AlternatingList.h"

const fw::ClassRecord& AlternatingList::__Lookup()
{
    static const fw::ClassRecord& record
        = fw::ClassRecord::define("AlternatingList", &fw::Listbox::__Lookup(), {}, [](fw::ClassRecord& r) {
              r.declaredEvents = { "cellBackgroundPaint" };
          });
    return record;
}
