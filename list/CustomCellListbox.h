#pragma once

#include "list/AlternatingList.h"

// The list whose cells hold cell objects that paint themselves, take clicks and give sort values.
class CustomCellListbox : public AlternatingList {
public:
    static const fw::ClassRecord& __Lookup();
    const fw::ClassRecord& classRecord() const override { return __Lookup(); }

    fw::Color cellcolor;
};
