#include "list/ButtonsCell.h"

#include "framework/ClassRecord.h"

const fw::ClassRecord& ButtonsCell::__Lookup()
{
    static const fw::ClassRecord& record = fw::ClassRecord::define(
        "ButtonsCell", &fw::Object::__Lookup(), { &CustomListboxCell::__Lookup() }, nullptr);
    return record;
}
