#pragma once

#include "framework/Object.h"

namespace fw {
class Graphics;
}
class CustomCellListbox;

// A cell object: it paints one cell of a list, takes the clicks on that cell and gives the value by
// which its row sorts.
class CustomListboxCell : public fw::Object {
public:
    static const fw::ClassRecord& __Lookup();

    // True when the cell has handled the click.
    virtual bool cellClick(int32_t x, int32_t y) = 0;
    virtual void cellPaint(fw::Ref<fw::Graphics> g, int32_t row) = 0;
    virtual int32_t compareValue() = 0;
    // The assignment `owner = list`.
    virtual void owner(fw::Ref<CustomCellListbox> list) = 0;
};
