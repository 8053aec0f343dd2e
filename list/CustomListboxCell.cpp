#include "list/CustomListboxCell.h"

#include "framework/ClassRecord.h"

const fw::ClassRecord& CustomListboxCell::__Lookup()
{
    static const fw::ClassRecord& record
        = fw::ClassRecord::define("CustomListboxCell", nullptr, {}, [](fw::ClassRecord& r) {
              r.methods = { { "cellClick", "%b%i4i4" }, { "cellPaint", "%%o<Graphics>i4" },
                  { "compareValue", "%i4%" }, { "owner", "%%o<CustomCellListbox>" } };
          });
    return record;
}
