#include "list/CustomCellListbox.h"

const fw::ClassRecord& CustomCellListbox::__Lookup()
{
    static const fw::ClassRecord& record
        = fw::ClassRecord::define("CustomCellListbox", &AlternatingList::__Lookup(), {}, [](fw::ClassRecord& r) {
              r.properties.push_back(fw::field("cellcolor", &CustomCellListbox::cellcolor));
              r.declaredEvents = { "CustomCellClick", "CellClick" };
          });
    return record;
}
